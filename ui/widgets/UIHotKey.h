#pragma once
// UIHotKey: a focusable field in which the user presses a key combination,
// shown as text such as "Control + Shift + F5", or the translated "None"
// when it is empty.
//
// The combination is built from key presses: modifiers add their flags, a
// digit, letter or function key becomes the key, anything else clears it.
// The first press after a release starts a new combination ("fresh"), so a
// finished combination stays shown until the next one begins. Auto-repeat
// pairs of a held key change nothing.

#include "app/HotKeyValue.h"
#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>
#include <optional>

class UIHotKey : public UIWidget {
public:
    static constexpr uint32_t kCaretTimer = 100022;
    static constexpr StringView kSeparator = u" + ";

    explicit UIHotKey(UIWidget* parent = nullptr);
    ~UIHotKey() override;

    // The combination as the field holds it (reserved word 0).
    HotKeyValue hotKey() const;
    // Keeps key and modifiers (bits other than Shift, Control and Alt are
    // dropped), rebuilds the text and repaints.
    void setHotKey(const HotKeyValue& hotKey);
    void clearHotKey();
    // What the field shows.
    const String& text() const { return m_text; }
    bool isCaretShown() const { return m_caretShown; }

    // The text of a combination: "Control", "Shift", "Alt" and the key's
    // name joined by the separator, with a trailing separator while there is
    // no key; `noneText` when there is nothing.
    static String displayText(uint32_t modifiers, uint32_t key, StringView noneText);

    void retranslate() override;
    Size sizeHint() const override;
    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;

protected:
    void paintEvent(UIPaintEvent& event) override;
    void keyPressEvent(UIKeyEvent& event) override;
    void keyReleaseEvent(UIKeyEvent& event) override;
    void timerEvent(UITimerEvent& event) override;
    void focusInEvent(UIEvent& event) override;
    void focusOutEvent(UIEvent& event) override;
    void enterEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;

private:
    void rebuild();

    UITextLook m_look;
    UIBrush m_background;
    Margins m_padding;
    UISkin m_skin;
    uint32_t m_modifiers = 0;
    uint32_t m_key = 0;
    bool m_fresh = true;
    String m_text;
    bool m_caretShown = false;
    // Nothing: the system's caret does not blink, so it stays on while the
    // field has the focus.
    std::optional<uint32_t> m_caretBlinkInterval;
    int32_t m_caretWidth = 1;
};
