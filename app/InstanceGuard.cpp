#include "app/InstanceGuard.h"

void InstanceGuard::open(StringView name)
{
    m_name = String(name);
    m_state = State::Undetermined;
    if ((m_mutex = platform::NamedMutex::open(name))) {
        m_state = State::AnotherRunning;
        return;
    }
    if ((m_mutex = platform::NamedMutex::create(name)))
        m_state = State::FirstCopy;
}
