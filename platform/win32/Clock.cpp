#include "platform/Clock.h"

#include <windows.h>

namespace platform {

uint64_t monotonicMilliseconds()
{
    static const uint64_t frequency = [] {
        LARGE_INTEGER value{};
        QueryPerformanceFrequency(&value);
        return value.QuadPart > 0 ? uint64_t(value.QuadPart) : uint64_t(1);
    }();
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    const uint64_t ticks = uint64_t(counter.QuadPart);
    // ticks * 1000 / frequency, split so the product cannot overflow after a
    // long uptime: the remainder is below the frequency.
    return ticks / frequency * 1000 + ticks % frequency * 1000 / frequency;
}

void sleepMilliseconds(uint32_t ms) { Sleep(ms); }

} // namespace platform
