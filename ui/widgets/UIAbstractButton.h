#pragma once
// UIAbstractButton: what push buttons and check boxes share: a caption with
// its alignment, an optional checked state and the `clicked` notification.
// It has no look of its own; the classes below it paint and call create.

#include "platform/Text.h"
#include "ui/core/Alignment.h"
#include "ui/core/UISignal.h"
#include "ui/core/UIWidget.h"

#include <cstdint>

class UIAbstractButton : public UIWidget {
public:
    // The keys that activate a focused button.
    static constexpr uint32_t kEnterKey = 13;
    static constexpr uint32_t kSpaceKey = 32;

    explicit UIAbstractButton(UIWidget* parent = nullptr);

    // Sent with an empty UINotifyEvent when the button is activated.
    UISignal clicked;

    const String& text() const { return m_text; }
    // Repaints.
    void setText(String text);
    uint32_t alignment() const { return m_alignment; }
    void setAlignment(uint32_t alignment);
    bool isCheckable() const { return m_checkable; }
    void setCheckable(bool checkable);
    bool isChecked() const { return m_checked; }
    // Repaints only when the value changes.
    virtual void setChecked(bool checked);
    // What Enter on the focused button does: sends `clicked`.
    void activate() { emitClicked(); }

protected:
    // The look follows the pointer and the button: every change repaints.
    void mousePressEvent(UIMouseEvent& event) override;
    void mouseReleaseEvent(UIMouseEvent& event) override;
    void enterEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;

    static bool isActivationKey(uint32_t key) { return key == kEnterKey || key == kSpaceKey; }
    // Checkable and checked: the state that gives a button its held-down look.
    bool showsChecked() const { return m_checkable && m_checked; }
    void emitClicked();

private:
    String m_text;
    uint32_t m_alignment = Alignment::Left | Alignment::VCenter;
    bool m_checkable = false;
    bool m_checked = false;
};
