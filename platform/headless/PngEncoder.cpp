#include "platform/headless/PngEncoder.h"
#include "platform/PngFormat.h"

#include <zlib.h>

#include <algorithm>

namespace platform::headless {

namespace {

void appendBig32(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

} // namespace

std::optional<Bytes> encodePng(const PixelRows& rows, bool premultiplied)
{
    if (!rows.bits || rows.width <= 0 || rows.height <= 0 || (rows.bitsPerPixel != 24 && rows.bitsPerPixel != 32))
        return std::nullopt;
    const size_t width = size_t(rows.width), height = size_t(rows.height);
    const size_t inBytes = size_t(rows.bitsPerPixel / 8);
    Bytes raw;
    raw.reserve((width * 4 + 1) * height);
    for (size_t y = 0; y < height; ++y) {
        raw.push_back(0);
        const uint8_t* in = rows.bits + y * size_t(rows.stride);
        for (size_t x = 0; x < width; ++x, in += inBytes) {
            const uint8_t a = inBytes == 4 ? in[3] : 255;
            uint8_t rgb[3] = {in[2], in[1], in[0]};
            if (premultiplied && a != 0 && a != 255)
                for (uint8_t& c : rgb)
                    c = static_cast<uint8_t>(std::min(255, (c * 255 + a / 2) / a));
            raw.insert(raw.end(), {rgb[0], rgb[1], rgb[2], a});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    if (compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size())) != Z_OK)
        return std::nullopt;
    packed.resize(packedSize);

    Bytes out(png::kSignature.begin(), png::kSignature.end());
    const auto chunk = [&out](const char* type, const Bytes& body) {
        appendBig32(out, static_cast<uint32_t>(body.size()));
        const size_t start = out.size();
        out.insert(out.end(), type, type + 4);
        out.insert(out.end(), body.begin(), body.end());
        appendBig32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
    };
    Bytes header;
    appendBig32(header, static_cast<uint32_t>(width));
    appendBig32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, png::Rgba, 0, 0, 0});
    chunk("IHDR", header);
    chunk("IDAT", packed);
    chunk("IEND", {});
    return out;
}

} // namespace platform::headless
