; The installer and uninstaller, built by tools/make-release, which defines
; VERSION, ARCH, PRODUCT_NAME, ORGANISATION, INSTANCE_NAME (the program's
; single-instance mutex: while it exists the program runs and its files are
; in use), ICON, STAGE (the staged program folder), FILE_LIST (its
; InstallFiles and UninstallFiles macros) and OUTFILE.
;
; Installs per user or for all users (the /CurrentUser and /AllUsers
; switches choose without the page), puts one shortcut in the Start menu and
; registers the uninstaller in Add/Remove Programs. The uninstaller removes
; exactly the installed files, the shortcut and the registration. The
; settings (%APPDATA%\<product>\config.dat of the user who uninstalls) stay
; unless that user says otherwise; a silent uninstall (/S) keeps them
; unless /REMOVESETTINGS is given.

; The installer has the architecture of the program: a 64-bit program gets
; a 64-bit installer, which only starts where the program can run.
!if "${ARCH}" == "win64"
    Target amd64-unicode
!else
    Unicode true
!endif
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_NAME}"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT_NAME}.lnk"
!define SYNCHRONIZE 0x00100000

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT_NAME}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!if "${ARCH}" == "win64"
    !define MULTIUSER_USE_PROGRAMFILES64
!endif
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include "${FILE_LIST}"

Name "${PRODUCT_NAME}"
OutFile "${OUTFILE}"
BrandingText "${ORGANISATION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The program's own languages; the system's language picks one.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Russian"

LangString ProgramRunning ${LANG_ENGLISH} "${PRODUCT_NAME} is running. Exit it (right-click its notification icon, then Exit) and try again."
LangString ProgramRunning ${LANG_GERMAN} "${PRODUCT_NAME} läuft. Beenden Sie das Programm (Rechtsklick auf sein Symbol im Infobereich, dann Beenden) und versuchen Sie es erneut."
LangString ProgramRunning ${LANG_FRENCH} "${PRODUCT_NAME} est en cours d'exécution. Quittez-le (clic droit sur son icône de notification, puis Quitter) et réessayez."
LangString ProgramRunning ${LANG_SPANISH} "${PRODUCT_NAME} se está ejecutando. Ciérrelo (clic derecho en su icono de notificación y luego Salir) e inténtelo de nuevo."
LangString ProgramRunning ${LANG_RUSSIAN} "${PRODUCT_NAME} запущен. Закройте его (правый щелчок по значку в области уведомлений, затем «Выход») и повторите попытку."
LangString KeepSettings ${LANG_ENGLISH} "Keep your settings of ${PRODUCT_NAME} (window places, colour format, hot key) for a later installation?"
LangString KeepSettings ${LANG_GERMAN} "Ihre Einstellungen von ${PRODUCT_NAME} (Fensterpositionen, Farbformat, Tastenkürzel) für eine spätere Installation behalten?"
LangString KeepSettings ${LANG_FRENCH} "Conserver vos réglages de ${PRODUCT_NAME} (positions des fenêtres, format de couleur, raccourci) pour une installation ultérieure ?"
LangString KeepSettings ${LANG_SPANISH} "¿Conservar su configuración de ${PRODUCT_NAME} (posiciones de ventana, formato de color, tecla rápida) para una instalación posterior?"
LangString KeepSettings ${LANG_RUSSIAN} "Сохранить настройки ${PRODUCT_NAME} (положение окон, формат цвета, горячая клавиша) для последующей установки?"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${ORGANISATION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT_NAME} ${VERSION} setup (${ARCH})"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright © 2026 ${ORGANISATION}"

Var RemoveSettings

; Files in use cannot be replaced or removed: wait for the user to exit the
; program, or give up (at once when silent).
!macro DEFINE_WAIT_FOR_PROGRAM_EXIT PREFIX
Function ${PREFIX}WaitForProgramExit
    retry:
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${INSTANCE_NAME}") p.r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY retry
        Quit
    ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_FOR_PROGRAM_EXIT ""
!insertmacro DEFINE_WAIT_FOR_PROGRAM_EXIT "un."

Function .onInit
    !insertmacro MULTIUSER_INIT
    Call WaitForProgramExit
FunctionEnd

Section
    !insertmacro InstallFiles
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\tintscope.exe" "" "$INSTDIR\tintscope.exe" 0

    ; SHCTX is HKLM for all users and HKCU for one user, as MultiUser set it.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${ORGANISATION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tintscope.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    ; Started from its folder without a mode switch, the uninstaller takes
    ; the mode of the registration that points at its folder.
    ${un.GetParameters} $R0
    ClearErrors
    ${un.GetOptions} $R0 "/CurrentUser" $R1
    ${If} ${Errors}
        ReadRegStr $R1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $R1 == $INSTDIR
            Call un.MultiUser.InstallMode.CurrentUser
        ${EndIf}
    ${EndIf}
    ClearErrors
    ${un.GetOptions} $R0 "/REMOVESETTINGS" $R1
    ${If} ${Errors}
        StrCpy $RemoveSettings 0
    ${Else}
        StrCpy $RemoveSettings 1
    ${EndIf}
    Call un.WaitForProgramExit
FunctionEnd

Section "Uninstall"
    !insertmacro UninstallFiles
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"

    ${If} $RemoveSettings == 0
        MessageBox MB_YESNO|MB_ICONQUESTION "$(KeepSettings)" /SD IDYES IDYES done
    ${EndIf}
    ; The settings belong to the user, whichever way the program was installed.
    SetShellVarContext current
    Delete "$APPDATA\${PRODUCT_NAME}\config.dat"
    Delete "$APPDATA\${PRODUCT_NAME}\config.dat.tmp"
    RMDir "$APPDATA\${PRODUCT_NAME}"
    done:
SectionEnd
