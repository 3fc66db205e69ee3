#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "platform/FileSystem.h"
#include "platform/Monitors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#ifndef _WIN32
#include "platform/headless/HeadlessFileSystem.h"
#include "platform/headless/HeadlessScreen.h"

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#endif

namespace fs = std::filesystem;

namespace {

const std::string kDefaultFile = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                                 "<groups>\r\n"
                                 "    <group name=\"general\">\r\n"
                                 "        <item name=\"language\" value=\"english\" />\r\n"
                                 "        <item name=\"minimizeToNotificationArea\" value=\"1\" />\r\n"
                                 "        <item name=\"closeToNotificationArea\" value=\"1\" />\r\n"
                                 "        <item name=\"hotkeyShowAndHide\" value=\"0\" />\r\n"
                                 "        <item name=\"colorFormat\" value=\"2\" />\r\n"
                                 "        <item name=\"zoomFactor\" value=\"1\" />\r\n"
                                 "    </group>\r\n"
                                 "    <group name=\"windows\">\r\n"
                                 "        <item name=\"windowMainLeft\" value=\"-1\" />\r\n"
                                 "        <item name=\"windowMainTop\" value=\"-1\" />\r\n"
                                 "        <item name=\"windowMainWidth\" value=\"400\" />\r\n"
                                 "        <item name=\"windowMainHeight\" value=\"270\" />\r\n"
                                 "        <item name=\"windowMainTopMost\" value=\"0\" />\r\n"
                                 "    </group>\r\n"
                                 "</groups>\r\n";

std::string item(const char* name, const char* value)
{
    return std::string("<item name=\"") + name + "\" value=\"" + value + "\"/>";
}

const std::string kGeneralItems = item("language", "german") + item("minimizeToNotificationArea", "0")
    + item("closeToNotificationArea", "1") + item("hotkeyShowAndHide", "0") + item("colorFormat", "7");
const std::string kWindowItems = item("windowMainLeft", "10") + item("windowMainTop", "20")
    + item("windowMainWidth", "500") + item("windowMainHeight", "300") + item("windowMainTopMost", "1");

std::string settingsXml(const std::string& groups)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<groups>" + groups + "</groups>";
}

