#include "platform/InputState.h"

#include <windows.h>

#include <array>
#include <utility>

namespace platform {

namespace {

// The state as of the message being handled, which is what events describe.
bool held(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

} // namespace

Point cursorPosition()
{
    POINT position{};
    if (!GetCursorPos(&position))
        return {};
    return {int32_t(position.x), int32_t(position.y)};
}

bool moveCursorTo(Point screenPosition) { return SetCursorPos(screenPosition.x, screenPosition.y) != FALSE; }

bool isKeyDown(uint32_t virtualKey) { return virtualKey <= 0xFF && held(int(virtualKey)); }

uint32_t keyboardModifiers()
{
    uint32_t modifiers = 0;
    if (held(VK_SHIFT))
        modifiers |= ShiftModifier;
    if (held(VK_CONTROL))
        modifiers |= ControlModifier;
    if (held(VK_MENU))
        modifiers |= AltModifier;
    return modifiers;
}

uint32_t mouseButtonsHeld()
{
    static constexpr std::array<std::pair<int, MouseButton>, 5> kButtons{{
        {VK_LBUTTON, LeftButton},
        {VK_RBUTTON, RightButton},
        {VK_MBUTTON, MiddleButton},
        {VK_XBUTTON1, ExtraButton1},
        {VK_XBUTTON2, ExtraButton2},
    }};
    uint32_t buttons = 0;
    for (const auto& [virtualKey, button] : kButtons) {
        if (held(virtualKey))
            buttons |= button;
    }
    return buttons;
}

uint32_t doubleClickTime() { return GetDoubleClickTime(); }

Size doubleClickSize() { return {GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)}; }

NativeHandle systemCursor(SystemCursor shape)
{
    const wchar_t* name = IDC_ARROW;
    switch (shape) {
    case SystemCursor::Arrow:
        name = IDC_ARROW;
        break;
    case SystemCursor::Cross:
        name = IDC_CROSS;
        break;
    case SystemCursor::Wait:
        name = IDC_WAIT;
        break;
    case SystemCursor::TextBeam:
        name = IDC_IBEAM;
        break;
    case SystemCursor::Hand:
        name = IDC_HAND;
        break;
    case SystemCursor::SizeAll:
        name = IDC_SIZEALL;
        break;
    case SystemCursor::SizeHorizontal:
        name = IDC_SIZEWE;
        break;
    case SystemCursor::SizeVertical:
        name = IDC_SIZENS;
        break;
    case SystemCursor::SizeDiagonalDown:
        name = IDC_SIZENWSE;
        break;
    case SystemCursor::SizeDiagonalUp:
        name = IDC_SIZENESW;
        break;
    case SystemCursor::No:
        name = IDC_NO;
        break;
    }
    // Shared cursors from the system: LoadCursor hands out the same handle
    // every time and it must not be destroyed.
    return LoadCursorW(nullptr, name);
}

void setCursor(NativeHandle cursor) { SetCursor(HCURSOR(cursor)); }

} // namespace platform
