#include "platform/TopLevelWindows.h"
#include "platform/win32/Wide.h"

#include <windows.h>

namespace platform {

namespace {

BOOL CALLBACK visitWindow(HWND window, LPARAM visitor)
{
    return (*reinterpret_cast<const std::function<bool(NativeHandle)>*>(visitor))(window) ? TRUE : FALSE;
}

} // namespace

void enumerateTopLevelWindows(const std::function<bool(NativeHandle)>& visit)
{
    EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&visit));
}

bool isWindowVisible(NativeHandle window) { return IsWindowVisible(HWND(window)) != 0; }

String windowClassName(NativeHandle window)
{
    wchar_t name[2048] = {};
    const int length = GetClassNameW(HWND(window), name, 2047);
    return win32::fromWide(name, size_t(length > 0 ? length : 0));
}

} // namespace platform
