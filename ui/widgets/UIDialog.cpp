#include "ui/widgets/UIDialog.h"
#include "platform/InputState.h"
#include "platform/Monitors.h"
#include "platform/SystemInfo.h"
#include "ui/core/Alignment.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/core/UIWindowHost.h"
#include "ui/widgets/UIButton.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Depth first, in child order, so the first match is the one a reader of
// the widget tree would name first.
UIButton* findButton(const UIWidget& root, const std::function<bool(const UIButton&)>& matches)
{
    for (UIWidget* child : root.children()) {
        if (child->isWindow())
            continue;
        if (auto* button = dynamic_cast<UIButton*>(child); button && matches(*button))
            return button;
        if (UIButton* found = findButton(*child, matches))
            return found;
    }
    return nullptr;
}

} // namespace

UIDialog::UIDialog(UIWidget* parent) : UIDialog(parent, u"UIDialog") {}

UIDialog::UIDialog(UIWidget* parent, StringView styleName) : UIWindow(parent, styleName)
{
    setPlacement(Alignment::Center);
    if (UIWindowHost* windowHost = host()) {
        windowHost->setWindowType(windowHost->windowType() | WindowType::KeyPreview);
        windowHost->setModality(Modality::Application);
    }
}

UIDialog::~UIDialog() { destroyWidget(); }

void UIDialog::accept() { done(kAccepted); }

void UIDialog::reject() { done(kRejected); }

void UIDialog::done(int32_t result)
{
    m_result = result;
    m_done = true;
    killTimer(kSnapTimer);
    if (!m_closing)
        postEvent(this, std::make_unique<UIEvent>(UIEventType::Close));
}

int32_t UIDialog::exec()
{
    if (!isCreated())
        return m_result;
    const UIWidgetGuard self(this);
    setVisible(true);
    return self ? m_result : kRejected;
}

UIButton* UIDialog::defaultButton(bool usableOnly) const
{
    return findButton(*this, [usableOnly](const UIButton& button) {
        return button.isDefault() && (!usableOnly || (button.isVisible() && button.isEnabled()));
    });
}

// The dialog sees keys before its children. Escape rejects. Enter acts
// as a click on the default button, as a user expects of it, unless
// another button has the focus: that one takes the key itself.
void UIDialog::keyPressEvent(UIKeyEvent& event)
{
    if (event.key() == kEscapeKey && defaultButton()) {
        event.accept();
        reject();
        return;
    }
    if (event.key() != kEnterKey)
        return;
    const bool buttonHasFocus = findButton(*this, [](const UIButton& button) { return button.hasFocus(); });
    if (UIButton* button = defaultButton(true); button && !buttonHasFocus) {
        // Accepted, so no other child acts on the key as well.
        event.accept();
        button->activate();
    }
}

void UIDialog::timerEvent(UITimerEvent& event)
{
    if (event.id() != kSnapTimer)
        return;
    killTimer(kSnapTimer);
    snapPointer();
}

void UIDialog::showEvent(UIEvent&)
{
    keepInsideWorkArea();
    if (snapsPointerToDefault() && platform::snapsToDefaultButton())
        startTimer(kSnapTimer, kSnapDelayMs);
}

void UIDialog::closeEvent(UIEvent& event)
{
    if (!event.isAccepted() || m_done)
        return;
    // Closed from outside (close button, Alt+F4): that counts as reject.
    m_closing = true;
    reject();
    m_closing = false;
}

void UIDialog::snapPointer()
{
    if (const UIButton* button = defaultButton(true)) {
        const int32_t w = button->width(), h = button->height();
        platform::moveCursorTo(button->mapToScreen({w - w / 3, h - h / 3}));
    }
}

void UIDialog::keepInsideWorkArea()
{
    const UINativeWindow* native = nativeWindow();
    if (!native)
        return;
    const Rect outer = native->windowRect();
    const Rect area = platform::workAreaFor(outer);
    if (area.isEmpty())
        return;
    const int32_t x = std::max(area.x, std::min(outer.x, area.right() - outer.width));
    const int32_t y = std::max(area.y, std::min(outer.y, area.bottom() - outer.height));
    if (x != outer.x || y != outer.y)
        move(x, y);
}
