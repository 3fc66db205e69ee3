#pragma once
// The headless drag simulator, for tests: it plays the system's part of a
// drag from another program over a registered window. Only the headless
// build has this header's functions.

#include "platform/DragDrop.h"
#include "platform/Geometry.h"

#include <map>
#include <vector>

namespace platform::headless {

// Dragged data: raw blocks by format.
class SimulatedDragData : public DragData {
public:
    std::map<DragFormat, Bytes> blocks;
    std::optional<Bytes> block(DragFormat format) const override;
};

enum class DragEnd { Drop, Leave };

struct DragResult {
    // What the target answered to the enter and to each move, in order.
    std::vector<uint32_t> effects;
    // Whether the drop call was made and what it answered. As the system
    // does, a drag whose last answer was "none" ends with a leave instead.
    bool dropped = false;
    uint32_t dropEffect = DropEffectNone;
};

// Enter at the first point, a move to every point, then the end. Nothing
// happens (and nothing is dropped) when the window is no drop target or
// the path is empty.
DragResult simulateDrag(NativeHandle window, const DragData& data, const std::vector<Point>& path,
                        uint32_t allowedEffects, DragEnd end, uint32_t keyState = 0);
bool isDropTarget(NativeHandle window);

} // namespace platform::headless
