#include "platform/SystemTimers.h"

#include <windows.h>

#include <map>
#include <memory>

namespace platform {

namespace {

// Thread timers are dispatched by the thread's message loop, so the table is
// only touched on the thread that runs it. Callbacks are shared so that one
// stopping its own timer keeps running on a live function object.
std::map<UINT_PTR, std::shared_ptr<TimerCallback>>& timers()
{
    static std::map<UINT_PTR, std::shared_ptr<TimerCallback>> table;
    return table;
}

void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    // A WM_TIMER already queued when its timer was stopped finds no entry.
    const auto found = timers().find(id);
    if (found == timers().end())
        return;
    const std::shared_ptr<TimerCallback> callback = found->second;
    if (*callback)
        (*callback)();
}

} // namespace

uintptr_t startSystemTimer(uint32_t intervalMs, TimerCallback callback)
{
    const UINT_PTR id = SetTimer(nullptr, 0, intervalMs == 0 ? 1 : intervalMs, timerProc);
    if (id == 0)
        return 0;
    timers()[id] = std::make_shared<TimerCallback>(std::move(callback));
    return id;
}

void stopSystemTimer(uintptr_t id)
{
    const auto found = timers().find(id);
    if (found == timers().end())
        return;
    KillTimer(nullptr, id);
    timers().erase(found);
}

size_t runningSystemTimerCount() { return timers().size(); }

} // namespace platform
