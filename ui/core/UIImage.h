#pragma once
// UIImage: an in-memory bitmap with optional alpha.
//
// Pixels are rows of 24-bit (B, G, R) or 32-bit (B, G, R, A) values, row 0 at
// the top, each row padded to a multiple of 4 bytes (`stride`). Colours passed
// in and out are 0xAARRGGBB numbers, i.e. the four bytes B, G, R, A in memory.
//
// Ownership and sharing. The pixel block is reference counted: copying or
// assigning an image shares the block (no pixels are copied) and the block is
// freed when the last image sharing it goes. Sharing is invisible to users:
// every operation that writes pixels (the non-const `bits`, `scanLine`,
// `setPixel`, `fill`, `fillRect`, `copyFrom`, painting with a canvas) first
// calls `detach`, which gives this image a private copy of the block when
// another image still shares it. So a write never changes another image.
// Pointers from `bits`/`scanLine` stay valid until the image is next
// assigned, detached or destroyed; do not keep writing through them after the
// image has been copied (the copy would see the writes).
//
// An empty image (default-constructed, or the result of any failed load or
// conversion) has no block and size 0 x 0; reads return 0 and writes do
// nothing. Images are used on the main thread only.

#include "platform/FileSystem.h"
#include "platform/Geometry.h"
#include "platform/ImageCodec.h"
#include "platform/NativeBitmap.h"
#include "platform/NativeIcon.h"
#include "platform/Text.h"

#include <cstddef>
#include <cstdint>

// Which of the two separable resampling passes `scaled` runs first.
enum class ScalePassOrder { HorizontalFirst, VerticalFirst };

class UIImage {
public:
    // An empty image.
    UIImage() = default;
    // A width x height image with zeroed pixels: 32-bit when `hasAlpha`,
    // else 24-bit. Sizes that are not positive (or too large) give an empty
    // image.
    UIImage(int32_t width, int32_t height, bool hasAlpha);
    ~UIImage();

    UIImage(const UIImage& other) noexcept;
    UIImage& operator=(const UIImage& other) noexcept;
    UIImage(UIImage&& other) noexcept;
    UIImage& operator=(UIImage&& other) noexcept;

    bool isEmpty() const { return m_block == nullptr; }
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    Size size() const { return {m_width, m_height}; }
    Rect rect() const { return {0, 0, m_width, m_height}; }
    int32_t bitsPerPixel() const { return m_bitsPerPixel; }
    int32_t bytesPerPixel() const { return m_bitsPerPixel / 8; }
    int32_t stride() const { return m_stride; }
    int32_t byteSize() const { return m_byteSize; }
    bool hasAlpha() const { return m_hasAlpha; }
    // Whether the colour channels are premultiplied by alpha. A flag only:
    // setting it does not convert the pixels.
    bool premultiplied() const { return m_premultiplied; }
    void setPremultiplied(bool premultiplied) { m_premultiplied = premultiplied; }

    // Sharing state: how many images share this block (0 when empty).
    int32_t shareCount() const;
    bool isSharedWith(const UIImage& other) const { return m_block && m_block == other.m_block; }
    // Gives this image a private block if it shares one. Returns false (and
    // leaves the image unchanged) only when the copy could not be allocated.
    bool detach();
    // A deep copy with its own block.
    UIImage copy() const;
    // A deep copy of a region (clipped to the image); same pixel format.
    UIImage copy(const Rect& region) const;

    // Direct access to the rows. The const forms never detach; the others do.
    // `y` must be within 0..height-1; the image must not be empty.
    const uint8_t* constBits() const;
    uint8_t* bits();
    const uint8_t* constScanLine(int32_t y) const { return constBits() + static_cast<ptrdiff_t>(y) * m_stride; }
    uint8_t* scanLine(int32_t y) { return bits() + static_cast<ptrdiff_t>(y) * m_stride; }

