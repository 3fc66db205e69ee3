#pragma once
// An object with its own lock. Widgets and channels are lockable so that
// another thread may change connections; everything else runs on the UI
// thread, where the lock never contends.

#include "platform/RecursiveLock.h"

class UILockable {
public:
    UILockable() = default;
    virtual ~UILockable() = default;
    UILockable(const UILockable&) = delete;
    UILockable& operator=(const UILockable&) = delete;

    virtual void lock() { m_lock.lock(); }
    virtual void unlock() { m_lock.unlock(); }

private:
    platform::RecursiveLock m_lock;
};
