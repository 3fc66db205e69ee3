#pragma once
// Decoding and encoding of image files through the platform's imaging
// library (GDI+ on Windows). The headless build has no imaging library: its
// decoders and encoders report failure.

#include "platform/NativeBitmap.h"
#include "platform/Text.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

// Keeps the imaging library started while it exists. Sessions nest: the
// library starts with the first and shuts down with the last. Codec calls
// made while no session exists start a temporary one for the call.
class ImagingSession {
public:
    ImagingSession();
    ~ImagingSession();
    ImagingSession(const ImagingSession&) = delete;
    ImagingSession& operator=(const ImagingSession&) = delete;

    // Whether the library could be started.
    bool isActive() const { return m_active; }

private:
    bool m_active = false;
};

enum class ImageFileType { Bmp, Jpeg, Png, Tiff, Gif };

// The type for a file extension (without the dot, compared without case):
// "bmp", "jpg" or "jpeg", "png", "tif" or "tiff", "gif".
std::optional<ImageFileType> imageFileTypeForExtension(StringView extension);
// The extension text after the last dot of the path's file name; empty if
// it has none.
String fileExtension(StringView path);

// The largest pixel block an image may have: 32-bit pixels whose byte
// count (and every byte offset) fits in int32.
inline constexpr int64_t kMaxImageBytes = 0x7FFFFFFF;

// Whether a width x height image of 32-bit pixels stays within
// kMaxImageBytes (and both sides are positive). Computed in 64 bits.
bool isImageSizeAllowed(int64_t width, int64_t height);

struct ImageDimensions {
    int64_t width = 0;
    int64_t height = 0;
    friend bool operator==(const ImageDimensions&, const ImageDimensions&) = default;
};

// The size the header of a PNG, BMP, GIF, JPEG or TIFF image declares,
// read without decoding anything; nothing when the bytes are none of these
// or too short to tell. Decoders check it before the imaging library gets
// the bytes, so a small file claiming a huge size costs no allocation.
std::optional<ImageDimensions> declaredImageSize(const uint8_t* data, size_t size);

// Called once the decoded size is known; returns the 32-bit rows to receive
// the pixels (B, G, R, A, straight alpha), or rows with null bits to give up.
using PixelAllocator = std::function<PixelRows(int32_t width, int32_t height)>;

// Decodes a bitmap image (not a metafile) of positive size. Fails for a
// missing path, a folder, undecodable bytes, a declared or decoded size that
// isImageSizeAllowed refuses (checked before any pixel is converted), or
// when the allocator gives up.
bool decodeImageFile(StringView path, const PixelAllocator& allocate);
bool decodeImage(const uint8_t* data, size_t size, const PixelAllocator& allocate);

// How the rows handed to the encoder are to be read.
enum class PixelLayout { Rgb24, Argb32, PremultipliedArgb32 };

// Writes the rows to `path` in the given format (JPEG at quality 100).
bool encodeImageFile(StringView path, ImageFileType type, const PixelRows& rows, PixelLayout layout);

} // namespace platform
