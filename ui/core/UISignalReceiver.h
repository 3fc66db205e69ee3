#pragma once
// Base of every object that connects handlers to channels (every widget is
// one). It remembers the channels it is connected to and disconnects from
// all of them when it is destroyed, so no channel calls a dead receiver.

#include <vector>

class UISignal;

class UISignalReceiver {
public:
    UISignalReceiver() = default;
    virtual ~UISignalReceiver();
    UISignalReceiver(const UISignalReceiver&) = delete;
    UISignalReceiver& operator=(const UISignalReceiver&) = delete;

private:
    friend class UISignal;

    // One entry per connection, so a channel appears as often as the
    // receiver is connected to it.
    std::vector<UISignal*> m_signals;
};
