#include "platform/RecursiveLock.h"

#include <windows.h>

#include <new>

namespace platform {

namespace {

CRITICAL_SECTION* section(unsigned char* storage) { return std::launder(reinterpret_cast<CRITICAL_SECTION*>(storage)); }

} // namespace

RecursiveLock::RecursiveLock()
{
    static_assert(sizeof(CRITICAL_SECTION) <= kStorageBytes && alignof(CRITICAL_SECTION) <= alignof(void*));
    InitializeCriticalSection(new (m_storage) CRITICAL_SECTION);
}

RecursiveLock::~RecursiveLock() { DeleteCriticalSection(section(m_storage)); }

void RecursiveLock::lock() { EnterCriticalSection(section(m_storage)); }

void RecursiveLock::unlock() { LeaveCriticalSection(section(m_storage)); }

} // namespace platform
