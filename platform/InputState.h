#pragma once
// What the keyboard and the pointer are doing right now, the system's
// double-click settings, and the pointer's shape.

#include "platform/Geometry.h"
#include "platform/NativeHandle.h"

#include <cstdint>

namespace platform {

// Virtual-key codes the toolkit asks about; the values are Windows' own,
// since key events carry them unchanged.
enum class VirtualKey : uint32_t {
    LeftButton = 0x01,
    RightButton = 0x02,
    MiddleButton = 0x04,
    ExtraButton1 = 0x05,
    ExtraButton2 = 0x06,
    Tab = 0x09,
    Shift = 0x10,
    Control = 0x11,
    Alt = 0x12,
    LeftShift = 0xA0,
    RightShift = 0xA1,
    LeftControl = 0xA2,
    RightControl = 0xA3,
    LeftAlt = 0xA4,
    RightAlt = 0xA5,
};

// Modifier bits as events carry them.
enum KeyModifier : uint32_t { ShiftModifier = 1, ControlModifier = 2, AltModifier = 4 };
// Mouse button bits as events carry them.
enum MouseButton : uint32_t {
    LeftButton = 1,
    RightButton = 2,
    MiddleButton = 4,
    ExtraButton1 = 8,
    ExtraButton2 = 0x10,
};

// Pointer position in screen coordinates.
Point cursorPosition();
// Moves the pointer (screen coordinates); false when the system refuses.
bool moveCursorTo(Point screenPosition);
// Whether the key (or mouse button) is held now; any virtual-key code works,
// the enum names those the toolkit uses.
bool isKeyDown(uint32_t virtualKey);
inline bool isKeyDown(VirtualKey key) { return isKeyDown(static_cast<uint32_t>(key)); }
// The OR of the KeyModifier bits held now.
uint32_t keyboardModifiers();
// The OR of the MouseButton bits held now (logical buttons: a swapped mouse
// reports its primary button as LeftButton).
uint32_t mouseButtonsHeld();

// Two presses count as a double click within this many milliseconds...
uint32_t doubleClickTime();
// ...and when the pointer moved less than this (width horizontally, height
// vertically).
Size doubleClickSize();

// The shapes the system draws itself.
enum class SystemCursor {
    Arrow,
    Cross,
    Wait,
    TextBeam,
    Hand,
    SizeAll,
    SizeHorizontal,
    SizeVertical,
    SizeDiagonalDown, // top-left to bottom-right
    SizeDiagonalUp,   // bottom-left to top-right
    No,
};

// A shared system cursor: not owned, never destroyed.
NativeHandle systemCursor(SystemCursor shape);
// Makes the cursor the pointer's shape (null hides the pointer).
void setCursor(NativeHandle cursor);

} // namespace platform
