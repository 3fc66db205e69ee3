#pragma once
// Windows as targets of drags from other programs (OLE drag and drop).
//
// A DragDrop object registers one window as a drop target for as long as
// it lives and revokes it when it goes; the window must outlive it. The
// system's calls reach the DropTargetClient on the UI thread, during the
// system's drag loop, with positions already in the window's client
// coordinates and the system's key-state and effect values unchanged.
//
// Ownership: the client is not owned. The DragData handed to the client
// is valid only during the call that hands it over.

#include "platform/FileSystem.h"
#include "platform/Geometry.h"
#include "platform/NativeHandle.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace platform {

// The system's drop-effect values.
enum DropEffect : uint32_t {
    DropEffectNone = 0,
    DropEffectCopy = 1,
    DropEffectMove = 2,
    DropEffectLink = 4,
};

// The formats the toolkit reads from dragged data.
enum class DragFormat { UnicodeText, FileDrop, Dib, Private };

// The dragged data, read one format at a time as its raw block
// (platform/ClipboardBlocks.h reads them).
class DragData {
public:
    virtual ~DragData() = default;
    // The block of the format, when the data offers it.
    virtual std::optional<Bytes> block(DragFormat format) const = 0;
};

struct DragInput {
    Point position; // client coordinates
    uint32_t keyState = 0;
    uint32_t allowedEffects = 0;
};

// The toolkit's side of a drop target. Each operation answers the effect
// the system shows (and, for `drop`, reports to the drag's source).
class DropTargetClient {
public:
    virtual ~DropTargetClient() = default;
    virtual uint32_t dragEnter(const DragData& data, const DragInput& input) = 0;
    virtual uint32_t dragOver(const DragInput& input) = 0;
    virtual void dragLeave() = 0;
    virtual uint32_t drop(const DragInput& input) = 0;
};

class DragDrop {
public:
    // Registers the window; `isRegistered` tells whether the system agreed.
    DragDrop(NativeHandle window, DropTargetClient& client);
    ~DragDrop();
    DragDrop(const DragDrop&) = delete;
    DragDrop& operator=(const DragDrop&) = delete;

    bool isRegistered() const;

    // The system's drop-target object of a window registered by this
    // process (an IDropTarget on Windows), for tests that play the
    // system's part; null for other windows.
    static void* nativeDropTarget(NativeHandle window);

    struct State;

private:
    std::unique_ptr<State> m_state;
};

} // namespace platform
