#!/usr/bin/env bash
# The installer, silently, for all users (argument "all") or for the current
# user ("user"): the program lands where the registration in Add/Remove Programs says,
# with a Start-menu shortcut, and starts from there; the registered silent
# uninstall removes the files, the shortcut and the registration, and keeps
# the settings unless /REMOVESETTINGS is given.
here=$(dirname "$0")
. "$here/../e2e/lib.sh"
. "$here/../e2e/main_window_lib.sh"
. "$here/release_lib.sh"

key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvellan Tintscope'
registered() { # HIVE VALUE: prints the value of the registration
    wine reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}
registration_gone() { ! wine reg query "$1\\$key" >/dev/null 2>&1; }

# mode | install switches | registration hive | Start menu | extra uninstall switch | settings after
while IFS="|" read -r mode install hive programs remove settings_after <&3; do
    [ "$mode" = "$1" ] || continue
    programs=$(unix_path "$programs")
    what="installed with '/S $install'"
    rm -rf "$(dirname "$config")"
    wine "$TINTSCOPE_RELEASE_SETUP" /S $install >/dev/null 2>&1
    wineserver -w
    folder=$(registered "$hive" InstallLocation)
    folder=$([ -n "$folder" ] && winepath -u "$folder" 2>/dev/null)
    check "$what: registered in $hive" test -n "$folder"
    check "$what: the program is in the registered folder" test -f "$folder/tintscope.exe"
    check "$what: the Start menu has the shortcut" test -f "$programs/Morvellan Tintscope.lnk"
    check "$what: the installed program starts and exits with 0" program_runs_and_exits_cleanly "$folder"

    uninstall=$(registered "$hive" QuietUninstallString)
    uninstaller=${uninstall#\"}
    uninstaller=${uninstaller%%\"*}
    # The uninstaller runs from a copy of itself: wait until every process of
    # the prefix has ended.
    wine "$uninstaller" ${uninstall##*\"} $remove >/dev/null 2>&1
    wineserver -w
    what="$what, uninstalled with '${uninstall##*\"} $remove'"
    check "$what: the program folder is gone" test ! -e "$folder"
    check "$what: the shortcut is gone" test ! -e "$programs/Morvellan Tintscope.lnk"
    check "$what: the registration is gone" registration_gone "$hive"
    if [ "$settings_after" = kept ]; then
        check "$what: the settings are kept" test -s "$config"
    else
        check "$what: the settings are removed" test ! -e "$(dirname "$config")"
    fi
done 3<<'ROWS'
all||HKLM|%ProgramData%\Microsoft\Windows\Start Menu\Programs||kept
user|/CurrentUser|HKCU|%APPDATA%\Microsoft\Windows\Start Menu\Programs|/REMOVESETTINGS|removed
ROWS

check "the mode '$1' is one of the table's" test -n "${what:-}"
rm -rf "$(dirname "$config")"
finish
