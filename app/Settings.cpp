#include "app/Settings.h"

#include "app/SettingsKeys.h"
#include "platform/FileSystem.h"
#include "platform/Monitors.h"
#include "xml/XmlDocument.h"

#include <algorithm>
#include <limits>

namespace {

constexpr StringView kGroupsElement = u"groups";
constexpr StringView kGroupElement = u"group";
constexpr StringView kItemElement = u"item";
constexpr StringView kNameAttribute = u"name";
constexpr StringView kValueAttribute = u"value";
constexpr int kIndentWidth = 4;

struct SplitKey {
    StringView group;
    StringView item;
};

// The group is everything before the last "/", the item everything after.
SplitKey splitKey(StringView key)
{
    const size_t cut = key.rfind(u'/');
    if (cut == StringView::npos)
        return {StringView(), key};
    return {key.substr(0, cut), key.substr(cut + 1)};
}

String geometryKey(StringView name, StringView suffix)
{
    String key(SettingsKeys::kWindowPrefix);
    key.append(name);
    key.append(suffix);
    return key;
}

// Containment computed in 64 bits: stored positions and sizes come from a
// file and may be anything, so x + width must not overflow.
bool fitsInside(int64_t left, int64_t top, int64_t width, int64_t height, const Rect& area)
{
    return left >= area.left() && top >= area.top() && left + width <= int64_t(area.x) + area.width
        && top + height <= int64_t(area.y) + area.height;
}

int32_t clampToInt32(int64_t value)
{
    return int32_t(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

Settings::Settings(String fileName, String applicationName)
    : Settings(std::move(fileName), applicationName, defaultFolder(applicationName))
{}

Settings::Settings(String fileName, String applicationName, String folder)
    : m_fileName(std::move(fileName))
    , m_applicationName(std::move(applicationName))
    , m_folder(std::move(folder))
    , m_filePath(platform::joinPath(m_folder, m_fileName))
{
    load();
}

Settings::~Settings() { save(); }

String Settings::defaultFolder(StringView applicationName)
{
    return platform::joinPath(platform::appDataFolder(), applicationName);
}

const SettingsEntry* Settings::find(StringView key) const
{
    for (const SettingsEntry& entry : m_entries) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

Variant Settings::get(StringView key, const Variant& defaultValue) const
{
    const SettingsEntry* entry = find(key);
    return entry ? entry->value : defaultValue;
}

void Settings::set(StringView key, Variant value)
{
    for (SettingsEntry& entry : m_entries) {
        if (entry.key == key) {
            entry.value = std::move(value);
            return;
        }
    }
}

bool Settings::contains(StringView key) const { return find(key) != nullptr; }

bool Settings::load()
{
    m_entries.clear();

    if (platform::pathKind(m_filePath) != platform::PathKind::File) {
        // First start (or the file was removed): make room for the file so
        // that the defaults can be written; there is nothing to read.
        if (platform::pathKind(m_folder) != platform::PathKind::Folder && !platform::createFolders(m_folder))
            return false;
        return platform::writeFile(m_filePath, {});
    }

    // What can be read is kept: a stray byte decodes as U+FFFD and a file
    // that lost its closing tags still holds its items; applySchema and the
    // readers' conversions decide what the entries are worth.
    const auto bytes = platform::readFile(m_filePath, kMaxFileBytes);
    if (!bytes)
        return false;
    XmlDocument document;
    if (!document.parseBytes(*bytes, TextEncoding::Utf8))
        return false;
    const XmlElement groups = document.element(kGroupsElement);
    if (!groups)
        return true;

    // Duplicates are kept as they are; applySchema decides what they mean.
    for (const XmlElement group : groups.children()) {
        if (group.name() != kGroupElement)
            continue;
        const String groupName = group.attribute(kNameAttribute);
        for (const XmlElement item : group.children()) {
            if (item.name() != kItemElement)
                continue;
            String key = groupName;
            key.push_back(u'/');
            key.append(item.attribute(kNameAttribute));
            if (key.size() > kMaxKeyChars || m_entries.size() >= kMaxEntries) {
                m_entries.clear();
                return false;
            }
            m_entries.push_back({std::move(key), Variant(item.attribute(kValueAttribute)), String()});
        }
    }
    return true;
}

bool Settings::save() const
{
    XmlDocument document;
    const XmlElement groups = document.root().appendChild(kGroupsElement);
    XmlElement group;
    for (const SettingsEntry& entry : m_entries) {
        const SplitKey split = splitKey(entry.key);
        // A new group starts whenever the group name changes, so entries of
        // one group separated by another give two elements of that name.
        if (!group || group.attribute(kNameAttribute) != split.group) {
            group = groups.appendChild(kGroupElement);
            group.setAttribute(kNameAttribute, split.group);
        }
        const XmlElement item = group.appendChild(kItemElement);
        item.setAttribute(kNameAttribute, split.item);
        item.setAttribute(kValueAttribute, entry.value.toText());
    }

    // Nothing when a value cannot be written so that it reads back (both
    // quote kinds in one value); the previous file then stays.
    const auto bytes = document.serialize(kIndentWidth);
    if (!bytes)
        return false;
    // The folder may have been removed while the program ran.
    if (platform::pathKind(m_folder) != platform::PathKind::Folder && !platform::createFolders(m_folder))
        return false;
    return platform::replaceFile(m_filePath, *bytes);
}

void Settings::applySchema(const SettingsSchema& schema)
{
    const auto& pairs = schema.pairs();
    const bool matches = m_entries.size() == pairs.size()
        && std::all_of(pairs.begin(), pairs.end(),
                       [this](const SettingsSchema::Pair& pair) { return contains(pair.key); });
    if (matches)
        return;

    m_entries.clear();
    m_entries.reserve(pairs.size());
    for (const SettingsSchema::Pair& pair : pairs)
        m_entries.push_back({pair.key, pair.defaultValue, String()});
    save();
}

void Settings::saveWindowGeometry(const GeometryWindow& window, StringView name)
{
    // A minimised window sits far outside the desktop; its rectangle is not
    // a place to come back to.
    const Rect rect = window.outerRect();
    if (!platform::virtualDesktopRect().contains(rect.topLeft()))
        return;
    set(geometryKey(name, SettingsKeys::kLeftSuffix), rect.x);
    set(geometryKey(name, SettingsKeys::kTopSuffix), rect.y);
    set(geometryKey(name, SettingsKeys::kWidthSuffix), rect.width);
    set(geometryKey(name, SettingsKeys::kHeightSuffix), rect.height);
}

void Settings::restoreWindowGeometry(GeometryWindow& window, StringView name) const
{
    const Rect current = window.outerRect();
    const Size minimum = window.minimumSize();
    const Rect workArea = platform::primaryWorkArea();
    const Rect desktop = platform::virtualDesktopRect();
    const std::vector<platform::MonitorArea> monitors = platform::monitorAreas();

    // A damaged file could ask for a window of two billion pixels; no real
    // window was ever larger than the desktop, so cap there, and never go
    // below the window's own minimum.
    auto restoredExtent = [](int32_t stored, int32_t desktopExtent, int32_t workExtent, int32_t minimumExtent) {
        int32_t extent = stored;
        const int32_t cap = std::max(desktopExtent, workExtent);
        if (cap > 0)
            extent = std::min(extent, cap);
        return std::max({extent, minimumExtent, int32_t(1)});
    };
    const int32_t width = restoredExtent(get(geometryKey(name, SettingsKeys::kWidthSuffix), current.width).toInt32(),
                                         desktop.width, workArea.width, minimum.width);
    const int32_t height = restoredExtent(get(geometryKey(name, SettingsKeys::kHeightSuffix), current.height).toInt32(),
                                          desktop.height, workArea.height, minimum.height);
    window.resize({width, height});

    const int32_t top = get(geometryKey(name, SettingsKeys::kTopSuffix), current.y).toInt32();
    const int32_t left = get(geometryKey(name, SettingsKeys::kLeftSuffix), current.x).toInt32();

    // The stored place is kept when the window lies wholly inside the work
    // area of one attached monitor (the primary one or another), so it never
    // comes back under a task bar.
    const bool keep = std::any_of(monitors.begin(), monitors.end(), [&](const platform::MonitorArea& monitor) {
        return fitsInside(left, top, width, height, monitor.workArea);
    });
    if (keep) {
        window.move({left, top});
        return;
    }
    window.move({clampToInt32(int64_t(workArea.x) + (int64_t(workArea.width) - width) / 2),
                 clampToInt32(int64_t(workArea.y) + (int64_t(workArea.height) - height) / 2)});
}
