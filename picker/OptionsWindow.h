#pragma once
// OptionsWindow: the modal dialog over the main window that chooses the
// interface language, whether minimizing and closing hide the tool in the
// notification area, and the show/hide hot key.
//
// "OK" applies: every setting is stored as soon as it is read, so a refused
// hot key (stored as none, with a message, the dialog staying open) leaves
// the others already stored. "Cancel", Escape and the close button store
// nothing. Enter is no shortcut for "OK": in the hot-key field it is a key
// like any other.
//
// The language is stored as the key of the chosen file (its base name),
// which is what start-up loads; the shown name may differ from it in more
// than letter case ("Deutsch" for german).
//
// Ownership: the dialog owns the widgets it builds; it borrows the main
// window (parent, hot keys, geometry) and the settings, which outlive it.

#include "app/LanguageInfo.h"
#include "platform/Text.h"
#include "ui/widgets/UIDialog.h"

#include <cstdint>
#include <memory>
#include <vector>

class MainWindow;
class Settings;
class UIBox;
class UIButton;
class UICheckBox;
class UIComboBox;
class UIExpander;
class UIGroup;
class UIHotKey;
class UILabel;
class UILine;

class OptionsWindow : public UIDialog {
public:
    static constexpr int32_t kMinimumWidth = 300;

    // Lists `languages` (by default the language files found beside the
    // program) in their order.
    OptionsWindow(MainWindow& mainWindow, Settings& settings);
    OptionsWindow(MainWindow& mainWindow, Settings& settings, const std::vector<LanguageInfo>& languages);
    ~OptionsWindow() override;

    // Stores the settings in order and registers the new hot key; on
    // success saves the main window's place, writes the settings file and
    // ends the dialog as accepted. False when the hot key was refused.
    bool apply();

    UIComboBox& languageCombo() { return *m_languageCombo; }
    // The language key of each combo item, by index.
    const std::vector<String>& languageKeys() const { return m_languageKeys; }
    UICheckBox& minimizeBox() { return *m_minimizeBox; }
    UICheckBox& closeBox() { return *m_closeBox; }
    UIHotKey& hotKeyField() { return *m_hotKeyField; }
    UIButton& okButton() { return *m_okButton; }
    UIButton& cancelButton() { return *m_cancelButton; }

protected:
    void keyPressEvent(UIKeyEvent& event) override;

private:
    void buildGroup(const std::vector<LanguageInfo>& languages);
    void buildButtons();
    void fillLanguages(const std::vector<LanguageInfo>& languages);
    // Stores the setting "none" or the given hot key, and registers a
    // usable one; false when the system refused it.
    bool applyHotKey();

    MainWindow& m_mainWindow;
    Settings& m_settings;
    std::vector<String> m_languageKeys;

    // Parents are declared before their children, so children go first.
    std::unique_ptr<UIGroup> m_group;
    std::unique_ptr<UILabel> m_languageLabel;
    std::unique_ptr<UIComboBox> m_languageCombo;
    std::unique_ptr<UILine> m_firstLine;
    std::unique_ptr<UICheckBox> m_minimizeBox;
    std::unique_ptr<UICheckBox> m_closeBox;
    std::unique_ptr<UILine> m_secondLine;
    std::unique_ptr<UILabel> m_hotKeyLabel;
    std::unique_ptr<UIHotKey> m_hotKeyField;
    std::unique_ptr<UIBox> m_buttonRow;
    std::unique_ptr<UIExpander> m_spacer;
    std::unique_ptr<UIButton> m_okButton;
    std::unique_ptr<UIButton> m_cancelButton;
};
