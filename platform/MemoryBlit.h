#pragma once
// A bare block copy between two in-memory bitmaps of the same size: the
// baseline the window flush is measured against (a BitBlt between memory
// device contexts on Windows, a row copy on the headless build).

#include "platform/Geometry.h"

#include <memory>

namespace platform {

class MemoryBlit {
public:
    explicit MemoryBlit(Size size);
    ~MemoryBlit();
    MemoryBlit(const MemoryBlit&) = delete;
    MemoryBlit& operator=(const MemoryBlit&) = delete;

    // Copies the whole source bitmap to the target; false when the bitmaps
    // could not be had.
    bool copy();

    struct State;

private:
    std::unique_ptr<State> m_state;
};

} // namespace platform
