#pragma once
// UIDropTarget: the toolkit's side of a top-level window's drop target.
//
// It turns the system's drag calls into the drag events of the widget
// under the pointer: only a widget with the accepts-drops bit of its
// dropFlags that is enabled can be the target, and only while the drag
// carries data (it is read when the drag enters an enabled window). The
// proposed effect is copy if allowed, else move, else link; it becomes none
// when the target does not accept the DragEnter or DragMove event. A drop
// is delivered kDropDelayMs after the system's drop call has returned,
// and not at all when its target widget is gone by then.
//
// The drag state (data, target, effect, key state, position, the pending
// drop) is one per process: a drag passes from window to window.
//
// Ownership: the window host owns its drop target; the target refers to
// widgets only through guards and owns the data of the drag and of the
// pending drop.

#include "platform/DragDrop.h"

#include <cstdint>
#include <functional>

class UIWidget;

class UIDropTarget : public platform::DropTargetClient {
public:
    static constexpr uint32_t kDropDelayMs = 10;

    // `windowEnabled` tells whether the native window takes input now (a
    // modal window disables the others natively).
    UIDropTarget(UIWidget& window, std::function<bool()> windowEnabled);

    // Copy if allowed, else move, else link, else none.
    static uint32_t chooseEffect(uint32_t allowedEffects);
    // Whether a drop waits for its delivery.
    static bool isDropPending();

    uint32_t dragEnter(const platform::DragData& data, const platform::DragInput& input) override;
    uint32_t dragOver(const platform::DragInput& input) override;
    void dragLeave() override;
    // Answers the effect proposed last, except that a move is answered as
    // none: the source then keeps its data, which matters because the drop
    // is only delivered later and may never be.
    uint32_t drop(const platform::DragInput& input) override;

private:
    // The widget that may take the drag at a point of the window, or null.
    UIWidget* targetAt(Point position) const;

    UIWidget& m_window;
    std::function<bool()> m_windowEnabled;
};
