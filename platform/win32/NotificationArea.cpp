#include "platform/NotificationArea.h"
#include "platform/win32/Wide.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>

namespace platform {

using win32::wide;

bool sendNotificationIconRequest(NotificationIconRequest request, const NotificationIconRecord& record)
{
    // The record version these headers define: it has the callback, icon,
    // tooltip and state fields on every system the program supports.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = HWND(record.window);
    data.uID = record.id;
    data.uFlags = record.fields;
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = HICON(record.icon);
    static_assert(sizeof data.szTip / sizeof data.szTip[0] == kNotificationToolTipCapacity);
    const size_t length = std::min(record.toolTip.size(), kNotificationToolTipCapacity - 1);
    std::copy_n(reinterpret_cast<const wchar_t*>(record.toolTip.data()), length, data.szTip);
    data.dwState = record.hidden ? NIS_HIDDEN : 0;
    data.dwStateMask = (record.fields & NotificationIconState) ? NIS_HIDDEN : 0;
    return Shell_NotifyIconW(static_cast<DWORD>(request), &data) != FALSE;
}

uint32_t registerWindowMessage(StringView name) { return RegisterWindowMessageW(wide(String(name))); }

void allowWindowMessage(NativeHandle window, uint32_t message)
{
    // Present from Windows 7 on; older systems do not filter.
    using AllowFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    const HMODULE user = GetModuleHandleW(L"user32.dll");
    const auto allow = user
        ? reinterpret_cast<AllowFunction>(reinterpret_cast<void*>(GetProcAddress(user, "ChangeWindowMessageFilterEx")))
        : nullptr;
    constexpr DWORD kAllow = 1;
    if (allow)
        allow(HWND(window), message, kAllow, nullptr);
}

void raiseTopMost(NativeHandle window)
{
    if (window)
        SetWindowPos(HWND(window), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

NativeHandle activeWindow() { return GetActiveWindow(); }

} // namespace platform
