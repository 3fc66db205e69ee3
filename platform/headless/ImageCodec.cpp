// The headless build has no imaging library: sessions never start. PNG, the
// one format the program's own data uses, is read and written by the small
// zlib-based codec so that style sets and packages load in native tests;
// every other format fails, leaving images empty.
#include "platform/ImageCodec.h"
#include "platform/FileSystem.h"
#include "platform/PngDecoder.h"
#include "platform/headless/PngEncoder.h"

namespace platform {

ImagingSession::ImagingSession() = default;
ImagingSession::~ImagingSession() = default;

bool decodeImage(const uint8_t* data, size_t size, const PixelAllocator& allocate)
{
    return decodePngInto(data, size, allocate);
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
