#include "ui/core/UIMouseRouter.h"
#include "platform/Clock.h"
#include "platform/InputState.h"
#include "ui/core/UICursorTable.h"
#include "ui/core/UIEvent.h"
#include "ui/core/UIManager.h"
#include "ui/core/UITimers.h"
#include "ui/core/UIWidget.h"
#include "ui/core/UIWindowHost.h"

#include <cstdlib>
#include <memory>

UIWidget& UIMouseRouter::target(Point position, bool grabberFirst) const
{
    if (grabberFirst)
        if (UIWidget* grabber = UIManager::instance().grabber(); grabber && grabber->window() == m_root.window())
            return *grabber;
    if (UIWidget* under = UIWidget::childAt(m_root, position))
        return *under;
    return m_root;
}

void UIMouseRouter::press(Point position, uint32_t button, uint32_t buttons, uint32_t modifiers)
{
    // A press ends the tooltip, and cancels one still waiting to show.
    UIManager::instance().hideToolTip();
    UIWidget& to = target(position, true);
    if (buttons != 0)
        if (UIWindowHost* host = m_root.window()->host())
            host->captureMouse();
    if (!to.isEnabled())
        return;
    const Point local = to.mapFromWindow(position);
    if (to.testFlag(UIWidget::Flag::DoubleClicks)
        && (button == platform::LeftButton || button == platform::RightButton)) {
        UIManager& manager = UIManager::instance();
        auto& history = manager.pressHistory();
        history[0] = history[1];
        history[1] = {button, platform::monotonicMilliseconds(), position, &to};
        const auto& first = history[0];
        const auto& second = history[1];
        const Size limit = platform::doubleClickSize();
        if (first.target == second.target && first.button == second.button
            && second.time - first.time <= platform::doubleClickTime()
            && std::abs(second.position.x - first.position.x) < limit.width
            && std::abs(second.position.y - first.position.y) < limit.height) {
            manager.resetPressHistory();
            UIWidget::postEvent(
                &to, std::make_unique<UIMouseEvent>(UIEventType::MouseDoubleClick, buttons, button, local, modifiers));
            return;
        }
    }
    UIWidget::postEvent(&to,
                        std::make_unique<UIMouseEvent>(UIEventType::MousePress, buttons, button, local, modifiers));
}

void UIMouseRouter::release(Point position, uint32_t button, uint32_t buttons, uint32_t modifiers)
{
    UIWidget& to = target(position, true);
    if (buttons == 0)
        if (UIWindowHost* host = m_root.window()->host())
            host->releaseMouse();
    UIManager& manager = UIManager::instance();
    if (manager.grabber() == &to)
        manager.setGrabber(nullptr);
    if (!to.isEnabled())
        return;
    const Point local = to.mapFromWindow(position);
    UIWidget::postEvent(&to,
                        std::make_unique<UIMouseEvent>(UIEventType::MouseRelease, buttons, button, local, modifiers));
    if (button == platform::RightButton && to.rect().contains(local))
        UIWidget::postEvent(&to, std::make_unique<UIContextMenuEvent>(local, platform::cursorPosition()));
}

void UIMouseRouter::move(Point position, uint32_t buttons, uint32_t modifiers)
{
    if (m_hasLastPosition && position == m_lastPosition) {
        updateCursor(position);
        return;
    }
    m_lastPosition = position;
    m_hasLastPosition = true;
    UIWidget& to = target(position, true);
    UIManager& manager = UIManager::instance();
    if (manager.toolTipOwner() && manager.toolTipOwner() != &to)
        manager.hideToolTip();
    const Point local = to.mapFromWindow(position);
    applyCursor(to, local);
    if (!to.isEnabled())
        return;
    if (to.testFlag(UIWidget::Flag::TrackHover))
        to.startTimer(UITimers::kHoverTimer, UIWidget::kHoverInterval);
    UIWidget::postEvent(&to, std::make_unique<UIMouseEvent>(UIEventType::MouseMove, buttons, 0, local, modifiers));
}

void UIMouseRouter::wheel(Point position, int32_t delta, bool horizontal, uint32_t modifiers)
{
    UIWidget& to = target(position, false);
    if (!to.isEnabled())
        return;
    UIWidget::postEvent(&to, std::make_unique<UIWheelEvent>(to.mapFromWindow(position), delta, horizontal, modifiers));
}

void UIMouseRouter::updateCursor(Point position)
{
    UIWidget& to = target(position, true);
    applyCursor(to, to.mapFromWindow(position));
}

void UIMouseRouter::applyCursor(UIWidget& target, Point local) const
{
    int32_t id = UIManager::instance().overrideCursor();
    if (id == 0)
        id = target.isEnabled() ? target.cursorAt(local) : static_cast<int32_t>(CursorId::Arrow);
    UIManager::instance().applyCursor(id);
}
