#include "platform/PngDecoder.h"
#include "platform/PngFormat.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace platform {

namespace {

using namespace png;

// PNG limits a dimension to 2^31 - 1; the reader refuses far less anyway.
constexpr uint32_t kMaxDimension = 1u << 20;

uint32_t readBig32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

int channelsOf(uint8_t colorType)
{
    switch (colorType) {
    case Gray:
    case Palette:
        return 1;
    case GrayAlpha:
        return 2;
    case Rgb:
        return 3;
    case Rgba:
        return 4;
    default:
        return 0;
    }
}

bool validDepth(uint8_t colorType, uint8_t depth)
{
    switch (colorType) {
    case Gray:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case Palette:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case Rgb:
    case GrayAlpha:
    case Rgba:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

uint8_t paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return static_cast<uint8_t>(a);
    return static_cast<uint8_t>(pb <= pc ? b : c);
}

// Undoes the per-row filters in place; `data` holds height rows of a filter
// byte followed by rowBytes bytes.
bool unfilter(uint8_t* data, size_t rowBytes, uint32_t height, size_t pixelBytes)
{
    const uint8_t* previous = nullptr;
    for (uint32_t y = 0; y < height; ++y) {
        uint8_t* row = data + y * (rowBytes + 1);
        const uint8_t filter = row[0];
        uint8_t* cur = row + 1;
        for (size_t i = 0; i < rowBytes; ++i) {
            const int a = i >= pixelBytes ? cur[i - pixelBytes] : 0;
            const int b = previous ? previous[i] : 0;
            const int c = previous && i >= pixelBytes ? previous[i - pixelBytes] : 0;
            switch (filter) {
            case 0:
                break;
            case 1:
                cur[i] = static_cast<uint8_t>(cur[i] + a);
                break;
            case 2:
                cur[i] = static_cast<uint8_t>(cur[i] + b);
                break;
            case 3:
                cur[i] = static_cast<uint8_t>(cur[i] + (a + b) / 2);
                break;
            case 4:
                cur[i] = static_cast<uint8_t>(cur[i] + paeth(a, b, c));
                break;
            default:
                return false;
            }
        }
        previous = cur;
    }
    return true;
}

// Sample `index` of a row at the bit depth, scaled to 0..255.
uint8_t sample(const uint8_t* row, size_t index, uint8_t depth, bool scale)
{
    if (depth == 8)
        return row[index];
    if (depth == 16)
        return row[index * 2];
    const size_t bit = index * depth;
    const uint8_t value = static_cast<uint8_t>((row[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1));
    return scale ? static_cast<uint8_t>(value * 255 / ((1u << depth) - 1)) : value;
}

} // namespace

std::optional<PngImage> decodePng(const uint8_t* data, size_t size, uint64_t maxPixels)
{
    if (!data || size < kSignature.size() || std::memcmp(data, kSignature.data(), kSignature.size()) != 0)
        return std::nullopt;
    uint32_t width = 0, height = 0;
    uint8_t depth = 0, colorType = 0;
    bool haveHeader = false, ended = false;
    std::array<uint32_t, 256> palette{};
    palette.fill(0xFF000000u);
    size_t paletteSize = 0;
    std::optional<std::array<uint16_t, 3>> transparentKey;
    Bytes compressed;

    size_t pos = kSignature.size();
    while (!ended) {
        if (size - pos < 12)
            return std::nullopt;
        const uint32_t length = readBig32(data + pos);
        const std::string_view type(reinterpret_cast<const char*>(data + pos + 4), 4);
        if (length > size - pos - 12)
            return std::nullopt;
        const uint8_t* body = data + pos + 8;
        pos += 12 + size_t(length);
        if (type == "IHDR") {
            if (length != 13 || haveHeader)
                return std::nullopt;
            width = readBig32(body);
            height = readBig32(body + 4);
            depth = body[8];
            colorType = body[9];
            // Compression and filter methods 0 only; no interlacing.
            if (width == 0 || height == 0 || width > kMaxDimension || height > kMaxDimension
                || uint64_t(width) * height > maxPixels || !validDepth(colorType, depth) || body[10] != 0
                || body[11] != 0 || body[12] != 0)
                return std::nullopt;
            haveHeader = true;
        } else if (!haveHeader) {
            return std::nullopt;
        } else if (type == "PLTE") {
            if (length % 3 != 0 || length / 3 > 256)
                return std::nullopt;
            paletteSize = length / 3;
            for (size_t i = 0; i < paletteSize; ++i)
                palette[i] =
                    0xFF000000u | uint32_t(body[i * 3]) << 16 | uint32_t(body[i * 3 + 1]) << 8 | body[i * 3 + 2];
        } else if (type == "tRNS") {
            if (colorType == Palette) {
                for (size_t i = 0; i < std::min<size_t>(length, 256); ++i)
                    palette[i] = (palette[i] & 0x00FFFFFFu) | uint32_t(body[i]) << 24;
            } else if (colorType == Gray && length >= 2) {
                transparentKey = std::array<uint16_t, 3>{uint16_t(body[0] << 8 | body[1]), 0, 0};
            } else if (colorType == Rgb && length >= 6) {
                transparentKey =
                    std::array<uint16_t, 3>{uint16_t(body[0] << 8 | body[1]), uint16_t(body[2] << 8 | body[3]),
                                            uint16_t(body[4] << 8 | body[5])};
            }
        } else if (type == "IDAT") {
            compressed.insert(compressed.end(), body, body + length);
        } else if (type == "IEND") {
            ended = true;
        }
    }
    if (!haveHeader || compressed.empty() || (colorType == Palette && paletteSize == 0))
        return std::nullopt;

    const size_t channels = size_t(channelsOf(colorType));
    const size_t rowBytes = (size_t(width) * channels * depth + 7) / 8;
    const size_t pixelBytes = std::max<size_t>(1, channels * depth / 8);
    Bytes raw((rowBytes + 1) * height);
    uLongf rawSize = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &rawSize, compressed.data(), static_cast<uLong>(compressed.size())) != Z_OK
        || rawSize != raw.size() || !unfilter(raw.data(), rowBytes, height, pixelBytes))
        return std::nullopt;

