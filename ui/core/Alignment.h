#pragma once
// Alignment flags shared by the canvas and every widget. The numbers are
// stored in style data and layouts, so they are fixed.

#include <cstdint>

namespace Alignment {
enum : uint32_t {
    Left = 0x1,
    Right = 0x2,
    Top = 0x4,
    Bottom = 0x8,
    VCenter = 0x10,
    HCenter = 0x20,
    Center = VCenter | HCenter,
    Horizontal = Left | Right | HCenter,
    Vertical = Top | Bottom | VCenter,
};
}
