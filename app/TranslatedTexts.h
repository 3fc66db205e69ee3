#pragma once
// Every text the program passes to translate(), with its context: the one
// list that the code takes its texts from and that every shipped language
// file is checked against (a text added here without translations fails the
// tests). Use the constants, never a repeated literal:
//
//     button->setToolTip(translate(Texts::MainWindow::alwaysOnTop));
//
// To add a text, add one line to TRANSLATED_TEXTS and an item to every file
// in data/languages.

#include "platform/Text.h"

struct TranslatedText {
    StringView context;
    StringView text;
};

// X(namespace below Texts, constant name, context, English source text)
#define TRANSLATED_TEXTS(X)                                                                           \
    X(MainWindow, hint, u"MainWindow", u"Left-click-drag and|move out of window")                     \
    X(MainWindow, alwaysOnTop, u"MainWindow", u"Always on top")                                       \
    X(MainWindow, options, u"MainWindow", u"Options...")                                              \
    X(MainWindow, about, u"MainWindow", u"About...")                                                  \
    X(MainWindow, copy, u"MainWindow", u"Copy")                                                       \
    X(NotificationIcon, visitHomePage, u"NotificationIcon", u"Visit Home Page...")                    \
    X(NotificationIcon, exit, u"NotificationIcon", u"Exit")                                           \
    X(NotificationIcon, hide, u"NotificationIcon", u"Hide")                                           \
    X(NotificationIcon, show, u"NotificationIcon", u"Show")                                           \
    X(OptionsWindow, title, u"OptionsWindow", u"Options")                                             \
    X(OptionsWindow, language, u"OptionsWindow", u"Language:")                                        \
    X(OptionsWindow, minimizeToNotificationArea, u"OptionsWindow", u"Minimize to notification area.") \
    X(OptionsWindow, closeToNotificationArea, u"OptionsWindow", u"Close to notification area.")       \
    X(OptionsWindow, showHideHotkey, u"OptionsWindow", u"Show/Hide hotkey:")                          \
    X(OptionsWindow, ok, u"OptionsWindow", u"OK")                                                     \
    X(OptionsWindow, cancel, u"OptionsWindow", u"Cancel")                                             \
    X(OptionsWindow, hotkeyNotRegistered, u"OptionsWindow", u"Unable to register Show/Hide hotkey.")  \
    X(OptionsWindow, selectDifferentHotkey, u"OptionsWindow", u"Please select a different hotkey.")   \
    X(AboutWindow, title, u"AboutWindow", u"About")                                                   \
    X(AboutWindow, ok, u"AboutWindow", u"Ok")                                                         \
    X(UIHotKey, none, u"UserInterface/UIHotKey", u"None")                                             \
    X(UILineEdit, undo, u"UserInterface/UILineEdit", u"Undo")                                         \
    X(UILineEdit, redo, u"UserInterface/UILineEdit", u"Redo")                                         \
    X(UILineEdit, cut, u"UserInterface/UILineEdit", u"Cut")                                           \
    X(UILineEdit, copy, u"UserInterface/UILineEdit", u"Copy")                                         \
    X(UILineEdit, paste, u"UserInterface/UILineEdit", u"Paste")                                       \
    X(UILineEdit, deleteSelection, u"UserInterface/UILineEdit", u"Delete")                            \
    X(UILineEdit, selectAll, u"UserInterface/UILineEdit", u"Select All")                              \
    X(UIMessageBox, yes, u"UserInterface/UIMessageBox", u"Yes")                                       \
    X(UIMessageBox, ok, u"UserInterface/UIMessageBox", u"OK")                                         \
    X(UIMessageBox, open, u"UserInterface/UIMessageBox", u"Open")                                     \
    X(UIMessageBox, save, u"UserInterface/UIMessageBox", u"Save")                                     \
    X(UIMessageBox, cancel, u"UserInterface/UIMessageBox", u"Cancel")                                 \
    X(UIMessageBox, close, u"UserInterface/UIMessageBox", u"Close")                                   \
    X(UIMessageBox, apply, u"UserInterface/UIMessageBox", u"Apply")                                   \
    X(UIMessageBox, reset, u"UserInterface/UIMessageBox", u"Reset")                                   \
    X(UIMessageBox, restoreDefaults, u"UserInterface/UIMessageBox", u"Restore Defaults")              \
    X(UIMessageBox, help, u"UserInterface/UIMessageBox", u"Help")                                     \
    X(UIMessageBox, saveAll, u"UserInterface/UIMessageBox", u"Save All")                              \
    X(UIMessageBox, no, u"UserInterface/UIMessageBox", u"No")                                         \
    X(UIMessageBox, noToAll, u"UserInterface/UIMessageBox", u"No To All")                             \
    X(UIMessageBox, yesToAll, u"UserInterface/UIMessageBox", u"Yes To All")                           \
    X(UIMessageBox, abort, u"UserInterface/UIMessageBox", u"Abort")                                   \
    X(UIMessageBox, retry, u"UserInterface/UIMessageBox", u"Retry")                                   \
    X(UIMessageBox, ignore, u"UserInterface/UIMessageBox", u"Ignore")                                 \
    X(UIMessageBox, doNotShowAgain, u"UserInterface/UIMessageBox", u"Do not show again.")

#define TRANSLATED_TEXT_CONSTANT(group, name, context, text) \
    namespace Texts::group {                                 \
    inline constexpr TranslatedText name{context, text};     \
    }
TRANSLATED_TEXTS(TRANSLATED_TEXT_CONSTANT)
#undef TRANSLATED_TEXT_CONSTANT

namespace Texts {

#define TRANSLATED_TEXT_ENTRY(group, name, context, text) TranslatedText{context, text},
// Every text above, in list order.
inline constexpr TranslatedText kAll[] = {TRANSLATED_TEXTS(TRANSLATED_TEXT_ENTRY)};
#undef TRANSLATED_TEXT_ENTRY

} // namespace Texts
