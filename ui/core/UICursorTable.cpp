#include "ui/core/UICursorTable.h"
#include "app/Application.h"
#include "app/Package.h"
#include "platform/InputState.h"
#include "ui/core/PackageImage.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UIImage.h"
#include "xml/XmlDocument.h"

#include <array>
#include <utility>

namespace {

using platform::SystemCursor;

constexpr std::array<std::pair<int32_t, SystemCursor>, 12> kSystemCursors = {{
    {1, SystemCursor::Arrow},
    {2, SystemCursor::Cross},
    {3, SystemCursor::Wait},
    {4, SystemCursor::TextBeam},
    {9, SystemCursor::SizeVertical},
    {10, SystemCursor::SizeHorizontal},
    {11, SystemCursor::SizeDiagonalUp},
    {12, SystemCursor::SizeDiagonalDown},
    {13, SystemCursor::SizeAll},
    {26, SystemCursor::Arrow},
    {27, SystemCursor::Arrow},
    {28, SystemCursor::Arrow},
}};

constexpr std::array<std::pair<std::u16string_view, CursorId>, 16> kCustomCursors = {{
    {u"hand", CursorId::Hand},
    {u"hand_open", CursorId::HandOpen},
    {u"hand_close", CursorId::HandClose},
    {u"hand_finger", CursorId::HandFinger},
    {u"lens", CursorId::Lens},
    {u"lens_plus", CursorId::LensPlus},
    {u"lens_minus", CursorId::LensMinus},
    {u"split_top_bottom", CursorId::SplitTopBottom},
    {u"split_left_right", CursorId::SplitLeftRight},
    {u"split_left", CursorId::SplitLeft},
    {u"split_right", CursorId::SplitRight},
    {u"split_top", CursorId::SplitTop},
    {u"split_bottom", CursorId::SplitBottom},
    {u"pipette", CursorId::Pipette},
    {u"target", CursorId::Target},
    {u"empty", CursorId::Empty},
}};

constexpr StringView kCursorFolder = u"cursors";

} // namespace

CursorId cursorIdOf(StringView name)
{
    for (const auto& [cursorName, id] : kCustomCursors)
        if (cursorName == name)
            return id;
    return CursorId::Arrow;
}

void UICursorTable::build(const Package* data)
{
    m_entries.clear();
    m_built = true;
    for (const auto& [id, shape] : kSystemCursors)
        m_entries.push_back({id, platform::systemCursor(shape), {}});

    const PackageFile* file = data ? data->file(kCursorFolder, u"cursors.xml") : nullptr;
    XmlDocument document;
    if (!file || !file->readXml(document))
        return;
    const auto topLevel = document.root().children();
    if (topLevel.empty() || (*topLevel.begin()).name() != u"cursors")
        return;
    for (const XmlElement element : (*topLevel.begin()).children()) {
        if (element.attributes().empty())
            continue;
        const String name = element.attribute(u"name");
        const CursorId id = cursorIdOf(name);
        // The arrow comes first, so a cursor under its identifier would
        // never be found: it is not worth a native handle.
        if (id == CursorId::Arrow)
            continue;
        const PackageFile* imageFile = data->file(kCursorFolder, name + u".png");
        if (!imageFile || imageFile->bytes().empty())
            continue;
        Entry entry;
        entry.id = static_cast<int32_t>(id);
        entry.encoded = imageFile->bytes();
        entry.hotspot = {parseInteger(element.attribute(u"hotspotX")), parseInteger(element.attribute(u"hotspotY"))};
        m_entries.push_back(std::move(entry));
    }
}

bool UICursorTable::resolve(Entry& entry)
{
    if (entry.encoded.empty())
        return !entry.failed;
    const UIImage image = decodePackageImage(entry.encoded.data(), entry.encoded.size());
    if (!image.isEmpty())
        entry.owned = image.toNativeIcon(true, entry.hotspot.x, entry.hotspot.y);
    entry.handle = entry.owned.handle();
    platform::Bytes().swap(entry.encoded);
    entry.failed = entry.handle == nullptr;
    return !entry.failed;
}

NativeHandle UICursorTable::nativeCursor(int32_t id)
{
    if (!m_built) {
        const Application* application = Application::instance();
        build(application ? application->package(u"data") : nullptr);
    }
    // A custom cursor that cannot be made is passed over, as if the table
    // never had it.
    for (Entry& entry : m_entries)
        if (entry.id == id && resolve(entry))
            return entry.handle;
    return m_entries.front().handle;
}
