#include "platform/ClipboardBlocks.h"
#include "tests/fuzz/FuzzTargets.h"
#include "ui/core/UIMimeData.h"

#include <array>

namespace {

// Dragged data whose four formats are cut from the input: each block is
// preceded by its 16-bit little-endian length (cut short at the end).
class FuzzDragData final : public platform::DragData {
public:
    FuzzDragData(const uint8_t* data, size_t size)
    {
        size_t pos = 0;
        for (auto& block : m_blocks) {
            if (pos + 2 > size)
                break;
            const size_t length = std::min<size_t>(data[pos] | size_t(data[pos + 1]) << 8, size - pos - 2);
            pos += 2;
            block = platform::Bytes(data + pos, data + pos + length);
            pos += length;
        }
    }

    std::optional<platform::Bytes> block(platform::DragFormat format) const override
    {
        return m_blocks[static_cast<size_t>(format)];
    }

private:
    std::array<std::optional<platform::Bytes>, 4> m_blocks;
};

void fuzzDib(const platform::Bytes& block)
{
    if (const std::optional<platform::DibLayout> layout = platform::dibLayout(block)) {
        fuzzCheck(layout->width > 0 && layout->height > 0, "a bitmap layout without pixels");
        fuzzCheck(layout->pixelOffset + layout->stride * size_t(layout->height) <= block.size(),
                  "a bitmap's rows run past its block");
    }
    const UIImage image = UIMimeData::imageFromDib(block);
    fuzzCheck(image.isEmpty() || platform::dibLayout(block).has_value(), "an image from a refused bitmap");
}

} // namespace

void fuzzClipboard(const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    const platform::Bytes block(data + 1, data + size);
    // Each reader's result, written with the matching writer, reads back
    // the same.
    switch (data[0] % 5) {
    case 0:
        // An empty text's block is the bare terminator, which readers refuse
        // as too short to hold text.
        if (const std::optional<String> text = platform::textFromBlock(block); text && !text->empty())
            fuzzCheck(platform::textFromBlock(platform::textBlock(*text)) == text, "text does not read back");
        break;
    case 1: {
        const std::vector<String> paths = platform::filePathsFromBlock(block);
        fuzzCheck(platform::filePathsFromBlock(platform::filePathsBlock(paths)) == paths,
                  "a file list does not read back");
        break;
    }
    case 2:
        if (const std::optional<platform::PrivateEntry> entry = platform::privateEntryFromBlock(block)) {
            const auto reread = platform::privateEntryFromBlock(platform::privateBlock(entry->type, entry->payload));
            fuzzCheck(reread && reread->type == entry->type && reread->payload == entry->payload,
                      "a private entry does not read back");
        }
        break;
    case 3:
        fuzzDib(block);
        break;
    default: {
        const UIMimeData mime = UIMimeData::fromDragData(FuzzDragData(data + 1, size - 1));
        for (const String& type : mime.formats())
            mime.data(type);
        mime.text();
        mime.filePaths();
        mime.image();
        break;
    }
    }
}
