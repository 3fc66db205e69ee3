#pragma once
// The process-wide list of toolkit timers, keyed by (client, id), each run
// by a system timer without a window (platform/SystemTimers.h). Used on the
// UI thread only.

#include <cstdint>
#include <cstddef>

class UITimerClient;

class UITimers {
public:
    // The toolkit's ids start here: the hover check of the widget base, then
    // the widget classes' own from kFirstWidgetTimer on.
    static constexpr uint32_t kHoverTimer = 100000;
    static constexpr uint32_t kFirstWidgetTimer = 100002;

    // Starting a timer that is already running does nothing. Returns false
    // when the system refuses a new timer.
    static bool start(uint32_t id, UITimerClient* client, uint32_t intervalMs);
    static void stop(uint32_t id, UITimerClient* client);
    static void stopAll(UITimerClient* client);
    static bool isRunning(uint32_t id, const UITimerClient* client);
    static size_t count();
};
