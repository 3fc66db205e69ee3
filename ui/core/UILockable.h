#pragma once
// An object with its own lock. Widgets and channels are lockable so that
// another thread may change connections; everything else runs on the UI
// thread, where the lock never contends.

#include <mutex>

class UILockable {
public:
    UILockable() = default;
    virtual ~UILockable() = default;
    UILockable(const UILockable&) = delete;
    UILockable& operator=(const UILockable&) = delete;

    virtual void lock() { m_mutex.lock(); }
    virtual void unlock() { m_mutex.unlock(); }

private:
    std::recursive_mutex m_mutex;
};