// A valid file with every key; `zoom` is spliced into the general group.
std::string completeFile(const std::string& zoom = item("zoomFactor", "2"))
{
    return settingsXml("<group name=\"general\">" + kGeneralItems + zoom + "</group><group name=\"windows\">"
                       + kWindowItems + "</group>");
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        m_root = fs::temp_directory_path() / ("tintscope-settings-" + std::to_string(random()));
        fs::create_directories(m_root);
        m_folder = m_root / "appdata" / "Morvellan Tintscope";
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    String folder() const { return fromUtf8(m_folder.string()); }
    fs::path filePath() const { return m_folder / "config.dat"; }
    std::unique_ptr<Settings> open() const
    {
        return std::make_unique<Settings>(String(SettingsKeys::kFileName), u"Morvellan Tintscope", folder());
    }
    std::unique_ptr<Settings> openValidated() const
    {
        auto settings = open();
        settings->applySchema(defaultSettingsSchema());
        return settings;
    }
    void writeConfig(const std::string& bytes) const
    {
        fs::create_directories(m_folder);
        std::ofstream(filePath(), std::ios::binary) << bytes;
    }
    std::string readConfig() const
    {
        std::ifstream in(filePath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_root;
    fs::path m_folder;
};

TEST_F(SettingsFile, FirstStartCreatesTheFolderAndWritesTheDefaults)
{
    auto settings = open();
    EXPECT_TRUE(fs::is_regular_file(filePath()));
    EXPECT_EQ(readConfig(), "");
    EXPECT_EQ(settings->count(), 0u);

    settings->applySchema(defaultSettingsSchema());
    EXPECT_EQ(readConfig(), kDefaultFile);
    EXPECT_EQ(settings->get(SettingsKeys::kZoomFactor).type(), VariantType::Double);
    settings.reset();
    EXPECT_EQ(readConfig(), kDefaultFile);

    // The next start reads the defaults back as text and keeps them.
    settings = openValidated();
    EXPECT_EQ(settings->get(SettingsKeys::kLanguage).type(), VariantType::String);
    EXPECT_EQ(settings->get(SettingsKeys::kWindowMainLeft).toInt32(), -1);
    EXPECT_TRUE(settings->get(SettingsKeys::kCloseToNotificationArea).toBool());
}

#ifndef _WIN32
TEST_F(SettingsFile, DefaultFolderIsNamedAfterTheApplicationInsideAppData)
{
    const char* previous = std::getenv("XDG_DATA_HOME");
    const std::string saved = previous ? previous : "";
    setenv("XDG_DATA_HOME", (m_root / "appdata").c_str(), 1);
    {
        Settings settings(String(SettingsKeys::kFileName), u"Morvellan Tintscope");
        EXPECT_EQ(settings.filePath(), fromUtf8(filePath().string()));
    }
    previous ? setenv("XDG_DATA_HOME", saved.c_str(), 1) : unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(fs::is_regular_file(filePath()));
}
#endif

TEST_F(SettingsFile, DamagedOrMismatchedFilesAreReplacedByTheDefaults)
{
    std::string binary(4096, '\0');
    for (size_t i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 131 + 7);
    std::string huge = completeFile();
    huge.insert(huge.size() - 9, std::string(10 << 20, ' '));

    const struct {
        const char* what;
        std::string content;
    } cases[] = {
        {"empty", ""},
        {"missing key", completeFile("")},
        {"extra key", completeFile(item("zoomFactor", "2") + item("extra", "1"))},
        {"duplicated key",
         settingsXml("<group name=\"general\">" + kGeneralItems + item("zoomFactor", "2") + item("language", "french")
                     + "</group><group name=\"windows\">" + kWindowItems.substr(0, kWindowItems.rfind("<item"))
                     + "</group>")},
        {"group renamed",
         settingsXml("<group name=\"General\">" + kGeneralItems + item("zoomFactor", "2")
                     + "</group><group name=\"windows\">" + kWindowItems + "</group>")},
        {"no declaration", completeFile().substr(completeFile().find('\n') + 1)},
        {"binary", binary},
        {"10 MB", huge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeConfig(c.content);
        auto settings = openValidated();
        EXPECT_EQ(readConfig(), kDefaultFile);
        EXPECT_EQ(settings->count(), 11u);
        EXPECT_EQ(settings->get(SettingsKeys::kLanguage).toText(), u"english");
    }
}

TEST_F(SettingsFile, AllKeysPresentKeepsUnusableValues)
{
    std::string content = completeFile();
    content.replace(content.find("\"7\""), 3, "\"abc\"");
    writeConfig(content);
    auto settings = openValidated();
    EXPECT_EQ(settings->get(SettingsKeys::kColorFormat).toText(), u"abc");
    EXPECT_EQ(settings->get(SettingsKeys::kColorFormat).toInt32(), 0);
    EXPECT_EQ(settings->get(SettingsKeys::kLanguage).toText(), u"german");
    EXPECT_EQ(settings->get(SettingsKeys::kZoomFactor).toDouble(), 2.0);
}

// Fault: one invalid UTF-8 byte anywhere, or a file that lost its closing
// tags, reset all eleven settings to the defaults.
TEST_F(SettingsFile, StrayBytesAndMissingClosingTagsKeepWhatCanBeRead)
{
    std::string unclosed = completeFile();
    unclosed.erase(unclosed.rfind("</group>"));
    const struct {
        const char* what;
        std::string content;
        std::u16string zoomText;
    } cases[] = {
        {"invalid UTF-8 in a value", completeFile(item("zoomFactor", "2\xC3\x28")), u"2\uFFFD("},
        {"invalid UTF-8 in a comment", completeFile(item("zoomFactor", "2") + "<!-- \xFF\xFE -->"), u"2"},
        {"closing tags missing", unclosed, u"2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeConfig(c.content);
        auto settings = openValidated();
        EXPECT_EQ(settings->count(), 11u);
        EXPECT_EQ(settings->get(SettingsKeys::kLanguage).toText(), u"german");
        EXPECT_EQ(settings->get(SettingsKeys::kWindowMainTopMost).toBool(), true);
        EXPECT_EQ(settings->get(SettingsKeys::kZoomFactor).toText(), c.zoomText);
        EXPECT_EQ(settings->get(SettingsKeys::kZoomFactor).toDouble(), 2.0);
    }
}

// A config.dat the user made read-only, or a folder of that name, cannot be
// replaced. The store keeps working on what it could read (the stored values,
// or the defaults), each save reports failure and the target stays as it was.
// Fault: the headless replaceFile reported success when the rename failed,
// so a save over a folder named config.dat answered true; and it replaced a
// read-only file, which Windows refuses.
TEST_F(SettingsFile, UnwritableTargetIsKeptAndEverySaveReportsFailure)
{
    const struct {
        const char* what;
        bool folder;
        const char16_t* language; // what the store holds after validation
    } cases[] = {
        {"read-only file", false, u"german"},
        {"folder", true, u"english"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(m_folder);
        if (c.folder) {
            fs::create_directories(filePath() / "inside");
        } else {
            writeConfig(completeFile());
            fs::permissions(filePath(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
        }
        auto settings = openValidated();
        EXPECT_EQ(settings->get(SettingsKeys::kLanguage).toText(), c.language);
        settings->set(SettingsKeys::kColorFormat, int32_t(4));
        EXPECT_FALSE(settings->save());
        settings.reset();

        EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
        if (c.folder) {
            EXPECT_TRUE(fs::is_directory(filePath() / "inside"));
        } else {
            EXPECT_EQ(readConfig(), completeFile());
            fs::permissions(filePath(), fs::perms::owner_write, fs::perm_options::add);
        }
    }
}

TEST_F(SettingsFile, SplitGroupsAreReadAndWrittenAsSeparateElements)
{
    writeConfig(settingsXml("<group name=\"general\">" + kGeneralItems + "</group><group name=\"windows\">"
                            + kWindowItems + "</group><!-- note --><group name=\"general\">" + item("zoomFactor", "0.5")
                            + "<other/></group><stray/>"));
    auto settings = openValidated();
    EXPECT_EQ(settings->count(), 11u);
    EXPECT_EQ(settings->get(SettingsKeys::kZoomFactor).toDouble(), 0.5);
    settings->set(SettingsKeys::kColorFormat, int32_t(3));
    settings->set(u"general/unknown", true); // ignored: not a key of the store
    EXPECT_FALSE(settings->contains(u"general/unknown"));
    ASSERT_TRUE(settings->save());

    const std::string written = readConfig();
    size_t generalGroups = 0;
    for (size_t at = written.find("name=\"general\""); at != std::string::npos;
         at = written.find("name=\"general\"", at + 1))
        ++generalGroups;
    EXPECT_EQ(generalGroups, 2u);
    settings = openValidated();
    EXPECT_EQ(settings->get(SettingsKeys::kColorFormat).toInt32(), 3);
    EXPECT_EQ(settings->get(SettingsKeys::kZoomFactor).toText(), u"0.5");
}

#ifndef _WIN32
// A save that runs out of space half-way must not cost the user the file
// they had: the file-size limit makes every write beyond 64 bytes fail, as
// a full disk would.
TEST_F(SettingsFile, FailedWriteLeavesThePreviousFileIntact)
{
    writeConfig(completeFile());
    auto settings = openValidated();
    settings->set(SettingsKeys::kLanguage, String(u"a longer language name than before"));

    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = settings->save();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readConfig(), completeFile());
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
    settings.reset(); // the save on destruction succeeds again
    EXPECT_NE(readConfig().find("a longer language name"), std::string::npos);
}
#endif

#ifndef _WIN32
// Each step of a save failing in turn: the save reports failure, the file
// keeps its previous bytes and no temporary file is left beside it. That
// holds for a save of changed values and for the defaults that replace a
// damaged file at validation.
TEST_F(SettingsFile, EveryFailingWriteStepKeepsThePreviousFile)
{
    using platform::headless::FileWriteStep;
    const FileWriteStep steps[] = {FileWriteStep::Create, FileWriteStep::Write, FileWriteStep::ShortWrite,
                                   FileWriteStep::Flush,  FileWriteStep::Close, FileWriteStep::Replace};
    const struct {
        const char* what;
        std::string content;
        const char16_t* language; // what the store holds after validation
    } files[] = {
        {"valid file", completeFile(), u"german"},
        {"damaged file", std::string("<?xml?><groups><group name=\"general\"><item"), u"english"},
    };
    struct FaultGuard {
        ~FaultGuard() { platform::headless::injectFileWriteFault(FileWriteStep::None); }
    } guard;
    for (const auto& file : files) {
        for (const FileWriteStep step : steps) {
            SCOPED_TRACE(std::string(file.what) + ", failing step " + std::to_string(int(step)));
            writeConfig(file.content);
            platform::headless::injectFileWriteFault(step);
            auto settings = openValidated();
            EXPECT_EQ(settings->get(SettingsKeys::kLanguage).toText(), file.language);
            settings->set(SettingsKeys::kLanguage, String(u"a longer language name than before"));
            EXPECT_FALSE(settings->save());
            settings.reset();
            EXPECT_EQ(readConfig(), file.content);
            EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
            platform::headless::injectFileWriteFault(FileWriteStep::None);
        }
    }
}
#endif

class FakeWindow : public GeometryWindow {
public:
    FakeWindow(Rect rect, Size minimum) : m_rect(rect), m_minimum(minimum) {}
    Rect outerRect() const override { return m_rect; }
    Size minimumSize() const override { return m_minimum; }
    void resize(Size size) override { m_rect.width = size.width, m_rect.height = size.height; }
    void move(Point topLeft) override { m_rect.x = topLeft.x, m_rect.y = topLeft.y; }

    Rect m_rect;
    Size m_minimum;
};

#ifndef _WIN32
class WindowGeometry : public SettingsFile {
protected:
    void TearDown() override
    {
        platform::headless::resetMonitors();
        SettingsFile::TearDown();
    }
    Rect restored(std::unique_ptr<Settings>& settings, Rect saved, Size minimum = {200, 150})
    {
        settings->set(SettingsKeys::kWindowMainLeft, saved.x);
        settings->set(SettingsKeys::kWindowMainTop, saved.y);
        settings->set(SettingsKeys::kWindowMainWidth, saved.width);
        settings->set(SettingsKeys::kWindowMainHeight, saved.height);
        FakeWindow window({0, 0, 10, 10}, minimum);
        settings->restoreWindowGeometry(window, SettingsKeys::kMainWindowName);
        return window.m_rect;
    }
};

TEST_F(WindowGeometry, RestoreKeepsPlacesOnAMonitorAndCentresTheRest)
{
    auto settings = openValidated();
    // Defaults: centred in the 1920 x 1040 work area, at the minimum if larger.
    EXPECT_EQ(restored(settings, {-1, -1, 400, 270}), (Rect{760, 385, 400, 270}));
    EXPECT_EQ(restored(settings, {-1, -1, 400, 270}, {500, 300}), (Rect{710, 370, 500, 300}));
    EXPECT_EQ(restored(settings, {100, 50, 400, 270}), (Rect{100, 50, 400, 270}));
    // Overlapping the task bar below the work area.
    EXPECT_EQ(restored(settings, {100, 900, 400, 270}), (Rect{760, 385, 400, 270}));

    // Saved on a second monitor that is still attached, then after it is gone.
    platform::headless::setMonitors({{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}}, {0, 0, 1920, 1040});
    EXPECT_EQ(restored(settings, {2500, 100, 400, 270}), (Rect{2500, 100, 400, 270}));
    platform::headless::resetMonitors();
    EXPECT_EQ(restored(settings, {2500, 100, 400, 270}), (Rect{760, 385, 400, 270}));

    // A damaged file cannot make the arithmetic overflow or the window huge.
    const Rect wild = restored(settings, {2147483000, 2147483000, 2000000000, -5});
    EXPECT_EQ(wild, (Rect{0, 445, 1920, 150}));
}

// Fault: a place wholly on another monitor was checked against that
// monitor's whole rectangle, so a window could come back under its task bar.
TEST_F(WindowGeometry, PlaceOnAnotherMonitorMustFitItsWorkArea)
{
    auto settings = openValidated();
    platform::headless::setMonitorAreas(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, 0, 1280, 1024}, {1920, 0, 1280, 984}}});
    const Rect centred{760, 385, 400, 270};
    const std::pair<Rect, Rect> cases[] = {
        {{2500, 740, 400, 270}, centred},               // reaches under the second task bar
        {{2800, 714, 400, 270}, {2800, 714, 400, 270}}, // flush with the second work area's corner
        {{1520, 770, 400, 270}, {1520, 770, 400, 270}}, // flush with the primary work area's corner
        {{1521, 770, 400, 270}, centred},
        {{1520, 771, 400, 270}, centred},
        {{1800, 100, 400, 270}, centred}, // across both monitors
    };
    for (const auto& [saved, expected] : cases)
        EXPECT_EQ(restored(settings, saved), expected) << saved.x << "," << saved.y;
}

TEST_F(WindowGeometry, SaveIgnoresAWindowOffEveryMonitor)
{
    auto settings = openValidated();
    settings->saveWindowGeometry(FakeWindow({-32000, -32000, 160, 28}, {}), SettingsKeys::kMainWindowName);
    EXPECT_EQ(settings->get(SettingsKeys::kWindowMainLeft).toInt32(), -1);
    EXPECT_EQ(settings->get(SettingsKeys::kWindowMainWidth).toInt32(), 400);

    settings->saveWindowGeometry(FakeWindow({30, 40, 420, 280}, {}), SettingsKeys::kMainWindowName);
    EXPECT_EQ(settings->get(SettingsKeys::kWindowMainLeft), Variant(int32_t(30)));
    EXPECT_EQ(settings->get(SettingsKeys::kWindowMainTop).toInt32(), 40);
    EXPECT_EQ(settings->get(SettingsKeys::kWindowMainWidth).toInt32(), 420);
    EXPECT_EQ(settings->get(SettingsKeys::kWindowMainHeight).toInt32(), 280);
}
#endif

} // namespace
