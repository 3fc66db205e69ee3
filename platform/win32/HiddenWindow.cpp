#include "platform/HiddenWindow.h"
#include "platform/win32/Wide.h"

#include <windows.h>

namespace platform {

using win32::wide;

namespace {

constexpr wchar_t kOwnerProperty[] = L"[PROPERTY_OWNER]";

LRESULT CALLBACK hiddenWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto* owner = HiddenWindow::owner(window)) {
        MessageRecord record{window, message, wParam, lParam, 0};
        if (owner->handleMessage(record))
            return record.result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HiddenWindow::HiddenWindow(String className, Reach reach) : m_className(std::move(className))
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = hiddenWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = HBRUSH(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = wide(m_className);
    RegisterClassExW(&windowClass);

    const HWND parent = reach == Reach::MessageOnly ? HWND_MESSAGE : nullptr;
    const HWND window = CreateWindowExW(0, wide(m_className), L"", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, -10000,
                                        -10000, 0, 0, parent, nullptr, instance, nullptr);
    if (window)
        SetPropW(window, kOwnerProperty, HANDLE(this));
    m_handle = window;
}

HiddenWindow::~HiddenWindow()
{
    if (m_handle) {
        RemovePropW(HWND(m_handle), kOwnerProperty);
        DestroyWindow(HWND(m_handle));
    }
    UnregisterClassW(wide(m_className), GetModuleHandleW(nullptr));
}

HiddenWindow* HiddenWindow::owner(NativeHandle window)
{
    return static_cast<HiddenWindow*>(GetPropW(HWND(window), kOwnerProperty));
}

} // namespace platform
