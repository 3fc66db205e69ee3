// Path text helpers shared by every platform: they only depend on the
// platform's separator.
#include "platform/FileSystem.h"

namespace platform {

bool hasPathSeparator(StringView text) { return text.find(pathSeparator()) != StringView::npos; }

String joinPath(StringView folder, StringView name)
{
    String path(folder);
    if (!path.empty() && path.back() != pathSeparator())
        path.push_back(pathSeparator());
    path.append(name);
    return path;
}

String fileName(StringView path)
{
    const size_t cut = path.rfind(pathSeparator());
    return String(cut == StringView::npos ? path : path.substr(cut + 1));
}

String folderOf(StringView path)
{
    const size_t cut = path.rfind(pathSeparator());
    return cut == StringView::npos ? String() : String(path.substr(0, cut));
}

} // namespace platform
