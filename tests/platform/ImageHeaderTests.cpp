// The sizes image headers declare, read before any decoder sees the bytes.
#include "platform/ImageCodec.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <vector>

namespace {

std::vector<uint8_t> bytesOf(std::initializer_list<int> values)
{
    std::vector<uint8_t> bytes;
    for (int v : values)
        bytes.push_back(static_cast<uint8_t>(v));
    return bytes;
}

} // namespace

// Regression: decoding only checked the size after the imaging library had
// allocated and converted the whole bitmap.
TEST(ImageHeader, DeclaredSizesAreReadFromEveryFormat)
{
    using platform::ImageDimensions;
    struct Case {
        std::vector<uint8_t> bytes;
        std::optional<ImageDimensions> size;
    };
    const Case cases[] = {
        // PNG: the header chunk, big-endian (100000 x 100000).
        {bytesOf({0x89, 'P', 'N', 'G', 13, 10, 26,   10,   0, 0, 0,    13,
                  'I',  'H', 'D', 'R', 0,  1,  0x86, 0xA0, 0, 1, 0x86, 0xA0}),
         ImageDimensions{100000, 100000}},
        // BMP with an info header, rows top-down (negative height).
        {bytesOf(
             {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 0xA0, 0x86, 1, 0, 0x60, 0x79, 0xFE, 0xFF}),
         ImageDimensions{100000, 100000}},
        // BMP with the old core header: 16-bit sides.
        {bytesOf({'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, 0x10, 0x27, 0x20, 0x4E}),
         ImageDimensions{10000, 20000}},
        {bytesOf({'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 2, 0}), ImageDimensions{65535, 2}},
        // JPEG: an application segment, then the frame header (height first).
        {bytesOf({0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC0, 0, 11, 8, 0xEA, 0x60, 0x27, 0x10, 3}),
         ImageDimensions{10000, 60000}},
        // JPEG whose scan starts before any frame header: unknown.
        {bytesOf({0xFF, 0xD8, 0xFF, 0xDA, 0, 2, 0xFF, 0xC0, 0, 11, 8, 0, 1, 0, 1}), std::nullopt},
        // TIFF, little-endian: width (SHORT) and length (LONG) tags.
        {bytesOf({'I', 'I',  42,   0, 8, 0, 0, 0, 2, 0, 0, 1, 3, 0,    1,    0, 0,
                  0,   0x10, 0x27, 0, 0, 1, 1, 4, 0, 1, 0, 0, 0, 0xA0, 0x86, 1, 0}),
         ImageDimensions{10000, 100000}},
        // TIFF, big-endian, whose directory lies past the end: unknown.
        {bytesOf({'M', 'M', 0, 42, 0x7F, 0, 0, 0, 0, 1}), std::nullopt},
        // Truncated headers and other formats are left to the decoder.
        {bytesOf({0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 1}), std::nullopt},
        {bytesOf({0, 0, 1, 0, 1, 0, 16, 16}), std::nullopt},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(platform::declaredImageSize(cases[i].bytes.data(), cases[i].bytes.size()), cases[i].size) << i;

    // The limit: 32-bit pixels whose byte count fits in int32.
    EXPECT_TRUE(platform::isImageSizeAllowed(1, 1));
    EXPECT_TRUE(platform::isImageSizeAllowed(16384, 32767));
    EXPECT_FALSE(platform::isImageSizeAllowed(16384, 32768));
    EXPECT_FALSE(platform::isImageSizeAllowed(100000, 100000));
    EXPECT_FALSE(platform::isImageSizeAllowed(0, 5));
    EXPECT_FALSE(platform::isImageSizeAllowed(int64_t(1) << 40, int64_t(1) << 40));
}
