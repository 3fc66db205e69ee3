// Loading and saving files: encodings, byte-order marks and bad input.

#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;

class XmlDocumentFile : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_dir); }
    void TearDown() override { fs::remove_all(m_dir); }

    String path(const char* name) const { return (m_dir / name).u16string(); }
    String write(const char* name, const std::string& bytes) const
    {
        EXPECT_TRUE(platform::writeFile(path(name), platform::Bytes(bytes.begin(), bytes.end())));
        return path(name);
    }

    const fs::path m_dir = fs::temp_directory_path()
        / (std::string("xml_tests_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

const std::string kDocument = "<?xml version=\"1.0\"?>\r\n<a v=\"x\"><b/></a>\r\n";

TEST_F(XmlDocumentFile, Encodings)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.load(write("bom.xml", "\xEF\xBB\xBF<?xml?><a v='\xC3\xA9'/>")));
    EXPECT_EQ(doc.element(u"a").attribute(u"v"), u"\u00e9");
    ASSERT_TRUE(doc.load(write("plain.xml", kDocument), TextEncoding::Utf8));
    EXPECT_TRUE(doc.element(u"a/b"));

    std::string utf16 = "\xFF\xFE";
    for (char16_t c : StringView(u"<?xml?><a v='\u20ac'/>"))
        utf16 += {char(c & 0xFF), char(c >> 8)};
    ASSERT_TRUE(doc.load(write("utf16.xml", utf16), TextEncoding::Utf16LE));
    EXPECT_EQ(doc.element(u"a").attribute(u"v"), u"\u20ac");
    EXPECT_TRUE(doc.load(write("utf16-nobom.xml", utf16.substr(2)), TextEncoding::Utf16LE));

    ASSERT_TRUE(doc.load(write("ansi.xml", "<?xml?><a v='caf\xE9'/>"), TextEncoding::Ansi));
    EXPECT_EQ(doc.element(u"a").attribute(u"v"), u"caf\u00e9");
}

TEST_F(XmlDocumentFile, UnreadableFilesFail)
{
    XmlDocument doc;
    const String good = write("good.xml", kDocument);
    EXPECT_FALSE(doc.load(good, TextEncoding(0)));
    EXPECT_FALSE(doc.load(good, TextEncoding(4)));
    EXPECT_FALSE(doc.load(m_dir.u16string())); // a folder
    EXPECT_FALSE(doc.load(write("empty.xml", "")));
    EXPECT_FALSE(doc.load(write("bom-only.xml", "\xEF\xBB\xBF")));
    EXPECT_FALSE(doc.load(write("no-decl.xml", "<a v=\"x\"><b/></a>")));
    // A failed load leaves nothing of an earlier document behind.
    ASSERT_TRUE(doc.load(good));
    EXPECT_FALSE(doc.load(path("missing.xml")));
    EXPECT_TRUE(doc.root().children().empty());
}

TEST_F(XmlDocumentFile, TruncatedBinaryAndHugeFilesFail)
{
    XmlDocument doc;
    // A cut between tags leaves a valid document: an empty one right after
    // the declaration, one with "a" still open right after "<b/>".
    const size_t declarationEnd = kDocument.find("?>") + 2, bodyStart = kDocument.find("<a");
    const size_t afterChild = kDocument.find("<b/>") + 4;
    for (size_t n = 1; n < kDocument.size() - 2; ++n) {
        const bool betweenTags = (n >= declarationEnd && n <= bodyStart) || n == afterChild;
        EXPECT_EQ(doc.load(write("cut.xml", kDocument.substr(0, n))), betweenTags) << n;
    }

    std::mt19937 random(7);
    std::string binary(1 << 16, '\0');
    for (char& c : binary)
        c = char(random());
    for (int encoding = 1; encoding <= 3; ++encoding) {
        EXPECT_FALSE(doc.load(write("binary.bin", binary), TextEncoding(encoding)));
        EXPECT_FALSE(doc.load(write("binary-decl.bin", "<?xml?>" + binary), TextEncoding(encoding)));
    }

    std::string huge = "<?xml?><a>";
    huge.resize(10 << 20, 'x');
    EXPECT_FALSE(doc.load(write("huge.xml", huge)));
    huge.replace(10, std::string::npos, huge.size() - 10, '<');
    EXPECT_FALSE(doc.load(write("huge2.xml", huge)));
}

TEST_F(XmlDocumentFile, SaveWritesSerializationAndRefusalKeepsOldFile)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.parse(u"<?xml?><a v=\"x\"><b/></a>"));
    const String target = path("out.xml");
    ASSERT_TRUE(doc.save(target, 4));
    EXPECT_EQ(platform::readFile(target), doc.serialize(4));

    doc.element(u"a").setAttribute(u"v", u"'\"");
    EXPECT_FALSE(doc.save(target, 4));
    XmlDocument back;
    ASSERT_TRUE(back.load(target));
    EXPECT_EQ(back.element(u"a").attribute(u"v"), u"x");

    EXPECT_FALSE(back.save(path("no-such-folder/out.xml")));
}

} // namespace
