#include "platform/MessageLoop.h"

#include <windows.h>

namespace platform {

WaitResult waitMessage(Message& message)
{
    MSG msg{};
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1)
        return WaitResult::Error;
    message = {msg.hwnd, msg.message, msg.wParam, msg.lParam};
    return got == 0 ? WaitResult::Quit : WaitResult::Message;
}

void dispatchMessage(const Message& message)
{
    MSG msg{};
    msg.hwnd = HWND(message.window);
    msg.message = message.message;
    msg.wParam = message.wParam;
    msg.lParam = message.lParam;
    msg.time = GetMessageTime();
    const DWORD position = GetMessagePos();
    msg.pt = POINT{short(LOWORD(position)), short(HIWORD(position))};
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool postMessage(NativeHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    return PostMessageW(HWND(window), message, wParam, lParam) != 0;
}

intptr_t sendMessage(NativeHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    return SendMessageW(HWND(window), message, wParam, lParam);
}

void postQuitMessage(int exitCode) { PostQuitMessage(exitCode); }

uint32_t currentThreadId() { return GetCurrentThreadId(); }

} // namespace platform

namespace platform {
void discardPendingQuit()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
}
} // namespace platform
