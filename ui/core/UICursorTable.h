#pragma once
// Turns the toolkit's cursor identifiers into pointer shapes. For now the
// system's own shapes stand in for the style set's cursor table.

#include "platform/NativeHandle.h"

#include <cstdint>

namespace UICursor {
enum : int32_t {
    Arrow = 1,
    Cross = 2,
    Wait = 3,
    TextBeam = 4,
    FirstHand = 5,
    LastHand = 8,
    SizeAll = 9,
    SizeHorizontal = 10,
    SizeVertical = 11,
    SizeDiagonalDown = 12,
    SizeDiagonalUp = 13,
};
}

class UICursorTable {
public:
    // The shape for an identifier; unknown identifiers give the arrow.
    static NativeHandle cursorFor(int32_t id);
    // Makes the identifier's shape the pointer's.
    static void apply(int32_t id);
};
