#pragma once
// Anything that can receive events (every widget is one). A receiver is
// known to the event service from construction to destruction, so events
// posted to a receiver that has gone are dropped instead of delivered.

#include "app/Event.h"

class EventReceiver {
public:
    EventReceiver();
    virtual ~EventReceiver();

    EventReceiver(const EventReceiver&) = delete;
    EventReceiver& operator=(const EventReceiver&) = delete;

    // Returns whether the event was handled.
    virtual bool handleEvent(Event& event) = 0;

    // A blocked receiver gets neither posted nor sent events.
    bool isBlocked() const { return m_blocked; }
    void setBlocked(bool blocked) { m_blocked = blocked; }

private:
    bool m_blocked = false;
};
