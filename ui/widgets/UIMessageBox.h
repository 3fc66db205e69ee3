#pragma once
// UIMessageBox: the toolkit's modal message: an icon by kind, a title, a
// text, an optional "Do not show again." check box and a row of standard
// buttons.
//
// Each standard button's flag is also the result it ends the box with, and
// the buttons always stand in the order of kStandardButtons, whatever order
// the flags were given in. A checked "Do not show again." box adds
// kDoNotShowAgainResult to the result, whichever way the box closes. A
// moment after the box appears it plays the sound of its kind (while the
// failure-beep switch is on); Control+C copies its window title, title and
// text, one per line.
//
// Look: the style section "UIMessageBox" (the UIWindow properties and
// "titleFont", the title's font); the icons are the style set's standard
// message images, scaled to the metric MessageBoxIconSize. Captions are
// translated in the context "UserInterface/UIMessageBox".
//
// The box owns every widget it builds.

#include "app/TranslatedTexts.h"
#include "platform/Text.h"
#include "ui/widgets/UIDialog.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class UIBox;
class UIButton;
class UICheckBox;
class UIExpander;
class UILabel;
class UILine;
class UIPicture;

class UIMessageBox : public UIDialog {
public:
    // Icon and sound.
    enum class Kind : int32_t { None = 0, Information = 1, Question = 2, Warning = 3, Critical = 4 };
    // Bits of the options.
    enum Option : uint32_t {
        // A single button becomes the default one, and the pointer may snap
        // to it.
        DefaultButtonOption = 0x1,
        DoNotShowAgainOption = 0x4,
    };
    // The standard buttons; each flag is the result its button gives.
    enum StandardButton : uint32_t {
        Ok = 0x1,
        Open = 0x2,
        Save = 0x4,
        Cancel = 0x8,
        Close = 0x10,
        Apply = 0x20,
        Reset = 0x40,
        RestoreDefaults = 0x80,
        Help = 0x100,
        SaveAll = 0x200,
        Yes = 0x400,
        YesToAll = 0x800,
        No = 0x1000,
        NoToAll = 0x2000,
        Abort = 0x4000,
        Retry = 0x8000,
        Ignore = 0x10000,
    };
    struct ButtonEntry {
        StandardButton flag;
        TranslatedText caption;
    };
    // Creation (and so left-to-right) order of the buttons.
    static const std::array<ButtonEntry, 17> kStandardButtons;

    static constexpr int32_t kDoNotShowAgainResult = 0x100000;
    static constexpr int32_t kMinimumWidth = 250;
    static constexpr Kind kDefaultKind = Kind::Warning;
    static constexpr uint32_t kSoundTimer = 100018;
    static constexpr uint32_t kSoundDelayMs = 100;
    // With Control: copy the texts.
    static constexpr uint32_t kCopyKey = 'C';

    UIMessageBox(UIWidget* parent, uint32_t buttons, String title = {}, String text = {}, Kind kind = kDefaultKind,
                 uint32_t options = 0);
    ~UIMessageBox() override;

    // Runs a box of the default kind with the texts, buttons and options
    // over `parent`, and returns its result once it is gone.
    static int32_t showMessage(UIWidget* parent, String title, String text, uint32_t buttons, uint32_t options = 0);

    void setStyleProperty(StringView name, StringView value) override;

    // Builds the content on the first call, shows the box modally and
    // returns its result.
    int32_t exec() override;
    // Adds kDoNotShowAgainResult when the check box is checked and stops the
    // pending sound.
    void done(int32_t result) override;

    const String& title() const { return m_title; }
    void setTitle(String title) { m_title = std::move(title); }
    const String& text() const { return m_text; }
    void setText(String text) { m_text = std::move(text); }
    Kind kind() const { return m_kind; }
    void setKind(Kind kind) { m_kind = kind; }
    uint32_t options() const { return m_options; }
    void setOptions(uint32_t options) { m_options = options; }

    // Built by exec: the buttons in order, and the check box (null without
    // DoNotShowAgainOption).
    const std::vector<std::unique_ptr<UIButton>>& buttons() const { return m_buttons; }
    UICheckBox* doNotShowAgainBox() const { return m_checkBox.get(); }
    // What Control+C copies: window title, title and text, the empty ones
    // left out, joined by line breaks.
    String copiedText() const;

protected:
    bool snapsPointerToDefault() const override { return (m_options & DefaultButtonOption) != 0; }

    void keyPressEvent(UIKeyEvent& event) override;
    void timerEvent(UITimerEvent& event) override;
    void showEvent(UIEvent& event) override;

private:
    void buildContent();
    void buildButtons();
    void playKindSound() const;

    String m_title;
    String m_text;
    Kind m_kind;
    uint32_t m_options;
    uint32_t m_buttonFlags;
    String m_titleFont;
    bool m_built = false;

    // Parents are declared before their children, so children go first.
    std::unique_ptr<UIBox> m_messageRow;
    std::unique_ptr<UIPicture> m_icon;
    std::unique_ptr<UIBox> m_textColumn;
    std::unique_ptr<UILabel> m_titleLabel;
    std::unique_ptr<UILabel> m_textLabel;
    std::unique_ptr<UILine> m_line;
    std::unique_ptr<UIBox> m_buttonRow;
    std::unique_ptr<UICheckBox> m_checkBox;
    std::unique_ptr<UIExpander> m_expander;
    std::vector<std::unique_ptr<UIButton>> m_buttons;
};
