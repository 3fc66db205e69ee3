#pragma once
// The settings store: an ordered list of key/value entries kept in one XML
// file, "<folder>/config.dat", where the folder is named after the
// application inside the user's application-data folder.
//
// Construction loads the file at once (creating the folder and an empty
// file when there is none); applySchema then replaces anything that does not
// hold exactly the expected keys by the defaults. Destruction writes the
// file. Every write goes through a temporary file, so a failed or
// interrupted save leaves the previous file as it was.
//
// Main thread only. The store owns its entries; geometry operations borrow
// the window for the duration of the call.

#include "app/GeometryWindow.h"
#include "app/SettingsEntry.h"
#include "app/SettingsSchema.h"

#include <cstdint>
#include <vector>

class Settings {
public:
    // Bounds on what the file may hold. The program's own file is well under
    // a kilobyte, with eleven entries whose keys are at most 40 characters;
    // a file beyond these is damaged or not a settings file at all and is
    // treated as unreadable. The key bound matters most: every entry joins
    // its group's name into a key of its own, so without it one long group
    // name repeated over many items would cost far more memory than the file.
    static constexpr uint64_t kMaxFileBytes = uint64_t(4) << 20;
    static constexpr size_t kMaxEntries = 1024;
    static constexpr size_t kMaxKeyChars = 1024;

    // The file `fileName` in the folder named `applicationName` inside the
    // per-user application-data folder.
    Settings(String fileName, String applicationName);
    // The file `fileName` in `folder` (tests, portable installs).
    Settings(String fileName, String applicationName, String folder);
    ~Settings();

    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // joinPath(appDataFolder(), applicationName).
    static String defaultFolder(StringView applicationName);

    // A copy of the first entry's value with exactly this key, or of the
    // default when there is none.
    Variant get(StringView key, const Variant& defaultValue = {}) const;
    // Replaces the value of the first entry with exactly this key; unknown
    // keys are ignored (keys only come from the schema or the file).
    void set(StringView key, Variant value);
    size_t count() const { return m_entries.size(); }
    bool contains(StringView key) const;
    void clear() { m_entries.clear(); }
    const std::vector<SettingsEntry>& entries() const { return m_entries; }

    // Replaces the entries by the file's. A missing file is created empty
    // (success, no entries); a file that cannot be read, is too large to be
    // a settings file (see the bounds above) or is not well-formed gives
    // failure with no entries.
    // Bytes that are not UTF-8 read as U+FFFD.
    bool load();
    // Writes every entry, grouped by runs of the same group name. On failure
    // the previous file is left untouched.
    bool save() const;

    // Keeps the loaded entries when they hold exactly the schema's keys;
    // otherwise installs the defaults in schema order and saves at once.
    void applySchema(const SettingsSchema& schema);

    // Stores the window's outer rectangle under "windows/window" + name +
    // "Left"/"Top"/"Width"/"Height", unless its top-left corner lies outside
    // every monitor's bounds (a minimised or off-screen window).
    void saveWindowGeometry(const GeometryWindow& window, StringView name);
    // Resizes and moves the window to the stored geometry, centring it on
    // the primary work area when the stored place is not on a monitor.
    void restoreWindowGeometry(GeometryWindow& window, StringView name) const;

    const String& applicationName() const { return m_applicationName; }
    const String& folder() const { return m_folder; }
    const String& filePath() const { return m_filePath; }

private:
    const SettingsEntry* find(StringView key) const;

    String m_fileName;
    String m_applicationName;
    String m_folder;
    String m_filePath;
    std::vector<SettingsEntry> m_entries;
};
