// Image files through the real imaging library: loading, saving by
// extension, broken input, and native icons.
#include "platform/FileSystem.h"
#include "ui/core/ImageFormats.h"
#include "ui/core/UIImage.h"

#include "tests/UniqueTempPath.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <psapi.h>

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace {

namespace fs = std::filesystem;

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBe32(platform::Bytes& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

void pngChunk(platform::Bytes& out, const char* type, const platform::Bytes& data)
{
    putBe32(out, static_cast<uint32_t>(data.size()));
    platform::Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    putBe32(out, crc32(body.data(), body.size()));
}

// A PNG whose header declares width x height of 8-bit RGBA, followed by
// one tiny (truncated) block of image data.
platform::Bytes pngClaiming(uint32_t width, uint32_t height)
{
    platform::Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    platform::Bytes header;
    putBe32(header, width);
    putBe32(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});
    pngChunk(png, "IHDR", header);
    pngChunk(png, "IDAT", {0x78, 0x01, 0x01, 0x05, 0x00, 0xFA, 0xFF, 0, 1, 2, 3, 4});
    pngChunk(png, "IEND", {});
    return png;
}

// A 32-bit BMP whose header declares width x height, with 64 bytes of pixels.
platform::Bytes bmpClaiming(int32_t width, int32_t height)
{
    platform::Bytes bmp(54 + 64, 0);
    const auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    bmp[26] = 1;
    bmp[28] = 32;
    return bmp;
}

// The process's peak of committed memory, in bytes.
uint64_t peakCommittedBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    using Query = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo")));
    if (!query || !query(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return counters.PeakPagefileUsage;
}

String tempPath(const char* name) { return uniqueTempPath(name).u16string(); }

// A picture with structure in every channel, so lossy encodings differ.
UIImage testPattern(int32_t size, bool alpha)
{
    UIImage image(size, size, alpha);
    for (int32_t y = 0; y < size; ++y)
        for (int32_t x = 0; x < size; ++x)
            image.setPixel(x, y,
                           (alpha ? 0xFF000000u : 0u) | static_cast<uint32_t>((x * 37 + y * 11) & 0xFF) << 16
                               | static_cast<uint32_t>((x * x + y * 3) & 0xFF) << 8
                               | static_cast<uint32_t>((y * 53 ^ x * 7) & 0xFF));
    return image;
}

// Encodes rows as JPEG through GDI+ directly, with a quality or without
// parameters (quality < 0), and returns the file's bytes.
platform::Bytes jpegThroughLibrary(const UIImage& image, long quality)
{
    using namespace Gdiplus;
    UINT count = 0, size = 0;
    DllExports::GdipGetImageEncodersSize(&count, &size);
    std::vector<uint8_t> buffer(size);
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    DllExports::GdipGetImageEncoders(count, size, codecs);
    CLSID jpeg{};
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(codecs[i].MimeType) == L"image/jpeg")
            jpeg = codecs[i].Clsid;
    GpBitmap* bitmap = nullptr;
    DllExports::GdipCreateBitmapFromScan0(image.width(), image.height(), image.stride(), PixelFormat24bppRGB,
                                          const_cast<BYTE*>(image.constBits()), &bitmap);
    ULONG value = static_cast<ULONG>(quality);
    EncoderParameters parameters{};
    parameters.Count = 1;
    parameters.Parameter[0].Guid = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Type = EncoderParameterValueTypeLong;
    parameters.Parameter[0].Value = &value;
    const String path = tempPath("tintscope-probe.jpg");
    DllExports::GdipSaveImageToFile(bitmap, reinterpret_cast<const wchar_t*>(path.c_str()), &jpeg,
                                    quality < 0 ? nullptr : &parameters);
    DllExports::GdipDisposeImage(bitmap);
    auto bytes = platform::readFile(path);
    fs::remove(fs::path(path));
    return bytes ? *bytes : platform::Bytes{};
}

class ImageCodec : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(formats.imagingStarted()); }
    ImageFormats formats; // keeps the imaging library started
};

} // namespace

