// The format handler list and its two kinds of handlers: the toolkit's own
// raw "pix" format and the formats of the platform's imaging library.
#include "ui/core/ImageFormats.h"

#include "platform/FileSystem.h"

#include <utility>

namespace {

bool sameTextIgnoringAsciiCase(StringView a, StringView b)
{
    if (a.size() != b.size())
        return false;
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

class PixFormatHandler final : public ImageFormatHandler {
public:
    PixFormatHandler() : ImageFormatHandler(u"pix") {}
    UIImage load(StringView path) const override { return UIImage::loadPix(path); }
    UIImage loadFromMemory(const uint8_t* data, size_t size) const override { return UIImage::fromPix(data, size); }
    bool save(StringView path, const UIImage& image) const override { return image.savePix(path); }
};

// Decoding recognises the format from the content; encoding always writes
// the handler's own format, whatever the file's extension.
class LibraryFormatHandler final : public ImageFormatHandler {
public:
    LibraryFormatHandler(String name, platform::ImageFileType type) : ImageFormatHandler(std::move(name)), m_type(type)
    {}
    UIImage load(StringView path) const override
    {
        UIImage image;
        image.load(path);
        return image;
    }
    UIImage loadFromMemory(const uint8_t* data, size_t size) const override
    {
        UIImage image;
        image.loadFromMemory(data, size);
        return image;
    }
    bool save(StringView path, const UIImage& image) const override { return image.save(path, m_type); }

private:
    platform::ImageFileType m_type;
};

} // namespace

bool ImageFormatHandler::canHandle(StringView extension) const { return sameTextIgnoringAsciiCase(extension, m_name); }

ImageFormats::ImageFormats()
{
    m_handlers.push_back(std::make_unique<PixFormatHandler>());
    using platform::ImageFileType;
    const std::pair<const char16_t*, ImageFileType> library[] = {{u"bmp", ImageFileType::Bmp},
                                                                 {u"jpeg", ImageFileType::Jpeg},
                                                                 {u"png", ImageFileType::Png},
                                                                 {u"tiff", ImageFileType::Tiff},
                                                                 {u"gif", ImageFileType::Gif}};
    for (const auto& [name, type] : library)
        m_handlers.push_back(std::make_unique<LibraryFormatHandler>(name, type));
}

ImageFormats::~ImageFormats() = default;

const ImageFormatHandler* ImageFormats::handler(StringView typeName) const
{
    for (const auto& handler : m_handlers)
        if (handler->canHandle(typeName))
            return handler.get();
    return nullptr;
}

UIImage ImageFormats::load(StringView path, StringView typeName) const
{
    if (!typeName.empty()) {
        const ImageFormatHandler* chosen = handler(typeName);
        return chosen ? chosen->load(path) : UIImage();
    }
    if (const ImageFormatHandler* chosen = handler(platform::fileExtension(path)))
        return chosen->load(path);
    UIImage image;
    image.load(path);
    return image;
}

UIImage ImageFormats::loadFromMemory(const uint8_t* data, size_t size, StringView typeName) const
{
    if (!typeName.empty()) {
        const ImageFormatHandler* chosen = handler(typeName);
        return chosen ? chosen->loadFromMemory(data, size) : UIImage();
    }
    // A "pix" block announces itself by its magic number.
    if (data && size >= 4 && data[0] == 0x09 && data[1] == 0x03 && data[2] == 0 && data[3] == 0)
        return UIImage::fromPix(data, size);
    UIImage image;
    image.loadFromMemory(data, size);
    return image;
}

bool ImageFormats::save(StringView path, const UIImage& image, StringView typeName) const
{
    // A type name, when given, decides the format; else the extension does.
    const String extension = platform::fileExtension(path);
    const StringView type = typeName.empty() ? StringView(extension) : typeName;
    if (const ImageFormatHandler* chosen = handler(type))
        return chosen->save(path, image);
    // "jpg", "tif": the library's extension rule still knows them.
    const auto libraryType = platform::imageFileTypeForExtension(type);
    return libraryType && image.save(path, *libraryType);
}
