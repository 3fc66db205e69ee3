#pragma once
// A PNG reader over zlib. It covers what the program's own artwork and the
// tests use: every colour type at bit depths 1 to 16, without interlacing
// (other images decode as failures). The headless build reads every image
// with it; the Windows build tries it first, since it is far quicker than
// the imaging library and keeps that library's codecs from loading at
// start-up.

#include "platform/FileSystem.h"
#include "platform/ImageCodec.h"

#include <optional>

namespace platform {

struct PngImage {
    int32_t width = 0;
    int32_t height = 0;
    Bytes pixels; // rows of B, G, R, A with straight alpha, no padding
};

// Nothing for bytes that are not a supported, intact PNG, or whose image
// would exceed `maxPixels`.
std::optional<PngImage> decodePng(const uint8_t* data, size_t size, uint64_t maxPixels = uint64_t(1) << 26);

// Decodes into the allocator's rows (see decodeImage); false, without
// calling the allocator, for bytes decodePng refuses.
bool decodePngInto(const uint8_t* data, size_t size, const PixelAllocator& allocate);

} // namespace platform
