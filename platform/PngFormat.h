#pragma once
// What the PNG reader and writer share: the file signature and the colour
// types of the image header.

#include <array>
#include <cstdint>

namespace platform::png {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

enum ColorType : uint8_t { Gray = 0, Rgb = 2, Palette = 3, GrayAlpha = 4, Rgba = 6 };

} // namespace platform::png
