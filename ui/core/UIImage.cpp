// UIImage: shared pixel blocks, pixel access, resampling, the "pix" format
// and the bridges to the platform's codecs and native bitmaps.
//
// Sections: block sharing; pixel access; resampling; files; native.
#include "ui/core/UIImage.h"

#include "platform/ImageCodec.h"
#include "platform/PixelMemory.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

// The shared pixel block: the memory plus the number of images using it.
struct UIImage::Block {
    platform::PixelMemory memory;
    int32_t refCount = 1;
};

namespace {

// Larger images are refused so that every byte offset fits in int32.
constexpr int64_t kMaxByteSize = platform::kMaxImageBytes;

inline void storePixel(uint8_t* p, int32_t bytesPerPixel, uint32_t argb)
{
    p[0] = static_cast<uint8_t>(argb);
    p[1] = static_cast<uint8_t>(argb >> 8);
    p[2] = static_cast<uint8_t>(argb >> 16);
    if (bytesPerPixel == 4)
        p[3] = static_cast<uint8_t>(argb >> 24);
}

inline uint32_t loadPixel(const uint8_t* p, int32_t bytesPerPixel)
{
    const uint32_t alpha = bytesPerPixel == 4 ? p[3] : 0xFFu;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | alpha << 24;
}

void writeLe32(uint8_t* p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

uint32_t readLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Copies one row of `count` pixels between 24- and 32-bit layouts.
void convertRow(const uint8_t* src, int32_t srcBpp, uint8_t* dst, int32_t dstBpp, int32_t count)
{
    if (srcBpp == dstBpp) {
        std::memmove(dst, src, static_cast<size_t>(count) * srcBpp);
        return;
    }
    int32_t i = 0;
    if (srcBpp == 3) {
        // Widening runs on every composition into a window's canvas: four
        // pixels from three little-endian words, each made opaque.
        constexpr uint32_t kOpaque = 0xFF000000u;
        for (; i + 4 <= count; i += 4, src += 12, dst += 16) {
            uint32_t in[3];
            std::memcpy(in, src, sizeof in);
            const uint32_t out[4] = {in[0] | kOpaque, in[0] >> 24 | in[1] << 8 | kOpaque,
                                     in[1] >> 16 | in[2] << 16 | kOpaque, in[2] >> 8 | kOpaque};
            std::memcpy(dst, out, sizeof out);
        }
    }
    for (; i < count; ++i, src += srcBpp, dst += dstBpp) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        if (dstBpp == 4)
            dst[3] = 0xFF;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Block sharing

UIImage::UIImage(int32_t width, int32_t height, bool hasAlpha)
{
    if (width <= 0 || height <= 0)
        return;
    const int32_t bpp = hasAlpha ? 32 : 24;
    const int64_t stride = (static_cast<int64_t>(width) * bpp + 31) / 32 * 4;
    if (stride * height > kMaxByteSize)
        return;
    auto* block = new Block;
    if (!block->memory.allocate(width, height, bpp, static_cast<int32_t>(stride))) {
        delete block;
        return;
    }
    m_block = block;
    m_width = width;
    m_height = height;
    m_bitsPerPixel = bpp;
    m_stride = static_cast<int32_t>(stride);
    m_byteSize = static_cast<int32_t>(stride * height);
    m_hasAlpha = hasAlpha;
}

UIImage::~UIImage() { release(); }

UIImage::UIImage(const UIImage& other) noexcept
    : m_block(other.m_block)
    , m_width(other.m_width)
    , m_height(other.m_height)
    , m_bitsPerPixel(other.m_bitsPerPixel)
    , m_stride(other.m_stride)
    , m_byteSize(other.m_byteSize)
    , m_hasAlpha(other.m_hasAlpha)
    , m_premultiplied(other.m_premultiplied)
{
    if (m_block)
        ++m_block->refCount;
}

UIImage& UIImage::operator=(const UIImage& other) noexcept
{
    if (this != &other) {
        UIImage copy(other);
        *this = std::move(copy);
    }
    return *this;
}

UIImage::UIImage(UIImage&& other) noexcept
    : m_block(other.m_block)
    , m_width(other.m_width)
    , m_height(other.m_height)
    , m_bitsPerPixel(other.m_bitsPerPixel)
    , m_stride(other.m_stride)
    , m_byteSize(other.m_byteSize)
    , m_hasAlpha(other.m_hasAlpha)
    , m_premultiplied(other.m_premultiplied)
{
    other.m_block = nullptr;
    other.release();
}

UIImage& UIImage::operator=(UIImage&& other) noexcept
{
    if (this != &other) {
        release();
        std::swap(m_block, other.m_block);
        m_width = other.m_width;
        m_height = other.m_height;
        m_bitsPerPixel = other.m_bitsPerPixel;
        m_stride = other.m_stride;
        m_byteSize = other.m_byteSize;
        m_hasAlpha = other.m_hasAlpha;
        m_premultiplied = other.m_premultiplied;
        other.release();
    }
    return *this;
}

void UIImage::release()
{
    if (m_block && --m_block->refCount == 0)
        delete m_block;
    m_block = nullptr;
    m_width = m_height = m_bitsPerPixel = m_stride = m_byteSize = 0;
    m_hasAlpha = m_premultiplied = false;
}

int32_t UIImage::shareCount() const { return m_block ? m_block->refCount : 0; }

bool UIImage::detach()
{
    if (!m_block || m_block->refCount == 1)
        return true;
    UIImage own = copy();
    if (own.isEmpty())
        return false;
    *this = std::move(own);
    return true;
}

UIImage UIImage::copy() const
{
    if (isEmpty())
        return {};
    UIImage result(m_width, m_height, m_hasAlpha);
    if (result.isEmpty())
        return {};
    std::memcpy(result.m_block->memory.bits(), m_block->memory.bits(), static_cast<size_t>(m_byteSize));
    result.m_premultiplied = m_premultiplied;
    return result;
}

UIImage UIImage::copy(const Rect& region) const
{
    const Rect area = region.intersected(rect());
    if (area.isEmpty())
        return {};
    UIImage result(area.width, area.height, m_hasAlpha);
    if (result.isEmpty())
        return {};
    result.m_premultiplied = m_premultiplied;
    const size_t rowBytes = static_cast<size_t>(area.width) * bytesPerPixel();
    for (int32_t y = 0; y < area.height; ++y)
        std::memcpy(result.m_block->memory.bits() + static_cast<ptrdiff_t>(y) * result.m_stride,
                    constScanLine(area.y + y) + static_cast<ptrdiff_t>(area.x) * bytesPerPixel(), rowBytes);
    return result;
}

// ---------------------------------------------------------------------------
// Pixel access

const uint8_t* UIImage::constBits() const { return m_block ? m_block->memory.bits() : nullptr; }

uint8_t* UIImage::bits()
{
    // A failed private copy leaves the image shared; writing would then
    // change the other images too, so hand out nothing instead.
    if (!detach())
        return nullptr;
    return m_block ? m_block->memory.bits() : nullptr;
}

uint32_t UIImage::pixel(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return loadPixel(constScanLine(y) + static_cast<ptrdiff_t>(x) * bytesPerPixel(), bytesPerPixel());
}

void UIImage::setPixel(int32_t x, int32_t y, uint32_t argb)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    uint8_t* row = bits();
    if (!row)
        return;
    storePixel(row + static_cast<ptrdiff_t>(y) * m_stride + static_cast<ptrdiff_t>(x) * bytesPerPixel(),
               bytesPerPixel(), argb);
}

void UIImage::fill(uint32_t argb) { fillRect(rect(), argb); }

void UIImage::fillRect(const Rect& area, uint32_t argb)
{
    const Rect r = area.intersected(rect());
    if (r.isEmpty())
        return;
    uint8_t* base = bits();
    if (!base)
        return;
    const int32_t bpp = bytesPerPixel();
    const size_t rowBytes = static_cast<size_t>(r.width) * bpp;
    uint8_t* first = base + static_cast<ptrdiff_t>(r.y) * m_stride + static_cast<ptrdiff_t>(r.x) * bpp;
    if (bpp == 4) {
        auto* p = first;
        for (int32_t x = 0; x < r.width; ++x, p += 4)
            storePixel(p, 4, argb);
    } else {
        // Bytes of one pixel repeated; rows of equal bytes fill with memset.
        const uint8_t b = uint8_t(argb), g = uint8_t(argb >> 8), red = uint8_t(argb >> 16);
        if (b == g && g == red) {
            std::memset(first, b, rowBytes);
        } else {
            auto* p = first;
            for (int32_t x = 0; x < r.width; ++x, p += 3)
                storePixel(p, 3, argb);
        }
    }
    for (int32_t y = 1; y < r.height; ++y)
        std::memcpy(first + static_cast<ptrdiff_t>(y) * m_stride, first, rowBytes);
}

void UIImage::copyFrom(const UIImage& source, const Rect& sourceRect, Point destination)
{
    if (isEmpty() || source.isEmpty())
        return;
    // Clip the source rectangle to the source, then the destination to this
    // image, moving the other side by the same amount.
    Rect src = sourceRect.intersected(source.rect());
    if (src.isEmpty())
        return;
    Point dst{destination.x + (src.x - sourceRect.x), destination.y + (src.y - sourceRect.y)};
    const Rect target = Rect{dst.x, dst.y, src.width, src.height}.intersected(rect());
    if (target.isEmpty())
        return;
    src = {src.x + (target.x - dst.x), src.y + (target.y - dst.y), target.width, target.height};

    // Keep the source's pixels alive and unchanged even when it shares this
    // image's block: detaching below may move this image to a new block.
    const UIImage keep = source;
    if (!bits())
        return;
    const int32_t sbpp = keep.bytesPerPixel(), dbpp = bytesPerPixel();
    const bool sameBlock = keep.m_block == m_block;
    const auto copyRow = [&](int32_t y) {
        convertRow(keep.constScanLine(src.y + y) + static_cast<ptrdiff_t>(src.x) * sbpp, sbpp,
                   m_block->memory.bits() + static_cast<ptrdiff_t>(target.y + y) * m_stride
                       + static_cast<ptrdiff_t>(target.x) * dbpp,
                   dbpp, target.width);
    };
    // Within one block, copy rows in the order that never reads a row
    // already overwritten (memmove handles overlap inside a row).
    if (sameBlock && target.y > src.y) {
        for (int32_t y = target.height - 1; y >= 0; --y)
            copyRow(y);
    } else {
        for (int32_t y = 0; y < target.height; ++y)
            copyRow(y);
    }
}

// ---------------------------------------------------------------------------
// Resampling
//
// Each pass maps rows (or columns) of `inSize` samples to `outSize` samples
// with a Catmull-Rom kernel. When shrinking, the kernel is stretched by the
// ratio so every source sample contributes (area-like averaging, no
// aliasing). Taps beyond the edges fold onto the edge sample, which keeps the
// contributions contiguous: output i reads `count[i]` samples from `first[i]`.

namespace {

struct Contributions {
    std::vector<int32_t> first;
    std::vector<int32_t> count;
    std::vector<int32_t> offset; // into weights
    std::vector<double> weights;
};

double catmullRom(double x)
{
    x = std::fabs(x);
    if (x < 1.0)
        return (1.5 * x - 2.5) * x * x + 1.0;
    if (x < 2.0)
        return ((-0.5 * x + 2.5) * x - 4.0) * x + 2.0;
    return 0.0;
}

Contributions contributions(int32_t inSize, int32_t outSize)
{
    constexpr double kKernelRadius = 2.0;
    const double ratio = static_cast<double>(inSize) / outSize;
    const double stretch = std::max(ratio, 1.0);
    const double support = kKernelRadius * stretch;

    Contributions c;
    c.first.resize(outSize);
    c.count.resize(outSize);
    c.offset.resize(outSize);
    c.weights.reserve(static_cast<size_t>(outSize) * (static_cast<size_t>(std::ceil(support)) * 2 + 1));
    std::vector<double> taps;
    for (int32_t i = 0; i < outSize; ++i) {
        const double centre = (i + 0.5) * ratio - 0.5;
        const auto lo = static_cast<int32_t>(std::floor(centre - support)) + 1;
        const auto hi = static_cast<int32_t>(std::ceil(centre + support)) - 1;
        const int32_t first = std::clamp(lo, 0, inSize - 1);
        const int32_t last = std::clamp(hi, 0, inSize - 1);
        taps.assign(static_cast<size_t>(last - first + 1), 0.0);
        double sum = 0.0;
        for (int32_t j = lo; j <= hi; ++j) {
            const double w = catmullRom((j - centre) / stretch);
            taps[static_cast<size_t>(std::clamp(j, 0, inSize - 1) - first)] += w;
            sum += w;
        }
        c.first[i] = first;
        c.count[i] = last - first + 1;
        c.offset[i] = static_cast<int32_t>(c.weights.size());
        for (double w : taps)
            c.weights.push_back(sum != 0.0 ? w / sum : 1.0 / static_cast<double>(taps.size()));
    }
    return c;
}

inline uint8_t toByte(double v)
{
    const double r = std::round(v);
    return static_cast<uint8_t>(r <= 0.0 ? 0.0 : (r >= 255.0 ? 255.0 : r));
}

// Horizontal pass: every row of `src` (srcWidth wide) to dstWidth.
void scaleRows(const UIImage& src, UIImage& dst)
{
    const int32_t bpp = src.bytesPerPixel();
    if (src.width() == dst.width()) {
        for (int32_t y = 0; y < dst.height(); ++y)
            std::memcpy(dst.scanLine(y), src.constScanLine(y), static_cast<size_t>(src.width()) * bpp);
        return;
    }
    const Contributions c = contributions(src.width(), dst.width());
    uint8_t* out = dst.bits();
    for (int32_t y = 0; y < dst.height(); ++y) {
        const uint8_t* in = src.constScanLine(y);
        uint8_t* o = out + static_cast<ptrdiff_t>(y) * dst.stride();
        for (int32_t x = 0; x < dst.width(); ++x, o += bpp) {
            double acc[4] = {0.0, 0.0, 0.0, 0.0};
            const double* w = c.weights.data() + c.offset[x];
            const uint8_t* p = in + static_cast<ptrdiff_t>(c.first[x]) * bpp;
            for (int32_t k = 0; k < c.count[x]; ++k, p += bpp)
                for (int32_t ch = 0; ch < bpp; ++ch)
                    acc[ch] += w[k] * p[ch];
            for (int32_t ch = 0; ch < bpp; ++ch)
                o[ch] = toByte(acc[ch]);
        }
    }
}

// Vertical pass: every column of `src` (srcHeight high) to dstHeight. Rows
// are accumulated whole, which keeps the memory access sequential.
void scaleColumns(const UIImage& src, UIImage& dst)
{
    const size_t rowBytes = static_cast<size_t>(src.width()) * src.bytesPerPixel();
    if (src.height() == dst.height()) {
        for (int32_t y = 0; y < dst.height(); ++y)
            std::memcpy(dst.scanLine(y), src.constScanLine(y), rowBytes);
        return;
    }
    const Contributions c = contributions(src.height(), dst.height());
    std::vector<double> acc(rowBytes);
    uint8_t* out = dst.bits();
    for (int32_t y = 0; y < dst.height(); ++y) {
        std::fill(acc.begin(), acc.end(), 0.0);
        const double* w = c.weights.data() + c.offset[y];
        for (int32_t k = 0; k < c.count[y]; ++k) {
            const uint8_t* in = src.constScanLine(c.first[y] + k);
            const double wk = w[k];
            for (size_t i = 0; i < rowBytes; ++i)
                acc[i] += wk * in[i];
        }
        uint8_t* o = out + static_cast<ptrdiff_t>(y) * dst.stride();
        for (size_t i = 0; i < rowBytes; ++i)
            o[i] = toByte(acc[i]);
    }
}

} // namespace

ScalePassOrder UIImage::scalePassOrder(Size from, Size to)
{
    const int64_t horizontalFirst = static_cast<int64_t>(to.width) * from.height;
    const int64_t verticalFirst = static_cast<int64_t>(from.width) * to.height;
    return horizontalFirst <= verticalFirst ? ScalePassOrder::HorizontalFirst : ScalePassOrder::VerticalFirst;
}

UIImage UIImage::scaled(int32_t width, int32_t height) const
{
    if (isEmpty() || width <= 0 || height <= 0)
        return {};
    UIImage result;
    if (scalePassOrder(size(), {width, height}) == ScalePassOrder::HorizontalFirst) {
        UIImage middle(width, m_height, m_hasAlpha);
        result = UIImage(width, height, m_hasAlpha);
        if (middle.isEmpty() || result.isEmpty())
            return {};
        scaleRows(*this, middle);
        scaleColumns(middle, result);
    } else {
        UIImage middle(m_width, height, m_hasAlpha);
        result = UIImage(width, height, m_hasAlpha);
        if (middle.isEmpty() || result.isEmpty())
            return {};
        scaleColumns(*this, middle);
        scaleRows(middle, result);
    }
    result.m_premultiplied = m_premultiplied;
    return result;
}

// ---------------------------------------------------------------------------
// Files

namespace {

constexpr uint32_t kPixMagic = 777;
constexpr size_t kPixHeaderSize = 16;

// The pixel byte count a pix header announces, when the header is valid:
// the magic, positive sides within the pix bounds, and a byte count of
// width x height x 4 (all in 64 bits) within them too.
std::optional<uint32_t> pixByteCount(const uint8_t* header)
{
    if (readLe32(header) != kPixMagic)
        return std::nullopt;
    const auto width = static_cast<int32_t>(readLe32(header + 4));
    const auto height = static_cast<int32_t>(readLe32(header + 8));
    const uint32_t byteCount = readLe32(header + 12);
    if (width <= 0 || height <= 0 || width > UIImage::kMaxPixSide || height > UIImage::kMaxPixSide
        || byteCount > UIImage::kMaxPixBytes
        || byteCount != static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4)
        return std::nullopt;
    return byteCount;
}

// Receives decoded pixels straight into a new 32-bit image.
platform::PixelAllocator allocatorInto(UIImage& image)
{
    return [&image](int32_t width, int32_t height) {
        image = UIImage(width, height, true);
        if (image.isEmpty())
            return platform::PixelRows{};
        return platform::PixelRows{image.bits(), width, height, image.stride(), 32};
    };
}

} // namespace

bool UIImage::load(StringView path)
{
    UIImage decoded;
    const bool ok = platform::decodeImageFile(path, allocatorInto(decoded)) && !decoded.isEmpty();
    *this = ok ? std::move(decoded) : UIImage();
    return ok;
}

bool UIImage::loadFromMemory(const uint8_t* data, size_t size)
{
    UIImage decoded;
    const bool ok = data && size > 0 && platform::decodeImage(data, size, allocatorInto(decoded)) && !decoded.isEmpty();
    *this = ok ? std::move(decoded) : UIImage();
    return ok;
}

bool UIImage::save(StringView path) const
{
    const auto type = platform::imageFileTypeForExtension(platform::fileExtension(path));
    return type && save(path, *type);
}

bool UIImage::save(StringView path, platform::ImageFileType type) const
{
    if (isEmpty())
        return false;
    const platform::PixelLayout layout = !m_hasAlpha ? platform::PixelLayout::Rgb24
        : m_premultiplied                            ? platform::PixelLayout::PremultipliedArgb32
                                                     : platform::PixelLayout::Argb32;
    // The encoder only reads the rows.
    const platform::PixelRows rows{const_cast<uint8_t*>(constBits()), m_width, m_height, m_stride, m_bitsPerPixel};
    return platform::encodeImageFile(path, type, rows, layout);
}

UIImage UIImage::fromPix(const uint8_t* data, size_t size)
{
    if (!data || size < kPixHeaderSize + 1)
        return {};
    const auto byteCount = pixByteCount(data);
    if (!byteCount || size != *byteCount + kPixHeaderSize)
        return {};
    UIImage image(static_cast<int32_t>(readLe32(data + 4)), static_cast<int32_t>(readLe32(data + 8)), true);
    if (image.isEmpty())
        return {};
    // 32-bit rows have no padding, so the block is the file's pixels as is.
    std::memcpy(image.bits(), data + kPixHeaderSize, *byteCount);
    return image;
}

UIImage UIImage::loadPix(StringView path)
{
    // The header bounds the read: a file whose header is wrong, or that is
    // longer than its header says, is never read whole.
    const auto header = platform::readFileStart(path, kPixHeaderSize);
    if (!header || header->size() != kPixHeaderSize)
        return {};
    const auto byteCount = pixByteCount(header->data());
    if (!byteCount)
        return {};
    const auto bytes = platform::readFile(path, *byteCount + kPixHeaderSize);
    if (!bytes)
        return {};
    return fromPix(bytes->data(), bytes->size());
}

platform::Bytes UIImage::toPix() const
{
    const size_t pixelBytes = static_cast<size_t>(m_width) * m_height * 4;
    // An image the reader would refuse is not written either.
    if (isEmpty() || m_width > kMaxPixSide || m_height > kMaxPixSide || pixelBytes > kMaxPixBytes)
        return {};
    platform::Bytes bytes(kPixHeaderSize + pixelBytes);
    writeLe32(bytes.data(), kPixMagic);
    writeLe32(bytes.data() + 4, static_cast<uint32_t>(m_width));
    writeLe32(bytes.data() + 8, static_cast<uint32_t>(m_height));
    writeLe32(bytes.data() + 12, static_cast<uint32_t>(pixelBytes));
    uint8_t* out = bytes.data() + kPixHeaderSize;
    if (m_bitsPerPixel == 32) {
        std::memcpy(out, constBits(), pixelBytes);
    } else {
        for (int32_t y = 0; y < m_height; ++y)
            convertRow(constScanLine(y), 3, out + static_cast<size_t>(y) * m_width * 4, 4, m_width);
    }
    return bytes;
}

bool UIImage::savePix(StringView path) const
{
    const platform::Bytes bytes = toPix();
    return !bytes.empty() && platform::writeFile(path, bytes);
}

// ---------------------------------------------------------------------------
// Native

void* UIImage::nativeBitmap() const { return m_block ? m_block->memory.nativeBitmap() : nullptr; }

platform::NativeBitmap UIImage::toNativeBitmap() const
{
    if (isEmpty())
        return {};
    return platform::createNativeBitmap(
        {const_cast<uint8_t*>(constBits()), m_width, m_height, m_stride, m_bitsPerPixel});
}

UIImage UIImage::fromNativeBitmap(void* bitmap)
{
    int32_t width = 0, height = 0;
    if (!bitmap || !platform::nativeBitmapSize(bitmap, width, height) || width <= 0 || height <= 0)
        return {};
    UIImage image(width, height, true);
    if (image.isEmpty())
        return {};
    if (!platform::readNativeBitmap(bitmap, {image.bits(), width, height, image.stride(), 32}))
        return {};
    return image;
}

platform::NativeIcon UIImage::toNativeIcon(bool isCursor, int32_t hotspotX, int32_t hotspotY) const
{
    if (isEmpty() || m_width != m_height)
        return {};
    // The icon is built from a 32-bit copy with straight alpha (icons are not
    // premultiplied). The system
    // only honours an icon's alpha channel when some alpha is not zero; a
    // first pixel of colour 0 with alpha 1 guarantees that without showing.
    std::vector<uint8_t> rows(static_cast<size_t>(m_width) * m_height * 4);
    for (int32_t y = 0; y < m_height; ++y)
        convertRow(constScanLine(y), bytesPerPixel(), rows.data() + static_cast<size_t>(y) * m_width * 4, 4, m_width);
    if (m_hasAlpha && m_premultiplied) {
        for (size_t i = 0; i < rows.size(); i += 4) {
            const uint32_t a = rows[i + 3];
            for (size_t c = 0; c < 3 && a != 0 && a != 255; ++c)
                rows[i + c] = static_cast<uint8_t>(std::min<uint32_t>(255, (rows[i + c] * 255 + a / 2) / a));
        }
    }
    if (rows[3] == 0) {
        rows[0] = rows[1] = rows[2] = 0;
        rows[3] = 1;
    }
    if (hotspotX < 0)
        hotspotX = m_width / 2;
    if (hotspotY < 0)
        hotspotY = m_height / 2;
    return platform::createNativeIcon({rows.data(), m_width, m_height, m_width * 4, 32}, isCursor, hotspotX, hotspotY);
}
