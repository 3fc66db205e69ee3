#pragma once
// Tells whether another copy of the program runs, by a named mutex that the
// first copy keeps open for its whole life.

#include "platform/NamedMutex.h"

#include <memory>

class InstanceGuard {
public:
    enum class State { FirstCopy = 0, AnotherRunning = 1, Undetermined = 2 };

    // Opens an existing mutex of that name, else creates one. A mutex that
    // can neither be opened nor created leaves the state Undetermined,
    // which the program treats like the first copy.
    void open(StringView name);

    State state() const { return m_state; }
    const String& name() const { return m_name; }

private:
    String m_name;
    std::unique_ptr<platform::NamedMutex> m_mutex;
    State m_state = State::Undetermined;
};
