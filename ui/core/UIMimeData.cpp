#include "ui/core/UIMimeData.h"
#include "platform/ClipboardBlocks.h"

#include <algorithm>

namespace {

template <class T>
T payloadOr(const T* value)
{
    return value ? *value : T();
}

} // namespace

String UIMimeData::text() const
{
    const Payload* payload = find(kTextType);
    return payloadOr(payload ? std::get_if<String>(payload) : nullptr);
}

void UIMimeData::setText(String text) { set(kTextType, std::move(text)); }

std::vector<String> UIMimeData::filePaths() const
{
    const Payload* payload = find(kFilePathListType);
    return payloadOr(payload ? std::get_if<std::vector<String>>(payload) : nullptr);
}

void UIMimeData::setFilePaths(std::vector<String> paths) { set(kFilePathListType, std::move(paths)); }

UIImage UIMimeData::image() const
{
    const Payload* payload = find(kImageType);
    return payloadOr(payload ? std::get_if<UIImage>(payload) : nullptr);
}

void UIMimeData::setImage(UIImage image) { set(kImageType, std::move(image)); }

platform::Bytes UIMimeData::data(StringView type) const
{
    const Payload* payload = find(type);
    return payloadOr(payload ? std::get_if<platform::Bytes>(payload) : nullptr);
}

bool UIMimeData::setData(StringView type, platform::Bytes bytes)
{
    if (type.empty() || type == kTextType || type == kFilePathListType || type == kImageType)
        return false;
    set(type, std::move(bytes));
    return true;
}

bool UIMimeData::hasFormat(StringView type) const { return find(type) != nullptr; }

std::vector<String> UIMimeData::formats() const
{
    std::vector<String> names;
    for (const Entry& entry : m_entries)
        names.push_back(entry.type);
    return names;
}

void UIMimeData::set(StringView type, Payload payload)
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.type == type; });
    if (found != m_entries.end())
        found->payload = std::move(payload);
    else
        m_entries.push_back({String(type), std::move(payload)});
}

const UIMimeData::Payload* UIMimeData::find(StringView type) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.type == type; });
    return found == m_entries.end() ? nullptr : &found->payload;
}

UIMimeData UIMimeData::fromDragData(const platform::DragData& data)
{
    using platform::DragFormat;
    UIMimeData mime;
    if (const auto block = data.block(DragFormat::UnicodeText))
        if (auto text = platform::textFromBlock(*block))
            mime.setText(std::move(*text));
    if (const auto block = data.block(DragFormat::FileDrop))
        if (auto paths = platform::filePathsFromBlock(*block); !paths.empty())
            mime.setFilePaths(std::move(paths));
    if (const auto block = data.block(DragFormat::Dib))
        if (UIImage image = imageFromDib(*block); !image.isEmpty())
            mime.setImage(std::move(image));
    if (const auto block = data.block(DragFormat::Private))
        if (auto entry = platform::privateEntryFromBlock(*block))
            mime.setData(entry->type, std::move(entry->payload));
    return mime;
}

UIImage UIMimeData::imageFromDib(const platform::Bytes& block)
{
    const std::optional<platform::DibLayout> layout = platform::dibLayout(block);
    if (!layout)
        return {};
    const bool wide = layout->bitsPerPixel == 32;
    UIImage image(layout->width, layout->height, wide);
    if (image.isEmpty())
        return {};
    const size_t rowBytes = size_t(layout->width) * size_t(layout->bitsPerPixel / 8);
    bool anyAlpha = false;
    for (int32_t y = 0; y < layout->height; ++y) {
        // Rows are stored bottom-up.
        const uint8_t* source = block.data() + layout->pixelOffset + size_t(layout->height - 1 - y) * layout->stride;
        uint8_t* target = image.scanLine(y);
        std::copy(source, source + rowBytes, target);
        for (size_t x = 3; wide && x < rowBytes && !anyAlpha; x += 4)
            anyAlpha = source[x] != 0;
    }
    if (wide && !anyAlpha)
        for (int32_t y = 0; y < layout->height; ++y) {
            uint8_t* row = image.scanLine(y);
            for (int32_t x = 0; x < layout->width; ++x)
                row[x * 4 + 3] = 0xFF;
        }
    return image;
}