TEST_F(ImageCodec, SavesByExtensionAndRoundTrips)
{
    // Few colours, so that even GIF keeps them exactly.
    UIImage original(16, 16, true);
    original.fill(0xFF336699u);
    original.fillRect({2, 3, 9, 9}, 0xFFEE1100u);
    original.setPixel(5, 9, 0xFF00FF7Fu);
    for (const char* name : {"tintscope-rt.png", "tintscope-rt.bmp", "tintscope-rt.tif", "tintscope-rt.gif"}) {
        const String path = tempPath(name);
        ASSERT_TRUE(original.save(path)) << name;
        UIImage back;
        ASSERT_TRUE(back.load(path)) << name;
        EXPECT_EQ(back.size(), original.size());
        for (Point p : {Point{0, 0}, Point{2, 3}, Point{5, 9}})
            EXPECT_EQ(back.pixel(p.x, p.y) & 0xFFFFFF, original.pixel(p.x, p.y) & 0xFFFFFF) << name;
        fs::remove(fs::path(path));
    }
    // Semi-transparent pixels survive PNG.
    UIImage translucent(2, 1, true);
    translucent.setPixel(0, 0, 0x40112233u);
    const String png = tempPath("tintscope-alpha.png");
    ASSERT_TRUE(translucent.save(png));
    UIImage back;
    ASSERT_TRUE(back.load(png));
    EXPECT_EQ(back.pixel(0, 0), 0x40112233u);
    EXPECT_EQ(back.pixel(1, 0) >> 24, 0u);
    fs::remove(fs::path(png));
}

TEST_F(ImageCodec, JpegInCapitalsIsSavedAtFullQualityAndUnknownExtensionsFail)
{
    const UIImage original = testPattern(64, false);
    const String path = tempPath("tintscope-quality.JPG");
    ASSERT_TRUE(original.save(path));
    const auto bytes = platform::readFile(path);
    ASSERT_TRUE(bytes && bytes->size() > 4);
    EXPECT_EQ((*bytes)[0], 0xFF);
    EXPECT_EQ((*bytes)[1], 0xD8);
    UIImage back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.size(), original.size());

    // Quality 100 gives quantisation tables of all ones. Some imaging
    // libraries (Wine's) ignore the quality parameter; that shows as a
    // quality-10 file equal to one without parameters.
    const bool libraryHonoursQuality = jpegThroughLibrary(original, 10) != jpegThroughLibrary(original, -1);
    if (libraryHonoursQuality) {
        bool foundTable = false;
        for (size_t i = 0; i + 5 + 64 <= bytes->size(); ++i) {
            if ((*bytes)[i] == 0xFF && (*bytes)[i + 1] == 0xDB) {
                foundTable = true;
                for (size_t k = 0; k < 64; ++k)
                    EXPECT_EQ((*bytes)[i + 5 + k], 1) << "entry " << k;
                break;
            }
        }
        EXPECT_TRUE(foundTable);
        EXPECT_EQ(*bytes, jpegThroughLibrary(original, 100));
    } else {
        std::printf("note: the imaging library ignores the JPEG quality parameter\n");
    }
    fs::remove(fs::path(path));

    const String webp = tempPath("tintscope-image.webp");
    EXPECT_FALSE(original.save(webp));
    EXPECT_FALSE(fs::exists(fs::path(webp)));
    EXPECT_FALSE(original.save(tempPath("tintscope-no-extension")));
    EXPECT_FALSE(UIImage().save(tempPath("tintscope-empty.png")));
}

