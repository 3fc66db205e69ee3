#include "platform/ClipboardBlocks.h"
#include "platform/Locale.h"

#include <algorithm>

namespace platform {

namespace {

constexpr size_t kDropFilesHeaderBytes = 20;
constexpr size_t kDropFilesWideFlagOffset = 16;
constexpr uint32_t kDibCompressionNone = 0;

uint32_t readU32(const Bytes& block, size_t offset)
{
    return uint32_t(block[offset]) | uint32_t(block[offset + 1]) << 8 | uint32_t(block[offset + 2]) << 16
        | uint32_t(block[offset + 3]) << 24;
}

uint16_t readU16(const Bytes& block, size_t offset) { return uint16_t(block[offset] | block[offset + 1] << 8); }

char16_t unitAt(const Bytes& block, size_t offset) { return char16_t(readU16(block, offset)); }

void appendU32(Bytes& block, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        block.push_back(uint8_t(value >> shift));
}

void putU32(Bytes& block, size_t offset, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        block[offset + i] = uint8_t(value >> (8 * i));
}

void appendUnit(Bytes& block, char16_t unit)
{
    block.push_back(uint8_t(unit));
    block.push_back(uint8_t(unit >> 8));
}

} // namespace

std::optional<String> textFromBlock(const Bytes& block)
{
    const size_t size = block.size();
    if (size <= 2 || size > kMaxBlockBytes || size % 2 != 0 || unitAt(block, size - 2) != 0)
        return std::nullopt;
    String text;
    for (size_t offset = 0; offset < size; offset += 2) {
        const char16_t unit = unitAt(block, offset);
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}

Bytes textBlock(StringView text)
{
    Bytes block;
    block.reserve((text.size() + 1) * 2);
    for (char16_t unit : text)
        appendUnit(block, unit);
    appendUnit(block, 0);
    return block;
}

std::vector<String> filePathsFromBlock(const Bytes& block)
{
    std::vector<String> paths;
    if (block.size() < kDropFilesHeaderBytes || block.size() > kMaxBlockBytes)
        return paths;
    const bool wide = readU32(block, kDropFilesWideFlagOffset) != 0;
    const size_t unitSize = wide ? 2 : 1;
    size_t offset = readU32(block, 0);
    while (offset <= block.size() - unitSize) {
        // Measure first, so a path is copied whole or not at all.
        size_t end = offset;
        while (end <= block.size() - unitSize && (wide ? unitAt(block, end) : block[end]) != 0)
            end += unitSize;
        if (end > block.size() - unitSize || end == offset)
            break;
        if (paths.size() == kMaxFilePaths)
            return {};
        if (wide) {
            String path;
            path.reserve((end - offset) / 2);
            for (size_t at = offset; at < end; at += 2)
                path.push_back(unitAt(block, at));
            paths.push_back(std::move(path));
        } else {
            paths.push_back(fromAnsi(Bytes(block.begin() + ptrdiff_t(offset), block.begin() + ptrdiff_t(end))));
        }
        offset = end + unitSize;
    }
    return paths;
}

Bytes filePathsBlock(const std::vector<String>& paths)
{
    Bytes block(kDropFilesHeaderBytes, 0);
    putU32(block, 0, uint32_t(kDropFilesHeaderBytes));
    putU32(block, kDropFilesWideFlagOffset, 1);
    for (const String& path : paths) {
        for (char16_t unit : path)
            appendUnit(block, unit);
        appendUnit(block, 0);
    }
    appendUnit(block, 0);
    return block;
}

std::optional<PrivateEntry> privateEntryFromBlock(const Bytes& block)
{
    if (block.size() < kPrivateHeaderBytes || block.size() > kMaxBlockBytes)
        return std::nullopt;
    PrivateEntry entry;
    // The last unit of the name field is the terminator whatever it holds.
    for (size_t offset = 0; offset + 2 < kPrivateTypeNameBytes; offset += 2) {
        const char16_t unit = unitAt(block, offset);
        if (unit == 0)
            break;
        entry.type.push_back(unit);
    }
    const uint64_t length = readU32(block, kPrivateTypeNameBytes);
    if (entry.type.empty() || length > block.size() - kPrivateHeaderBytes)
        return std::nullopt;
    entry.payload.assign(block.begin() + ptrdiff_t(kPrivateHeaderBytes),
                         block.begin() + ptrdiff_t(kPrivateHeaderBytes + length));
    return entry;
}

Bytes privateBlock(StringView type, const Bytes& payload)
{
    Bytes block(kPrivateTypeNameBytes, 0);
    const size_t units = std::min(type.size(), kPrivateTypeNameBytes / 2 - 1);
    for (size_t i = 0; i < units; ++i) {
        block[i * 2] = uint8_t(type[i]);
        block[i * 2 + 1] = uint8_t(type[i] >> 8);
    }
    appendU32(block, uint32_t(payload.size()));
    block.insert(block.end(), payload.begin(), payload.end());
    return block;
}

std::optional<DibLayout> dibLayout(const Bytes& block)
{
    if (block.size() < kDibHeaderBytes || block.size() > kMaxBlockBytes || readU32(block, 0) != kDibHeaderBytes)
        return std::nullopt;
    DibLayout layout;
    layout.width = int32_t(readU32(block, 4));
    layout.height = int32_t(readU32(block, 8));
    const uint16_t planes = readU16(block, 12);
    layout.bitsPerPixel = readU16(block, 14);
    const uint32_t compression = readU32(block, 16);
    const uint64_t colorsUsed = readU32(block, 32);
    if (layout.width <= 0 || layout.height <= 0 || planes != 1 || compression != kDibCompressionNone
        || (layout.bitsPerPixel != 24 && layout.bitsPerPixel != 32))
        return std::nullopt;
    // 64-bit arithmetic: neither the table nor the rows can wrap around.
    const uint64_t stride = (uint64_t(layout.width) * uint64_t(layout.bitsPerPixel) + 31) / 32 * 4;
    const uint64_t pixelOffset = kDibHeaderBytes + colorsUsed * 4;
    if (pixelOffset > block.size() || stride * uint64_t(layout.height) > block.size() - pixelOffset)
        return std::nullopt;
    layout.stride = size_t(stride);
    layout.pixelOffset = size_t(pixelOffset);
    return layout;
}

Bytes dibBlock(int32_t width, int32_t height, int32_t bitsPerPixel, const Bytes& topDownPixels)
{
    Bytes block(kDibHeaderBytes, 0);
    putU32(block, 0, uint32_t(kDibHeaderBytes));
    putU32(block, 4, uint32_t(width));
    putU32(block, 8, uint32_t(height));
    block[12] = 1; // planes
    block[14] = uint8_t(bitsPerPixel);
    const size_t rowBytes = size_t(width) * size_t(bitsPerPixel / 8);
    const size_t stride = (rowBytes + 3) / 4 * 4;
    for (int32_t row = height - 1; row >= 0; --row) {
        const size_t start = size_t(row) * rowBytes;
        for (size_t i = 0; i < stride; ++i)
            block.push_back(i < rowBytes && start + i < topDownPixels.size() ? topDownPixels[start + i] : 0);
    }
    return block;
}

} // namespace platform
