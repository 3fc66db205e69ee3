#include "platform/RecursiveLock.h"

#include <mutex>
#include <new>

namespace platform {

namespace {

std::recursive_mutex* mutex(unsigned char* storage)
{
    return std::launder(reinterpret_cast<std::recursive_mutex*>(storage));
}

} // namespace

RecursiveLock::RecursiveLock()
{
    static_assert(sizeof(std::recursive_mutex) <= kStorageBytes && alignof(std::recursive_mutex) <= alignof(void*));
    new (m_storage) std::recursive_mutex;
}

RecursiveLock::~RecursiveLock() { mutex(m_storage)->~recursive_mutex(); }

void RecursiveLock::lock() { mutex(m_storage)->lock(); }

void RecursiveLock::unlock() { mutex(m_storage)->unlock(); }

} // namespace platform