TEST_F(ImageCodec, BrokenFilesGiveEmptyImages)
{
    const UIImage original = testPattern(24, true);
    for (const char* name : {"tintscope-broken.png", "tintscope-broken.bmp", "tintscope-broken.gif",
                             "tintscope-broken.jpg", "tintscope-broken.tif"}) {
        const String path = tempPath(name);
        ASSERT_TRUE(original.save(path)) << name;
        const auto bytes = platform::readFile(path);
        fs::remove(fs::path(path));
        ASSERT_TRUE(bytes && bytes->size() > 40) << name;

        // Cut right after the signature, and cut in the middle of the data.
        UIImage image;
        for (size_t length : {size_t(12), bytes->size() / 2}) {
            EXPECT_FALSE(image.loadFromMemory(bytes->data(), length)) << name << " " << length;
            EXPECT_TRUE(image.isEmpty()) << name;
        }
        // The signature destroyed.
        platform::Bytes corrupted = *bytes;
        for (size_t i = 0; i < 4; ++i)
            corrupted[i] = static_cast<uint8_t>(~corrupted[i]);
        EXPECT_FALSE(image.loadFromMemory(corrupted.data(), corrupted.size())) << name;
        EXPECT_TRUE(image.isEmpty()) << name;
    }
    // A loaded image is emptied by a failed load.
    UIImage image = original;
    const platform::Bytes junk(100, 0x5A);
    EXPECT_FALSE(image.loadFromMemory(junk.data(), junk.size()));
    EXPECT_TRUE(image.isEmpty());
    EXPECT_FALSE(image.load(tempPath("tintscope-missing.png")));
    EXPECT_FALSE(image.load(String(fs::temp_directory_path().u16string())));
}

// The program's own PNG reader leaves interlaced images to the imaging
// library, which reads them all the same.
TEST_F(ImageCodec, InterlacedPngsAreReadByTheImagingLibrary)
{
    // 2 x 2 RGBA, Adam7: red, green / blue, white at half opacity.
    static const uint8_t kInterlaced[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49,
                                          0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06,
                                          0x00, 0x00, 0x01, 0x05, 0xB1, 0x3D, 0xB2, 0x00, 0x00, 0x00, 0x14, 0x49, 0x44,
                                          0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x46, 0x40, 0x82, 0xE1,
                                          0x3F, 0x08, 0x34, 0x00, 0x00, 0x4B, 0x48, 0x09, 0x78, 0xCC, 0xAD, 0xDC, 0x1F,
                                          0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    UIImage image;
    ASSERT_TRUE(image.loadFromMemory(kInterlaced, sizeof kInterlaced));
    ASSERT_EQ(image.size(), Size(2, 2));
    EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(1, 1), 0x80FFFFFFu);
}

