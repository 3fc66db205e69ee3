#pragma once
// Global memory blocks, the currency of the clipboard and OLE data
// transfer. Included only by platform/win32 sources, after <windows.h>.

#include "platform/FileSystem.h"

#include <cstring>
#include <memory>
#include <optional>
#include <type_traits>

namespace platform::win32 {

struct GlobalMemoryDeleter {
    void operator()(HGLOBAL block) const { GlobalFree(block); }
};
// A block this program still owns; `release` it once the system took it.
using GlobalMemory = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalMemoryDeleter>;

// A movable, zero-initialised block holding a copy of the bytes.
inline GlobalMemory globalBlock(const Bytes& bytes)
{
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.empty() ? 1 : bytes.size()));
    if (!block)
        return nullptr;
    void* data = GlobalLock(block.get());
    if (!data)
        return nullptr;
    if (!bytes.empty())
        std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(block.get());
    return block;
}

// A copy of a block the system owns, as large as the system says it is;
// nothing when that is more than `maxBytes`, which is then never copied.
inline std::optional<Bytes> globalBytes(HGLOBAL block, size_t maxBytes)
{
    const SIZE_T size = GlobalSize(block);
    const void* data = size && size <= maxBytes ? GlobalLock(block) : nullptr;
    if (!data)
        return std::nullopt;
    Bytes bytes(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
    GlobalUnlock(block);
    return bytes;
}

} // namespace platform::win32
