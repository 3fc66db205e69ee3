#pragma once
// A PNG reader and writer for the headless build, over zlib. It covers what
// the program's own artwork and the tests use: every colour type at bit
// depths 1 to 16, without interlacing. Other images decode as failures.

#include "platform/FileSystem.h"
#include "platform/NativeBitmap.h"

#include <optional>

namespace platform::headless {

struct PngImage {
    int32_t width = 0;
    int32_t height = 0;
    Bytes pixels; // rows of B, G, R, A with straight alpha, no padding
};

// Nothing for bytes that are not a supported, intact PNG, or whose image
// would exceed `maxPixels`.
std::optional<PngImage> decodePng(const uint8_t* data, size_t size, uint64_t maxPixels = uint64_t(1) << 26);

// An 8-bit RGBA PNG of the rows (24-bit rows are written opaque; the
// premultiplied flag undoes premultiplication). Nothing when the rows are
// unusable.
std::optional<Bytes> encodePng(const PixelRows& rows, bool premultiplied);

} // namespace platform::headless