    // 0xAARRGGBB of a pixel; alpha reads 255 on 24-bit images; 0 outside.
    uint32_t pixel(int32_t x, int32_t y) const;
    // Writes a pixel (alpha ignored on 24-bit images); nothing outside.
    void setPixel(int32_t x, int32_t y, uint32_t argb);
    void fill(uint32_t argb);
    // Fills the part of `area` inside the image.
    void fillRect(const Rect& area, uint32_t argb);
    // Copies pixels (no blending) from `sourceRect` of `source` to this image
    // with the region's top-left at `destination`, clipped to both images.
    // Between 24- and 32-bit images the alpha is dropped or set to 255.
    // Copying an image onto itself (or a sharer) with overlap is safe.
    void copyFrom(const UIImage& source, const Rect& sourceRect, Point destination);

    // Resampled copy at width x height (same pixel format and flags); an
    // empty image when this one is empty or the size is not positive.
    UIImage scaled(int32_t width, int32_t height) const;
    // The pass `scaled` runs first from one size to another: the one whose
    // intermediate image (new width x old height for the horizontal pass,
    // old width x new height for the vertical) is smaller; horizontal on ties.
    static ScalePassOrder scalePassOrder(Size from, Size to);

    // Image files through the platform's imaging library (PNG, BMP, JPEG,
    // GIF, TIFF; the format is recognised from the content). The result is
    // 32-bit with alpha, straight (not premultiplied). Any failure leaves
    // the image empty and returns false.
    bool load(StringView path);
    bool loadFromMemory(const uint8_t* data, size_t size);
    // Saves through the imaging library, the format chosen by the file's
    // extension compared without case: bmp, jpg/jpeg (quality 100), png,
    // tif/tiff, gif. Other extensions and empty images fail.
    bool save(StringView path) const;
    // Saves in the given format whatever the path's extension.
    bool save(StringView path, platform::ImageFileType type) const;

    // The toolkit's raw "pix" format: a 16-byte header (magic 777, width,
    // height, byte count = width x height x 4, little-endian 32-bit each)
    // followed by the B, G, R, A pixels top to bottom without padding.
    // Invalid data gives an empty image, and so does a header beyond the
    // bounds below, checked before anything is read or allocated: pix
    // images are the toolkit's own skins and snapshots, the largest a
    // screen-sized picture (a 5K screen's is 59 MB), so a side beyond
    // kMaxPixSide or a pixel block beyond kMaxPixBytes is damage.
    static constexpr int32_t kMaxPixSide = 16384;
    static constexpr uint32_t kMaxPixBytes = uint32_t(64) << 20;
    static UIImage fromPix(const uint8_t* data, size_t size);
    static UIImage loadPix(StringView path);
    // The pix bytes of this image; 24-bit images are written with alpha 255
    // so the file always loads again. Empty for an empty image or one beyond
    // the bounds above.
    platform::Bytes toPix() const;
    bool savePix(StringView path) const;

    // The native bitmap the pixels live in (an HBITMAP DIB section on
    // Windows, null on the headless build). Owned by the image's block: it
    // is valid while the image exists unchanged; call `detach` before
    // drawing into it if the image may be shared.
    void* nativeBitmap() const;
    // A native icon (or cursor with the given hotspot; -1 means the centre)
    // made from a square image; null for other images.
    platform::NativeIcon toNativeIcon(bool isCursor, int32_t hotspotX = -1, int32_t hotspotY = -1) const;
    // An independent native bitmap with a copy of the pixels.
    platform::NativeBitmap toNativeBitmap() const;
    // A 32-bit image with alpha copied from a native bitmap (the bitmap stays
    // the caller's): a 32-bit bitmap keeps its alpha unless every alpha is 0
    // (as after plain device-context drawing), which reads as opaque; other
    // bitmaps read as opaque. Empty on failure.
    static UIImage fromNativeBitmap(void* bitmap);

private:
    struct Block;

    void release();

    Block* m_block = nullptr;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_bitsPerPixel = 0;
    int32_t m_stride = 0;
    int32_t m_byteSize = 0;
    bool m_hasAlpha = false;
    bool m_premultiplied = false;
};
