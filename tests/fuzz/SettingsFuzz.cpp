#include "app/Settings.h"
#include "platform/Text.h"
#include "tests/fuzz/FuzzTargets.h"

#include <fstream>

namespace {

constexpr char16_t kFileName[] = u"config.dat";
constexpr char16_t kApplicationName[] = u"Tintscope";

bool sameEntries(const Settings& a, const Settings& b)
{
    if (a.count() != b.count())
        return false;
    for (size_t i = 0; i < a.count(); ++i) {
        const SettingsEntry& x = a.entries()[i];
        const SettingsEntry& y = b.entries()[i];
        // Loaded values are text; what matters is that the text survives.
        if (x.key != y.key || x.value.toText() != y.value.toText())
            return false;
    }
    return true;
}

} // namespace

void fuzzSettings(const uint8_t* data, size_t size)
{
    const std::filesystem::path& folder = fuzzScratchFolder();
    {
        std::ofstream file(folder / "config.dat", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    const String folderText = fromUtf8(folder.string());
    Settings settings(kFileName, kApplicationName, folderText);
    settings.applySchema(defaultSettingsSchema());
    // Whatever the file held, the validated entries are the schema's keys
    // and they are written and read back unchanged.
    fuzzCheck(settings.count() == defaultSettingsSchema().count(), "validated settings lack schema keys");
    fuzzCheck(settings.save(), "validated settings cannot be saved");
    Settings reread(kFileName, kApplicationName, folderText);
    fuzzCheck(sameEntries(settings, reread), "saved settings read back differently");
    reread.applySchema(defaultSettingsSchema());
    fuzzCheck(sameEntries(settings, reread), "saved settings no longer pass validation");
}
