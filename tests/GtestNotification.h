#pragma once
// Forced into every compilation of the Windows test builds, ahead of
// GoogleTest: their runtime (win32 thread model) has no std::mutex or
// std::condition_variable, which GoogleTest's Notification is made of. Only
// GoogleTest's own thread tests use that class, so a flag the waiter polls
// stands in for it; GoogleTest's other locks are its own critical sections.

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { m_notified.store(true); }
    void WaitForNotification()
    {
        while (!m_notified.load()) {}
    }

private:
    std::atomic<bool> m_notified{false};
};

} // namespace testing::internal
