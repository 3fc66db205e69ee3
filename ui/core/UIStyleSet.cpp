#include "ui/core/UIStyleSet.h"
#include "app/Package.h"
#include "platform/FileSystem.h"
#include "ui/core/PackageImage.h"
#include "ui/core/StyleValues.h"

#include <algorithm>

namespace {

// A file of a folder style set is bounded as the package holding it would
// be.
constexpr uint64_t kMaxStyleFileBytes = Package::kMaxFileBytes;

// Files of a style set by folder and file name, from a folder or an opened
// package. Only single, plain path components are looked up, so a name
// from a document cannot lead outside the set.
class StyleFiles {
public:
    StyleFiles(String location, const Package* package) : m_location(std::move(location)), m_package(package) {}

    static bool isPlainName(StringView name)
    {
        return !name.empty() && name.find_first_of(u"/\\:") == StringView::npos && name.find(u"..") == StringView::npos;
    }

    std::optional<platform::Bytes> read(StringView folder, StringView file) const
    {
        if (!isPlainName(folder) || !isPlainName(file))
            return std::nullopt;
        if (m_package) {
            const PackageFile* entry = m_package->file(folder, file);
            return entry ? std::optional<platform::Bytes>(entry->bytes()) : std::nullopt;
        }
        return platform::readFile(platform::joinPath(platform::joinPath(m_location, folder), file), kMaxStyleFileBytes);
    }

    bool readXml(StringView file, XmlDocument& document) const
    {
        const std::optional<platform::Bytes> bytes = read(u"xml", file);
        return bytes && document.parseBytes(*bytes, TextEncoding::Utf8);
    }

private:
    String m_location;
    const Package* m_package;
};

// The three comma-separated numbers of a "columns" or "rows" attribute;
// zeros unless there are exactly three.
std::array<int32_t, 3> threeParts(StringView text)
{
    std::array<int32_t, 3> values{};
    size_t start = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        const size_t end = text.find(u',', start);
        if ((end == StringView::npos) != (i == values.size() - 1))
            return {};
        values[i] = parseInteger(text.substr(start, end == StringView::npos ? StringView::npos : end - start));
        start = end + 1;
    }
    return values;
}

bool hasRoot(const XmlDocument& document, StringView name)
{
    const auto topLevel = document.root().children();
    return !topLevel.empty() && (*topLevel.begin()).name() == name;
}

} // namespace

const UIImage& UIStyleSet::standardImage(int32_t index) const
{
    static const UIImage kNone;
    if (index < 0 || index >= kStandardImageCount)
        return kNone;
    StandardImageSlot& slot = m_standardImages[static_cast<size_t>(index)];
    if (!slot.decoded) {
        slot.image = decodePackageImage(slot.encoded.data(), slot.encoded.size());
        platform::Bytes().swap(slot.encoded);
        slot.decoded = true;
    }
    return slot.image;
}

const UISkin& UIStyleSet::skin(StringView name) const
{
    static const UISkin kNone;
    for (const NamedSkin& entry : m_skins)
        if (entry.name == name)
            return entry.skin;
    return kNone;
}

std::vector<const NamedSkin*> UIStyleSet::skinsFor(StringView styleName) const
{
    std::vector<const NamedSkin*> result;
    if (styleName.empty())
        return result;
    for (const NamedSkin& entry : m_skins) {
        const StringView name = entry.name;
        // The prefix picks candidates; the class part must then be the
        // whole style name, not a longer class name that begins with it.
        if (name.starts_with(styleName) && (name.size() == styleName.size() || name[styleName.size()] == u'_'))
            result.push_back(&entry);
    }
    return result;
}

std::optional<String> findStyle(StringView name, StringView executableFolder)
{
    if (name.empty())
        return std::nullopt;
    if (name.find_first_of(u"/\\") != StringView::npos) {
        if (platform::pathKind(name) == platform::PathKind::File)
            return String(name);
        return std::nullopt;
    }
    const String file = String(name) + u".style";
    for (const String& candidate : {platform::joinPath(executableFolder, file),
                                    platform::joinPath(platform::joinPath(executableFolder, u"styles"), file)})
        if (platform::pathKind(candidate) == platform::PathKind::File)
            return candidate;
    return std::nullopt;
}

std::unique_ptr<UIStyleSet> loadStyleSet(StringView location, StyleStorage storage)
{
    if (location.empty())
        return nullptr;
    if (storage == StyleStorage::Undetermined)
        storage =
            platform::pathKind(location) == platform::PathKind::Folder ? StyleStorage::Folder : StyleStorage::Package;
    // The package is read whole into memory and closed when loading ends.
    std::unique_ptr<Package> package;
    if (storage == StyleStorage::Package && !(package = Package::open(location)))
        return nullptr;
    return UIStyleSet::load(location, storage, package.get());
}

std::unique_ptr<UIStyleSet> loadStyleSet(const Package& package, StringView location)
{
    return UIStyleSet::load(location, StyleStorage::Package, &package);
}

std::unique_ptr<UIStyleSet> UIStyleSet::load(StringView location, StyleStorage storage, const Package* package)
{
    const StyleFiles files{String(location), package};

    auto set = std::make_unique<UIStyleSet>();
    set->m_location = String(location);
    set->m_storage = storage;

    // The images are decoded on first use, but the set needs one that
    // decodes: try them in order until one does.
    for (int32_t i = 0; i < kStandardImageCount; ++i)
        set->m_standardImages[static_cast<size_t>(i)].encoded =
            files.read(u"images", standardImageFile(i)).value_or(platform::Bytes());
    bool anyImage = false;
    for (int32_t i = 0; i < kStandardImageCount && !anyImage; ++i)
        anyImage = !set->standardImage(i).isEmpty();

    XmlDocument skins;
    if (!files.readXml(u"skins.xml", skins) || !hasRoot(skins, u"skins"))
        return nullptr;
    for (const XmlElement element : (*skins.root().children().begin()).children()) {
        if (element.name() != u"skin" || element.attributes().empty())
            continue;
        SkinGeometry geometry;
        geometry.orientation =
            element.attribute(u"orientation") == u"v" ? SkinOrientation::Vertical : SkinOrientation::Horizontal;
        geometry.count = parseInteger(element.attribute(u"count"));
        geometry.frameWidth = parseInteger(element.attribute(u"width"));
        geometry.frameHeight = parseInteger(element.attribute(u"height"));
        geometry.columns = threeParts(element.attribute(u"columns"));
        geometry.rows = threeParts(element.attribute(u"rows"));
        String name = element.attribute(u"name");
        UISkin skin = UISkin::deferred(files.read(u"skins", name + u".png").value_or(platform::Bytes()), geometry);
        auto same = std::find_if(set->m_skins.begin(), set->m_skins.end(),
                                 [&name](const NamedSkin& entry) { return entry.name == name; });
        if (same != set->m_skins.end())
            same->skin = std::move(skin);
        else
            set->m_skins.push_back({std::move(name), std::move(skin)});
    }

    XmlDocument models;
    if (!files.readXml(u"models.xml", models) || !set->m_models.read(std::move(models)))
        return nullptr;

    XmlDocument metrics;
    if (!files.readXml(u"metrics.xml", metrics) || !set->m_metrics.read(metrics))
        return nullptr;

    if (!anyImage || set->m_skins.empty() || set->m_metrics.isEmpty())
        return nullptr;
    return set;
}

std::unique_ptr<UIStyleSet> loadStyle(StringView name, StringView executableFolder)
{
    const std::optional<String> file = findStyle(name, executableFolder);
    return file ? loadStyleSet(*file, StyleStorage::Package) : nullptr;
}
