// The bounds of the settings, language and package readers: each accepted
// at its limit and refused one past it; what is refused is neither read
// whole nor copied once per entry.
#include "app/PackageWriter.h"
#include "app/Settings.h"
#include "app/Translator.h"

#include "tests/app/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string repeated(const std::string& unit, size_t count)
{
    std::string text;
    text.reserve(unit.size() * count);
    for (size_t i = 0; i < count; ++i)
        text += unit;
    return text;
}

// Pads with spaces, which read as nothing after the last tag.
std::string padded(std::string text, uint64_t size)
{
    text.resize(size_t(size), ' ');
    return text;
}

struct Case {
    const char* what;
    std::string content;
    size_t entries; // 0: refused
};

TEST(ReaderLimits, SettingsFile)
{
    const auto file = [](size_t items, size_t nameChars) {
        return "<?xml version=\"1.0\"?><groups><group name=\"g\">"
            + repeated("<item name=\"" + std::string(nameChars, 'k') + "\" value=\"1\"/>", items) + "</group></groups>";
    };
    const size_t entries = Settings::kMaxEntries;
    const size_t longest = Settings::kMaxKeyChars - 2; // "g/" and the item's name
    const Case cases[] = {
        {"most entries", file(entries, 1), entries},
        {"one entry more", file(entries + 1, 1), 0},
        {"longest key", file(1, longest), 1},
        {"one character longer", file(1, longest + 1), 0},
        // Fault: every item copied its group's name, so a megabyte-long name
        // over a hundred thousand items asked for 200 GB.
        {"long group over many items",
         "<?xml?><groups><group name=\"" + std::string(1 << 20, 'g') + "\">" + repeated("<item/>", 100000)
             + "</group></groups>",
         0},
        {"largest file", padded(file(1, 1), Settings::kMaxFileBytes), 1},
        {"one byte larger", padded(file(1, 1), Settings::kMaxFileBytes + 1), 0},
    };
    ScratchFolder scratch;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scratch.write("config.dat", c.content);
        Settings settings(u"config.dat", u"Tintscope", scratch.path());
        EXPECT_EQ(settings.count(), c.entries);
        EXPECT_EQ(settings.load(), c.entries != 0);
    }
}

TEST(ReaderLimits, LanguageFile)
{
    const auto file = [](const std::string& groups) {
        return "<?xml version=\"1.0\"?><translation language=\"x\"><groups>" + groups + "</groups></translation>";
    };
    const auto group = [](const std::string& name, const std::string& content) {
        return "<group name=\"" + name + "\">" + content + "</group>";
    };
    const std::string item = "<item context=\"a\" translation=\"b\"/>";
    const size_t entries = Translator::kMaxEntries;
    const size_t context = Translator::kMaxContextChars;
    const size_t depth = Translator::kMaxGroupDepth;
    const std::string nested = repeated("<group name=\"g\">", depth - 1) + item + repeated("</group>", depth - 1);
    const Case cases[] = {
        {"most entries", file(group("g", repeated(item, entries))), entries},
        {"one entry more", file(group("g", repeated(item, entries + 1))), 0},
        {"longest context", file(group(std::string(context, 'c'), item)), 1},
        {"one character longer", file(group(std::string(context + 1, 'c'), item)), 0},
        {"deepest groups", file(group("g", nested)), 1},
        {"one group deeper", file(group("g", group("g", nested))), 0},
        // Fault: every item copied its context, as in the settings file.
        {"long group over many items", file(group(std::string(300000, 'c'), repeated("<item/>", 100000))), 0},
        {"largest file", padded(file(group("g", item)), Translator::kMaxFileBytes), 1},
        {"one byte larger", padded(file(group("g", item)), Translator::kMaxFileBytes + 1), 0},
    };
    ScratchFolder scratch;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Translator translator;
        EXPECT_EQ(translator.load(scratch.write("de.xml", c.content), u"Tintscope"), c.entries != 0);
        EXPECT_EQ(translator.entries().size(), c.entries);
    }
}

void putU32(platform::Bytes& bytes, size_t offset, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        bytes[offset + i] = uint8_t(value >> (8 * i));
}

// One folder "f" with `files` empty files, then one file of `dataBytes`.
platform::Bytes packageOf(size_t files, size_t dataBytes)
{
    Package package;
    PackageFolder& folder = package.addFolder(u"f");
    for (size_t i = 0; i < files; ++i)
        folder.addFile(u"e", {});
    folder.addFile(u"d", platform::Bytes(dataBytes, 0x5A));
    return serializePackage(package).value_or(platform::Bytes());
}

TEST(ReaderLimits, Package)
{
    constexpr size_t kFolderFileCount = Package::kHeaderSize + 44;
    const size_t files = Package::kMaxEntries - 2; // beside the folder and the data file
    platform::Bytes oneEntryMore = packageOf(files, 0);
    oneEntryMore.resize(oneEntryMore.size() + Package::kFileRecordSize, 0); // a file without name or data
    putU32(oneEntryMore, kFolderFileCount, uint32_t(files + 2));
    const size_t bare = packageOf(0, 0).size();
    const platform::Bytes largest = packageOf(0, size_t(Package::kMaxFileBytes) - bare);
    platform::Bytes oneByteLarger = largest;
    oneByteLarger.push_back(0); // bytes after the last folder are otherwise ignored

    const struct {
        const char* what;
        platform::Bytes bytes;
        bool accepted;
    } cases[] = {
        {"most entries", packageOf(files, 0), true},
        {"one entry more", oneEntryMore, false},
        {"largest file", largest, true},
        {"one byte larger", oneByteLarger, false},
    };
    ScratchFolder scratch;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(c.bytes.empty());
        EXPECT_EQ(bool(Package::parse(c.bytes)), c.accepted);
        EXPECT_EQ(bool(Package::open(scratch.write("p.pak", c.bytes))), c.accepted);
    }

    // The writer refuses what the reader would.
    Package tooMany;
    PackageFolder& folder = tooMany.addFolder(u"f");
    for (size_t i = 0; i < Package::kMaxEntries; ++i)
        folder.addFile(u"e", {});
    EXPECT_FALSE(serializePackage(tooMany));
    EXPECT_FALSE(serializePackage(*Package::parse(largest)).value_or(platform::Bytes()).empty());
}

} // namespace
