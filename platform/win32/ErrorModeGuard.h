#pragma once
// Suppresses the system's critical-error dialogs (no disk in drive...) for
// the guard's lifetime, restoring the previous mode afterwards.

#include <windows.h>

namespace platform::win32 {

class ErrorModeGuard {
public:
    ErrorModeGuard() : m_previous(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~ErrorModeGuard() { SetErrorMode(m_previous); }
    ErrorModeGuard(const ErrorModeGuard&) = delete;
    ErrorModeGuard& operator=(const ErrorModeGuard&) = delete;

private:
    UINT m_previous;
};

} // namespace platform::win32
