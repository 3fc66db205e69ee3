#include "ui/core/UIDropTarget.h"
#include "platform/SystemTimers.h"
#include "ui/core/UIEvent.h"
#include "ui/core/UIMimeData.h"
#include "ui/core/UIWidget.h"
#include "ui/core/UIWidgetGuard.h"

#include <memory>

namespace {

struct PendingDrop {
    std::unique_ptr<UIMimeData> data;
    UIWidgetGuard target;
    uint32_t effect = platform::DropEffectNone;
    uint32_t keyState = 0;
    Point position;
    uintptr_t timer = 0;
};

struct DragState {
    // Present only when the drag entered an enabled window.
    std::unique_ptr<UIMimeData> data;
    UIWidgetGuard target;
    uint32_t effect = platform::DropEffectNone;
    uint32_t keyState = 0;
    Point position;
    PendingDrop pending;
};

DragState& drag()
{
    static DragState state;
    return state;
}

void forgetDrag()
{
    DragState& state = drag();
    state.data.reset();
    state.target = UIWidgetGuard();
    state.effect = platform::DropEffectNone;
}

// Sends a drag event now; returns whether the widget accepted it.
bool sendDragEvent(UIWidget* widget, UIEventType type, const UIMimeData* data, uint32_t effect)
{
    const DragState& state = drag();
    UIDragEvent event(type, data, effect, state.keyState, state.position);
    UIWidget::sendEvent(widget, event);
    return event.isAccepted();
}

void deliverPendingDrop()
{
    PendingDrop pending = std::move(drag().pending);
    drag().pending = PendingDrop();
    platform::stopSystemTimer(pending.timer);
    if (UIWidget* target = pending.target.get()) {
        UIDragEvent event(UIEventType::Drop, pending.data.get(), pending.effect, pending.keyState, pending.position);
        UIWidget::sendEvent(target, event);
    }
}

} // namespace

UIDropTarget::UIDropTarget(UIWidget& window, std::function<bool()> windowEnabled)
    : m_window(window)
    , m_windowEnabled(std::move(windowEnabled))
{}

uint32_t UIDropTarget::chooseEffect(uint32_t allowed)
{
    for (uint32_t effect : {platform::DropEffectCopy, platform::DropEffectMove, platform::DropEffectLink})
        if (allowed & effect)
            return effect;
    return platform::DropEffectNone;
}

bool UIDropTarget::isDropPending() { return drag().pending.timer != 0; }

UIWidget* UIDropTarget::targetAt(Point position) const
{
    if (!drag().data)
        return nullptr;
    UIWidget* widget = UIWidget::childAt(m_window, position);
    if (!widget)
        widget = &m_window;
    if (!(widget->dropFlags() & UIWidget::kAcceptsDrops) || !widget->isEnabled())
        return nullptr;
    return widget;
}

uint32_t UIDropTarget::dragEnter(const platform::DragData& data, const platform::DragInput&)
{
    forgetDrag();
    if (m_window.isEnabled() && (!m_windowEnabled || m_windowEnabled()))
        drag().data = std::make_unique<UIMimeData>(UIMimeData::fromDragData(data));
    return platform::DropEffectNone;
}

uint32_t UIDropTarget::dragOver(const platform::DragInput& input)
{
    DragState& state = drag();
    UIWidget* target = targetAt(input.position);
    UIWidget* previous = state.target.get();
    state.target = UIWidgetGuard(target);
    const UIWidgetGuard guard(target);
    // The leave still carries the previous widget's key state and position.
    if (previous && previous != target)
        sendDragEvent(previous, UIEventType::DragLeave, state.data.get(), platform::DropEffectNone);
    state.keyState = input.keyState;
    if (!guard.get()) {
        state.target = UIWidgetGuard();
        state.effect = platform::DropEffectNone;
        return state.effect;
    }
    state.position = target->mapFromWindow(input.position);
    const uint32_t proposed = chooseEffect(input.allowedEffects);
    const bool accepted = sendDragEvent(target, previous == target ? UIEventType::DragMove : UIEventType::DragEnter,
                                        state.data.get(), proposed);
    state.effect = accepted ? proposed : platform::DropEffectNone;
    return state.effect;
}

void UIDropTarget::dragLeave()
{
    if (UIWidget* target = drag().target.get())
        sendDragEvent(target, UIEventType::DragLeave, drag().data.get(), platform::DropEffectNone);
    forgetDrag();
}

uint32_t UIDropTarget::drop(const platform::DragInput& input)
{
    DragState& state = drag();
    const uint32_t effect = state.effect;
    if (UIWidget* target = targetAt(input.position)) {
        state.keyState = input.keyState;
        state.position = target->mapFromWindow(input.position);
        if (state.pending.timer)
            platform::stopSystemTimer(state.pending.timer);
        state.pending =
            PendingDrop{std::move(state.data), UIWidgetGuard(target), effect, state.keyState, state.position, 0};
        state.pending.timer = platform::startSystemTimer(kDropDelayMs, deliverPendingDrop);
    }
    forgetDrag();
    return effect == platform::DropEffectMove ? platform::DropEffectNone : effect;
}
