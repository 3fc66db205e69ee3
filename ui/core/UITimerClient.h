#pragma once
// Anything that runs toolkit timers (every widget is one). A client that is
// destroyed stops all of its timers, so a tick never reaches a dead client.

#include <cstdint>

class UITimerClient {
public:
    UITimerClient() = default;
    virtual ~UITimerClient();
    UITimerClient(const UITimerClient&) = delete;
    UITimerClient& operator=(const UITimerClient&) = delete;

    // Called on the UI thread at every tick of a timer this client started.
    virtual void timerFired(uint32_t id) = 0;
};
