// File-extension rules of the image codecs, shared by every platform.
#include "platform/ImageCodec.h"

namespace platform {

namespace {

bool equalsIgnoringAsciiCase(StringView a, StringView b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i], y = b[i];
        if (x >= u'A' && x <= u'Z')
            x = static_cast<char16_t>(x - u'A' + u'a');
        if (y >= u'A' && y <= u'Z')
            y = static_cast<char16_t>(y - u'A' + u'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

std::optional<ImageFileType> imageFileTypeForExtension(StringView extension)
{
    struct Entry {
        StringView extension;
        ImageFileType type;
    };
    static constexpr Entry table[] = {
        {u"bmp", ImageFileType::Bmp},  {u"jpg", ImageFileType::Jpeg}, {u"jpeg", ImageFileType::Jpeg},
        {u"png", ImageFileType::Png},  {u"tif", ImageFileType::Tiff}, {u"tiff", ImageFileType::Tiff},
        {u"gif", ImageFileType::Gif},
    };
    for (const Entry& entry : table)
        if (equalsIgnoringAsciiCase(extension, entry.extension))
            return entry.type;
    return std::nullopt;
}

String fileExtension(StringView path)
{
    size_t start = 0;
    for (size_t i = path.size(); i > 0; --i) {
        if (path[i - 1] == u'/' || path[i - 1] == u'\\') {
            start = i;
            break;
        }
    }
    const StringView name = path.substr(start);
    const size_t dot = name.rfind(u'.');
    if (dot == StringView::npos)
        return {};
    return String(name.substr(dot + 1));
}

} // namespace platform
