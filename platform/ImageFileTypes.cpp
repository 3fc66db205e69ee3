// File-extension rules and header checks of the image codecs, shared by
// every platform.
#include "platform/ImageCodec.h"

#include <cstring>

namespace platform {

namespace {

uint32_t le16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t le32(const uint8_t* p) { return le16(p) | le16(p + 2) << 16; }
uint32_t be16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }
uint32_t be32(const uint8_t* p) { return be16(p) << 16 | be16(p + 2); }

bool startsWith(const uint8_t* data, size_t size, const char* signature, size_t length)
{
    return size >= length && std::memcmp(data, signature, length) == 0;
}

std::optional<ImageDimensions> pngSize(const uint8_t* data, size_t size)
{
    // The first chunk is the header: width and height lead its data.
    if (size < 24 || std::memcmp(data + 12, "IHDR", 4) != 0)
        return std::nullopt;
    return ImageDimensions{be32(data + 16), be32(data + 20)};
}

std::optional<ImageDimensions> bmpSize(const uint8_t* data, size_t size)
{
    if (size < 18)
        return std::nullopt;
    const uint32_t headerSize = le32(data + 14);
    if (headerSize == 12) { // the old core header: 16-bit sides
        if (size < 22)
            return std::nullopt;
        return ImageDimensions{le16(data + 18), le16(data + 20)};
    }
    if (size < 26)
        return std::nullopt;
    // A negative height marks rows stored top-down.
    const auto width = static_cast<int32_t>(le32(data + 18));
    const auto height = static_cast<int32_t>(le32(data + 22));
    return ImageDimensions{width, height < 0 ? -static_cast<int64_t>(height) : height};
}

std::optional<ImageDimensions> gifSize(const uint8_t* data, size_t size)
{
    if (size < 10)
        return std::nullopt;
    return ImageDimensions{le16(data + 6), le16(data + 8)};
}

// Walks the marker segments up to the first start-of-frame, which holds the
// size; the entropy-coded data only begins after the frame header.
std::optional<ImageDimensions> jpegSize(const uint8_t* data, size_t size)
{
    size_t at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF)
            return std::nullopt;
        const uint8_t marker = data[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length
            at += 2;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // scan data or the end: no frame header
            return std::nullopt;
        const size_t length = be16(data + at + 2);
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (at + 9 > size)
                return std::nullopt;
            return ImageDimensions{be16(data + at + 7), be16(data + at + 5)};
        }
        if (length < 2)
            return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

// The first directory's width and length tags.
std::optional<ImageDimensions> tiffSize(const uint8_t* data, size_t size)
{
    const bool little = data[0] == 'I';
    const auto u16 = [&](size_t at) { return little ? le16(data + at) : be16(data + at); };
    const auto u32 = [&](size_t at) { return little ? le32(data + at) : be32(data + at); };
    const size_t directory = u32(4);
    if (directory > size || size - directory < 2)
        return std::nullopt;
    const size_t count = u16(directory);
    std::optional<int64_t> width, height;
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = directory + 2 + i * 12;
        if (entry > size || size - entry < 12)
            break;
        const uint32_t tag = u16(entry), type = u16(entry + 2);
        if (tag != 256 && tag != 257)
            continue;
        const int64_t value = type == 3 ? u16(entry + 8) : type == 4 ? u32(entry + 8) : -1;
        if (value < 0)
            return std::nullopt;
        (tag == 256 ? width : height) = value;
    }
    if (!width || !height)
        return std::nullopt;
    return ImageDimensions{*width, *height};
}

bool equalsIgnoringAsciiCase(StringView a, StringView b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i], y = b[i];
        if (x >= u'A' && x <= u'Z')
            x = static_cast<char16_t>(x - u'A' + u'a');
        if (y >= u'A' && y <= u'Z')
            y = static_cast<char16_t>(y - u'A' + u'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

std::optional<ImageFileType> imageFileTypeForExtension(StringView extension)
{
    struct Entry {
        StringView extension;
        ImageFileType type;
    };
    static constexpr Entry kTable[] = {
        {u"bmp", ImageFileType::Bmp}, {u"jpg", ImageFileType::Jpeg}, {u"jpeg", ImageFileType::Jpeg},
        {u"png", ImageFileType::Png}, {u"tif", ImageFileType::Tiff}, {u"tiff", ImageFileType::Tiff},
        {u"gif", ImageFileType::Gif},
    };
    for (const Entry& entry : kTable)
        if (equalsIgnoringAsciiCase(extension, entry.extension))
            return entry.type;
    return std::nullopt;
}

bool isImageSizeAllowed(int64_t width, int64_t height)
{
    // Each side is checked first, so the product cannot overflow.
    return width > 0 && height > 0 && width <= kMaxImageBytes / 4 && height <= kMaxImageBytes / 4
        && width * height <= kMaxImageBytes / 4;
}

std::optional<ImageDimensions> declaredImageSize(const uint8_t* data, size_t size)
{
    if (!data)
        return std::nullopt;
    if (startsWith(data, size, "\x89PNG\r\n\x1A\n", 8))
        return pngSize(data, size);
    if (startsWith(data, size, "BM", 2))
        return bmpSize(data, size);
    if (startsWith(data, size, "GIF87a", 6) || startsWith(data, size, "GIF89a", 6))
        return gifSize(data, size);
    if (startsWith(data, size, "\xFF\xD8", 2))
        return jpegSize(data, size);
    if (size >= 8 && (startsWith(data, size, "II*\0", 4) || startsWith(data, size, "MM\0*", 4)))
        return tiffSize(data, size);
    return std::nullopt;
}

String fileExtension(StringView path)
{
    size_t start = 0;
    for (size_t i = path.size(); i > 0; --i) {
        if (path[i - 1] == u'/' || path[i - 1] == u'\\') {
            start = i;
            break;
        }
    }
    const StringView name = path.substr(start);
    const size_t dot = name.rfind(u'.');
    if (dot == StringView::npos)
        return {};
    return String(name.substr(dot + 1));
}

} // namespace platform
