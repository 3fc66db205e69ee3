#include "platform/NamedMutex.h"
#include "platform/win32/Wide.h"

#include <windows.h>

namespace platform {

using win32::wide;

NamedMutex::~NamedMutex() { CloseHandle(m_handle); }

std::unique_ptr<NamedMutex> NamedMutex::open(StringView name)
{
    const HANDLE handle = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, wide(String(name)));
    return handle ? std::unique_ptr<NamedMutex>(new NamedMutex(handle)) : nullptr;
}

std::unique_ptr<NamedMutex> NamedMutex::create(StringView name)
{
    const HANDLE handle = CreateMutexW(nullptr, FALSE, wide(String(name)));
    return handle ? std::unique_ptr<NamedMutex>(new NamedMutex(handle)) : nullptr;
}

} // namespace platform
