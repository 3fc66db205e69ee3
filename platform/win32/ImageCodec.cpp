// Image files through GDI+: starting the library, decoding files and memory
// blocks into 32-bit ARGB rows, and encoding rows by file type.
#include "platform/ImageCodec.h"

#include "platform/FileSystem.h"
#include "platform/PngDecoder.h"
#include "platform/win32/ErrorModeGuard.h"
#include "platform/win32/GdiplusObjects.h"
#include "platform/win32/Wide.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <vector>

namespace platform {

namespace {

// A file larger than this is no image the toolkit could hold.
constexpr uint64_t kMaxImageFileBytes = uint64_t(1) << 30;

int g_sessions = 0;
ULONG_PTR g_token = 0;

// {1d5be4b5-fa4a-452d-9cdd-5db35105e7eb}: the JPEG quality parameter.
constexpr GUID kJpegQualityParameter = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

// An IStream over a movable global memory block holding a copy of the
// bytes; the stream frees the block when released.
class MemoryStream {
public:
    MemoryStream(const uint8_t* data, size_t size)
    {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        if (!block)
            return;
        void* target = GlobalLock(block);
        if (!target) {
            GlobalFree(block);
            return;
        }
        std::memcpy(target, data, size);
        GlobalUnlock(block);
        if (FAILED(CreateStreamOnHGlobal(block, TRUE, &m_stream))) {
            m_stream = nullptr;
            GlobalFree(block);
        }
    }
    ~MemoryStream()
    {
        if (m_stream)
            m_stream->Release();
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    IStream* get() const { return m_stream; }

private:
    IStream* m_stream = nullptr;
};

// Copies a decoded image's pixels into rows from the allocator, through a
// 32-bit ARGB clone when the image has another pixel format. The size is
// checked and the rows allocated before anything is converted or locked.
bool copyPixels(Gdiplus::GpImage* image, const PixelAllocator& allocate)
{
    namespace gp = win32::gp;
    Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
    if (gp::GdipGetImageType(image, &type) != Gdiplus::Ok || type != Gdiplus::ImageTypeBitmap)
        return false;
    UINT width = 0, height = 0;
    if (gp::GdipGetImageWidth(image, &width) != Gdiplus::Ok || gp::GdipGetImageHeight(image, &height) != Gdiplus::Ok)
        return false;
    if (!isImageSizeAllowed(width, height))
        return false;
    Gdiplus::PixelFormat format = 0;
    if (gp::GdipGetImagePixelFormat(image, &format) != Gdiplus::Ok)
        return false;
    const PixelRows rows = allocate(static_cast<int32_t>(width), static_cast<int32_t>(height));
    if (!rows.bits || rows.width != static_cast<int32_t>(width) || rows.height != static_cast<int32_t>(height)
        || rows.bitsPerPixel != 32)
        return false;

    auto* bitmap = static_cast<Gdiplus::GpBitmap*>(image);
    win32::GpImagePtr clone;
    if (format != PixelFormat32bppARGB) {
        Gdiplus::GpBitmap* converted = nullptr;
        if (gp::GdipCloneBitmapAreaI(0, 0, static_cast<INT>(width), static_cast<INT>(height), PixelFormat32bppARGB,
                                     bitmap, &converted)
            != Gdiplus::Ok)
            return false;
        clone.adopt(converted);
        bitmap = converted;
    }

    const Gdiplus::GpRect area(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    Gdiplus::BitmapData locked{};
    if (gp::GdipBitmapLockBits(bitmap, &area, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &locked) != Gdiplus::Ok)
        return false;
    const auto* source = static_cast<const uint8_t*>(locked.Scan0);
    for (UINT y = 0; y < height; ++y)
        std::memcpy(rows.bits + static_cast<ptrdiff_t>(y) * rows.stride,
                    source + static_cast<ptrdiff_t>(y) * locked.Stride, static_cast<size_t>(width) * 4);
    gp::GdipBitmapUnlockBits(bitmap, &locked);
    return true;
}

const wchar_t* mimeTypeOf(ImageFileType type)
{
    switch (type) {
    case ImageFileType::Bmp:
        return L"image/bmp";
    case ImageFileType::Jpeg:
        return L"image/jpeg";
    case ImageFileType::Png:
        return L"image/png";
    case ImageFileType::Tiff:
        return L"image/tiff";
    case ImageFileType::Gif:
        return L"image/gif";
    }
    return L"";
}

bool findEncoder(const wchar_t* mimeType, CLSID& clsid)
{
    UINT count = 0, bytes = 0;
    if (win32::gp::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || count == 0 || bytes == 0)
        return false;
    std::vector<uint8_t> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (win32::gp::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, mimeType) == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// GIF holds 8-bit palette indices, and not every imaging library reduces
// colours itself, so GIF files are written from indexed rows made here:
// exact colours when the image has at most 256 of them, otherwise the
// nearest colour of a fixed 6 x 6 x 6 cube. Pixels with alpha below 128
// share one fully transparent entry, whose index goes to `transparentIndex`
// when some pixel uses it.
constexpr uint8_t kCubeTransparentIndex = 216;

win32::GpImagePtr indexedCopy(const PixelRows& rows, PixelLayout layout, std::vector<uint8_t>& indices,
                              std::vector<uint8_t>& paletteBuffer, std::optional<uint8_t>& transparentIndex)
{
    transparentIndex.reset();
    const int32_t bpp = rows.bitsPerPixel / 8;
    const auto argbAt = [&](int32_t x, int32_t y) {
        const uint8_t* p = rows.bits + static_cast<ptrdiff_t>(y) * rows.stride + static_cast<ptrdiff_t>(x) * bpp;
        uint32_t a = layout == PixelLayout::Rgb24 ? 0xFF : p[3];
        uint32_t r = p[2], g = p[1], b = p[0];
        if (layout == PixelLayout::PremultipliedArgb32 && a != 0 && a != 0xFF) {
            r = std::min<uint32_t>(255, (r * 255 + a / 2) / a);
            g = std::min<uint32_t>(255, (g * 255 + a / 2) / a);
            b = std::min<uint32_t>(255, (b * 255 + a / 2) / a);
        }
        return a < 128 ? 0u : 0xFF000000u | r << 16 | g << 8 | b;
    };
    std::vector<uint32_t> palette;
    std::unordered_map<uint32_t, uint8_t> exact;
    bool fits = true;
    for (int32_t y = 0; y < rows.height && fits; ++y)
        for (int32_t x = 0; x < rows.width && fits; ++x) {
            const uint32_t c = argbAt(x, y);
            if (exact.count(c))
                continue;
            if (palette.size() == 256)
                fits = false;
            else {
                exact.emplace(c, static_cast<uint8_t>(palette.size()));
                palette.push_back(c);
            }
        }
    if (!fits) {
        palette.clear();
        for (uint32_t r = 0; r < 6; ++r)
            for (uint32_t g = 0; g < 6; ++g)
                for (uint32_t b = 0; b < 6; ++b)
                    palette.push_back(0xFF000000u | (r * 51) << 16 | (g * 51) << 8 | b * 51);
        palette.push_back(0); // transparent
    }
    const int32_t stride = (rows.width + 3) / 4 * 4;
    indices.assign(static_cast<size_t>(stride) * rows.height, 0);
    for (int32_t y = 0; y < rows.height; ++y)
        for (int32_t x = 0; x < rows.width; ++x) {
            const uint32_t c = argbAt(x, y);
            uint8_t index = 0;
            if (fits) {
                index = exact[c];
            } else if (c == 0) {
                index = kCubeTransparentIndex;
            } else {
                const auto level = [](uint32_t v) { return (v * 5 + 127) / 255; };
                index =
                    static_cast<uint8_t>(level((c >> 16) & 0xFF) * 36 + level((c >> 8) & 0xFF) * 6 + level(c & 0xFF));
            }
            indices[static_cast<size_t>(y) * stride + x] = index;
            if (c == 0)
                transparentIndex = index;
        }

    win32::GpImagePtr result;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (win32::gp::GdipCreateBitmapFromScan0(rows.width, rows.height, stride, PixelFormat8bppIndexed, indices.data(),
                                             &bitmap)
        != Gdiplus::Ok)
        return result;
    result.adopt(bitmap);
    paletteBuffer.assign(sizeof(Gdiplus::ColorPalette) + palette.size() * sizeof(Gdiplus::ARGB), 0);
    auto* colors = reinterpret_cast<Gdiplus::ColorPalette*>(paletteBuffer.data());
    colors->Flags = Gdiplus::PaletteFlagsHasAlpha;
    colors->Count = static_cast<UINT>(palette.size());
    std::memcpy(colors->Entries, palette.data(), palette.size() * sizeof(uint32_t));
    if (win32::gp::GdipSetImagePalette(bitmap, colors) != Gdiplus::Ok)
        result.reset();
    return result;
}

// Makes palette entry `index` transparent in the first frame of a GIF file.
// Transparency lives in a graphic control extension before the frame, which
// not every imaging library writes (Wine's does not): an existing one gets
// the index, otherwise one is inserted.
bool markGifTransparency(Bytes& gif, uint8_t index)
{
    const auto colorTableBytes = [](uint8_t packed) { return (packed & 0x80) ? size_t(3) << ((packed & 7) + 1) : 0; };
    // Skips data sub-blocks (length-prefixed, ended by a zero length).
    const auto skipSubBlocks = [&](size_t at) {
        while (at < gif.size() && gif[at] != 0)
            at += size_t(gif[at]) + 1;
        return at + 1;
    };
    if (gif.size() < 13 || std::memcmp(gif.data(), "GIF8", 4) != 0)
        return false;
    size_t at = 13 + colorTableBytes(gif[10]);
    std::optional<size_t> control;
    while (at < gif.size()) {
        if (gif[at] == 0x21 && at + 1 < gif.size()) { // extension
            if (gif[at + 1] == 0xF9 && at + 7 < gif.size() && gif[at + 2] == 4)
                control = at;
            at = skipSubBlocks(at + 2);
        } else if (gif[at] == 0x2C) { // the first frame
            if (control) {
                gif[*control + 3] |= 0x01;
                gif[*control + 6] = index;
            } else {
                const uint8_t extension[] = {0x21, 0xF9, 4, 0x01, 0, 0, index, 0};
                gif.insert(gif.begin() + static_cast<ptrdiff_t>(at), std::begin(extension), std::end(extension));
            }
            // The extension is a GIF89a feature.
            std::memcpy(gif.data(), "GIF89a", 6);
            return true;
        } else {
            return false;
        }
    }
    return false;
}

} // namespace

namespace win32 {
bool imagingLibraryStarted() { return g_sessions > 0; }
} // namespace win32

ImagingSession::ImagingSession()
{
    if (g_sessions == 0) {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&g_token, &input, nullptr) != Gdiplus::Ok)
            return;
    }
    ++g_sessions;
    m_active = true;
}

ImagingSession::~ImagingSession()
{
    if (m_active && --g_sessions == 0)
        Gdiplus::GdiplusShutdown(g_token);
}

bool decodeImageFile(StringView path, const PixelAllocator& allocate)
{
    // Read whole so that the header can be checked before the library sees
    // the file; the files the toolkit loads are small.
    if (pathKind(path) != PathKind::File)
        return false;
    const auto bytes = readFile(path, kMaxImageFileBytes);
    return bytes && decodeImage(bytes->data(), bytes->size(), allocate);
}

bool decodeImage(const uint8_t* data, size_t size, const PixelAllocator& allocate)
{
    if (!data || size == 0)
        return false;
    // The library allocates the declared size as it opens the image.
    if (const auto declared = declaredImageSize(data, size);
        declared && !isImageSizeAllowed(declared->width, declared->height))
        return false;
    // Most images the program reads are its own PNG artwork: decoded here
    // in a fraction of the library's time, and without loading its codecs.
    if (decodePngInto(data, size, allocate))
        return true;
    const ImagingSession session;
    if (!session.isActive())
        return false;
    const win32::ErrorModeGuard quiet;
    // The image reads from the stream lazily: the stream must outlive it.
    const MemoryStream stream(data, size);
    if (!stream.get())
        return false;
    Gdiplus::GpImage* loaded = nullptr;
    if (win32::gp::GdipLoadImageFromStream(stream.get(), &loaded) != Gdiplus::Ok)
        return false;
    win32::GpImagePtr image;
    image.adopt(loaded);
    return copyPixels(image.get(), allocate);
}

bool encodeImageFile(StringView path, ImageFileType type, const PixelRows& rows, PixelLayout layout)
{
    if (!rows.bits || rows.width <= 0 || rows.height <= 0)
        return false;
    const ImagingSession session;
    if (!session.isActive())
        return false;
    CLSID encoder{};
    if (!findEncoder(mimeTypeOf(type), encoder))
        return false;
    // The indexed copy's buffers must outlive the bitmap over them.
    std::vector<uint8_t> indices, palette;
    std::optional<uint8_t> transparentIndex;
    const win32::GpImagePtr bitmap = type == ImageFileType::Gif
        ? indexedCopy(rows, layout, indices, palette, transparentIndex)
        : win32::wrapRows(rows, layout != PixelLayout::Rgb24, layout == PixelLayout::PremultipliedArgb32);
    if (!bitmap)
        return false;

    ULONG quality = 100;
    Gdiplus::EncoderParameters parameters{};
    parameters.Count = 1;
    parameters.Parameter[0].Guid = kJpegQualityParameter;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].Value = &quality;

    const win32::ErrorModeGuard quiet;
    const String text(path);
    if (win32::gp::GdipSaveImageToFile(bitmap.get(), win32::wide(text), &encoder,
                                       type == ImageFileType::Jpeg ? &parameters : nullptr)
        != Gdiplus::Ok)
        return false;
    if (!transparentIndex)
        return true;
    auto written = readFile(path);
    return written && markGifTransparency(*written, *transparentIndex) && writeFile(path, *written);
}

} // namespace platform