    PngImage image;
    image.width = static_cast<int32_t>(width);
    image.height = static_cast<int32_t>(height);
    image.pixels.resize(size_t(width) * height * 4);
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* row = raw.data() + y * (rowBytes + 1) + 1;
        uint8_t* out = image.pixels.data() + size_t(y) * width * 4;
        for (uint32_t x = 0; x < width; ++x, out += 4) {
            uint32_t argb = 0;
            switch (colorType) {
            case Palette:
                argb = palette[sample(row, x, depth, false)];
                break;
            case Gray:
            case GrayAlpha: {
                const uint8_t g = sample(row, x * channels, depth, true);
                const uint8_t a = colorType == GrayAlpha ? sample(row, x * channels + 1, depth, true) : 255;
                argb = uint32_t(a) << 24 | uint32_t(g) << 16 | uint32_t(g) << 8 | g;
                if (transparentKey) {
                    const uint16_t raw16 =
                        depth == 16 ? uint16_t(row[x * 2] << 8 | row[x * 2 + 1]) : sample(row, x, depth, false);
                    if (raw16 == (*transparentKey)[0])
                        argb &= 0x00FFFFFFu;
                }
                break;
            }
            default: {
                const uint8_t a = colorType == Rgba ? sample(row, x * channels + 3, depth, true) : 255;
                argb = uint32_t(a) << 24 | uint32_t(sample(row, x * channels, depth, true)) << 16
                    | uint32_t(sample(row, x * channels + 1, depth, true)) << 8
                    | sample(row, x * channels + 2, depth, true);
                if (transparentKey && colorType == Rgb) {
                    bool match = true;
                    for (size_t c = 0; c < 3; ++c) {
                        const size_t i = x * channels + c;
                        const uint16_t v = depth == 16 ? uint16_t(row[i * 2] << 8 | row[i * 2 + 1]) : row[i];
                        match = match && v == (*transparentKey)[c];
                    }
                    if (match)
                        argb &= 0x00FFFFFFu;
                }
                break;
            }
            }
            out[0] = static_cast<uint8_t>(argb);
            out[1] = static_cast<uint8_t>(argb >> 8);
            out[2] = static_cast<uint8_t>(argb >> 16);
            out[3] = static_cast<uint8_t>(argb >> 24);
        }
    }
    return image;
}

bool decodePngInto(const uint8_t* data, size_t size, const PixelAllocator& allocate)
{
    const std::optional<PngImage> image = decodePng(data, size, uint64_t(kMaxImageBytes / 4));
    if (!image || !isImageSizeAllowed(image->width, image->height))
        return false;
    const PixelRows rows = allocate(image->width, image->height);
    if (!rows.bits || rows.bitsPerPixel != 32 || rows.width != image->width || rows.height != image->height)
        return false;
    const size_t rowBytes = size_t(image->width) * 4;
    for (int32_t y = 0; y < image->height; ++y)
        std::memcpy(rows.bits + static_cast<ptrdiff_t>(y) * rows.stride, image->pixels.data() + y * rowBytes, rowBytes);
    return true;
}

} // namespace platform
