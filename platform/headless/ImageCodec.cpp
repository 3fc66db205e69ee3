// The headless build has no imaging library: sessions never start. PNG, the
// one format the program's own data uses, is read and written by the small
// zlib-based codec so that style sets and packages load in native tests;
// every other format fails, leaving images empty.
#include "platform/ImageCodec.h"
#include "platform/FileSystem.h"
#include "platform/headless/PngCodec.h"

#include <cstring>

namespace platform {

ImagingSession::ImagingSession() = default;
ImagingSession::~ImagingSession() = default;

bool decodeImage(const uint8_t* data, size_t size, const PixelAllocator& allocate)
{
    const std::optional<headless::PngImage> image = headless::decodePng(data, size);
    if (!image)
        return false;
    const PixelRows rows = allocate(image->width, image->height);
    if (!rows.bits || rows.bitsPerPixel != 32 || rows.width != image->width || rows.height != image->height)
        return false;
    const size_t rowBytes = size_t(image->width) * 4;
    for (int32_t y = 0; y < image->height; ++y)
        std::memcpy(rows.bits + static_cast<ptrdiff_t>(y) * rows.stride, image->pixels.data() + y * rowBytes, rowBytes);
    return true;
}

bool decodeImageFile(StringView path, const PixelAllocator& allocate)
{
    const std::optional<Bytes> bytes = readFile(path);
    return bytes && decodeImage(bytes->data(), bytes->size(), allocate);
}

bool encodeImageFile(StringView path, ImageFileType type, const PixelRows& rows, PixelLayout layout)
{
    if (type != ImageFileType::Png)
        return false;
    const std::optional<Bytes> png = headless::encodePng(rows, layout == PixelLayout::PremultipliedArgb32);
    return png && writeFile(path, *png);
}

} // namespace platform
