// Process-wide live counts of native graphics handles, one per kind. The
// program is single-threaded; plain counters suffice.
#include "platform/HandleCounts.h"

#include <array>
#include <cstddef>
#include <cstddef>

namespace platform {

namespace {

std::array<int64_t, kHandleKindCount>& counts()
{
    static std::array<int64_t, kHandleKindCount> table{};
    return table;
}

} // namespace

int64_t liveHandleCount(HandleKind kind) { return counts()[static_cast<std::size_t>(kind)]; }

void countHandleCreated(HandleKind kind) { ++counts()[static_cast<std::size_t>(kind)]; }

void countHandleDestroyed(HandleKind kind) { --counts()[static_cast<std::size_t>(kind)]; }

} // namespace platform
