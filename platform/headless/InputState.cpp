#include "platform/InputState.h"
#include "platform/headless/HeadlessInput.h"

#include <bitset>

namespace platform {

namespace {

constexpr uint32_t kDefaultDoubleClickTime = 500;
constexpr Size kDefaultDoubleClickSize{4, 4};
constexpr size_t kKeyCount = 256;
constexpr size_t kCursorCount = static_cast<size_t>(SystemCursor::No) + 1;

// Distinct addresses stand in for the system's cursor handles; nothing ever
// reads through them.
NativeHandle cursorHandle(size_t index)
{
    static char handles[kCursorCount];
    return index < kCursorCount ? &handles[index] : nullptr;
}

struct FakeInput {
    Point cursorPosition;
    std::bitset<kKeyCount> keys;
    uint32_t doubleClickTime = kDefaultDoubleClickTime;
    Size doubleClickSize = kDefaultDoubleClickSize;
    NativeHandle cursor = cursorHandle(static_cast<size_t>(SystemCursor::Arrow));
};

FakeInput& state()
{
    static FakeInput input;
    return input;
}

bool held(VirtualKey key) { return state().keys.test(static_cast<size_t>(key)); }

// The generic code of a modifier reads as held while either side is.
bool sided(VirtualKey generic, VirtualKey left, VirtualKey right) { return held(generic) || held(left) || held(right); }

} // namespace

Point cursorPosition() { return state().cursorPosition; }

bool moveCursorTo(Point screenPosition)
{
    state().cursorPosition = screenPosition;
    return true;
}

bool isKeyDown(uint32_t virtualKey)
{
    switch (static_cast<VirtualKey>(virtualKey)) {
    case VirtualKey::Shift:
        return sided(VirtualKey::Shift, VirtualKey::LeftShift, VirtualKey::RightShift);
    case VirtualKey::Control:
        return sided(VirtualKey::Control, VirtualKey::LeftControl, VirtualKey::RightControl);
    case VirtualKey::Alt:
        return sided(VirtualKey::Alt, VirtualKey::LeftAlt, VirtualKey::RightAlt);
    default:
        return virtualKey < kKeyCount && state().keys.test(virtualKey);
    }
}

uint32_t keyboardModifiers()
{
    uint32_t modifiers = 0;
    if (isKeyDown(VirtualKey::Shift))
        modifiers |= ShiftModifier;
    if (isKeyDown(VirtualKey::Control))
        modifiers |= ControlModifier;
    if (isKeyDown(VirtualKey::Alt))
        modifiers |= AltModifier;
    return modifiers;
}

uint32_t mouseButtonsHeld()
{
    uint32_t buttons = 0;
    if (held(VirtualKey::LeftButton))
        buttons |= LeftButton;
    if (held(VirtualKey::RightButton))
        buttons |= RightButton;
    if (held(VirtualKey::MiddleButton))
        buttons |= MiddleButton;
    if (held(VirtualKey::ExtraButton1))
        buttons |= ExtraButton1;
    if (held(VirtualKey::ExtraButton2))
        buttons |= ExtraButton2;
    return buttons;
}

uint32_t doubleClickTime() { return state().doubleClickTime; }

Size doubleClickSize() { return state().doubleClickSize; }

NativeHandle systemCursor(SystemCursor shape) { return cursorHandle(static_cast<size_t>(shape)); }

void setCursor(NativeHandle cursor) { state().cursor = cursor; }

namespace headless {

void setCursorPosition(Point screenPosition) { state().cursorPosition = screenPosition; }

void setKeyDown(uint32_t virtualKey, bool down)
{
    if (virtualKey < kKeyCount)
        state().keys.set(virtualKey, down);
}

void setDoubleClickSettings(uint32_t timeMs, Size size)
{
    state().doubleClickTime = timeMs;
    state().doubleClickSize = size;
}

NativeHandle currentCursor() { return state().cursor; }

void resetInput() { state() = FakeInput(); }

} // namespace headless

} // namespace platform