TEST_F(ImageCodec, IconKeepsTransparentCornersTransparent)
{
    // A 16 x 16 red disc-like square whose 2 x 2 corners are transparent.
    UIImage image(16, 16, true);
    image.fill(0xFFFF0000u);
    for (Point corner : {Point{0, 0}, Point{14, 0}, Point{0, 14}, Point{14, 14}})
        image.fillRect({corner.x, corner.y, 2, 2}, 0x00000000u);
    platform::NativeIcon icon = image.toNativeIcon(false);
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(UIImage(16, 15, true).toNativeIcon(false).isNull());

    // Draw the icon over white: the corners must stay white.
    UIImage canvas(16, 16, false);
    canvas.fill(0xFFFFFFFFu);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, static_cast<HBITMAP>(canvas.nativeBitmap()));
    ASSERT_TRUE(DrawIconEx(dc, 0, 0, static_cast<HICON>(icon.handle()), 16, 16, 0, nullptr, DI_NORMAL));
    GdiFlush();
    SelectObject(dc, previous);
    DeleteDC(dc);
    for (Point p : {Point{0, 0}, Point{1, 1}, Point{15, 0}, Point{0, 15}, Point{15, 15}}) {
        const uint32_t c = canvas.pixel(p.x, p.y);
        EXPECT_GE((c >> 16) & 0xFF, 250u) << p.x << "," << p.y;
        EXPECT_GE(c & 0xFF, 250u) << p.x << "," << p.y;
    }
    EXPECT_EQ(canvas.pixel(8, 8) & 0xFFFFFF, 0xFF0000u);

    platform::NativeIcon cursor = image.toNativeIcon(true, 3, 4);
    ASSERT_FALSE(cursor.isNull());
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(cursor.handle()), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 3u);
    EXPECT_EQ(info.yHotspot, 4u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(ImageCodec, NativeBitmapRoundTrip)
{
    const UIImage original = testPattern(5, false);
    platform::NativeBitmap bitmap = original.toNativeBitmap();
    ASSERT_FALSE(bitmap.isNull());
    const UIImage back = UIImage::fromNativeBitmap(bitmap.handle());
    ASSERT_EQ(back.size(), original.size());
    EXPECT_TRUE(back.hasAlpha());
    EXPECT_EQ(back.pixel(4, 3), original.pixel(4, 3)); // opaque: alpha 255
    EXPECT_TRUE(UIImage::fromNativeBitmap(nullptr).isEmpty());
}

// Regression: the decoder converted and locked the whole bitmap before the
// size was checked, so a tiny file declaring 100000 x 100000 pixels reached
// the imaging library, which allocates what the header declares.
TEST_F(ImageCodec, HugeDeclaredSizesAreRefusedBeforeDecoding)
{
    const platform::Bytes files[] = {pngClaiming(100000, 100000), pngClaiming(30000, 20000),
                                     bmpClaiming(100000, 100000), bmpClaiming(30000, -20000)};
    const uint64_t before = peakCommittedBytes();
    for (const platform::Bytes& bytes : files) {
        UIImage image;
        EXPECT_FALSE(image.loadFromMemory(bytes.data(), bytes.size()));
        const String path = tempPath("tintscope-huge.img");
        ASSERT_TRUE(platform::writeFile(path, bytes));
        EXPECT_FALSE(image.load(path));
        fs::remove(fs::path(path));
    }
    EXPECT_LT(peakCommittedBytes() - before, uint64_t(256) << 20);
    // A real image of a sensible size still loads.
    const platform::Bytes small = bmpClaiming(4, 4);
    UIImage image;
    EXPECT_TRUE(image.loadFromMemory(small.data(), small.size()));
}

// Regression: a type given to ImageFormats::save lost to the file's extension
// for the imaging library's formats.
TEST_F(ImageCodec, SaveTypeWinsOverTheExtension)
{
    const UIImage image = testPattern(8, true);
    const std::pair<const char16_t*, std::string> cases[] = {
        {u"bmp", "BM"},   {u"jpeg", "\xFF\xD8"}, {u"jpg", "\xFF\xD8"},          {u"gif", "GIF8"},
        {u"tiff", "II*"}, {u"png", "\x89PNG"},   {u"pix", {"\x09\x03\0\0", 4}},
    };
    for (const auto& [type, signature] : cases) {
        const String path = tempPath("tintscope-typed.png");
        ASSERT_TRUE(formats.save(path, image, type));
        const auto bytes = platform::readFile(path);
        fs::remove(fs::path(path));
        ASSERT_TRUE(bytes && bytes->size() >= signature.size());
        EXPECT_EQ(std::string(bytes->begin(), bytes->begin() + static_cast<ptrdiff_t>(signature.size())), signature);
    }
    EXPECT_FALSE(formats.save(tempPath("tintscope-typed.png"), image, u"webp"));
}

// Regression: transparent pixels saved as GIF came back opaque black under
// Wine, although the palette had a transparent entry.
TEST_F(ImageCodec, GifKeepsTransparency)
{
    for (const bool manyColours : {false, true}) {
        UIImage original = manyColours ? testPattern(20, true) : UIImage(20, 20, true);
        if (!manyColours)
            original.fill(0xFF3366CCu);
        original.fillRect({0, 0, 5, 5}, 0x00000000u);
        const String path = tempPath("tintscope-transparent.gif");
        ASSERT_TRUE(original.save(path));
        UIImage back;
        ASSERT_TRUE(back.load(path));
        fs::remove(fs::path(path));
        EXPECT_EQ(back.pixel(2, 2) >> 24, 0u) << manyColours;
        EXPECT_EQ(back.pixel(10, 10) >> 24, 0xFFu) << manyColours;
        if (!manyColours) {
            EXPECT_EQ(back.pixel(10, 10), 0xFF3366CCu);
        }
    }
}
