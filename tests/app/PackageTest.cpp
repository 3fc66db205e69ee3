#include "app/Application.h"
#include "app/Package.h"
#include "app/PackageWriter.h"
#include "xml/XmlDocument.h"

#include "tests/app/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

platform::Bytes bytesOf(const std::string& text) { return platform::Bytes(text.begin(), text.end()); }

void putU32(platform::Bytes& bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = uint8_t(value >> (8 * i));
}

// Offsets inside the bytes of samplePackage().
constexpr size_t kFolderRecord = Package::kHeaderSize;
constexpr size_t kFolderFileCount = kFolderRecord + 44;
constexpr size_t kFileRecord = kFolderRecord + Package::kFolderRecordSize + 2 * 6; // after "images"
constexpr size_t kFileNameLength = kFileRecord;
constexpr size_t kFileDataSize = kFileRecord + 44;

// One folder "images" holding "a.png" (3 bytes) and "empty" (0 bytes),
// then a folder "xml" with one file.
platform::Bytes samplePackage()
{
    Package package;
    PackageFolder& images = package.addFolder(u"images");
    images.addFile(u"a.png", {1, 2, 3});
    images.addFile(u"empty", {});
    package.addFolder(u"xml").addFile(u"doc.xml", bytesOf("<?xml?><doc />"));
    return *serializePackage(package);
}

} // namespace

TEST(PackageFormat, WritesTheDocumentedLayout)
{
    PackageRecordValues values;
    values.value64 = 0x1122334455667788;
    values.value32 = 0xAABBCCDD;
    values.opaque[0] = 0x5A;
    values.opaque[27] = 0xA5;
    Package package;
    package.setHeaderValues(7, 9);
    package.addFolder(u"ab", values).addFile(u"c", {1, 2, 3}, values);

    const platform::Bytes bytes = *serializePackage(package);
    ASSERT_EQ(bytes.size(), 20u + 48 + 4 + 52 + 2 + 3);
    const platform::Bytes header{'F', 'A', 0, 0, 7, 0, 0, 0, 9, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin()));
    EXPECT_EQ(bytes[20], 4);    // folder name length in bytes
    EXPECT_EQ(bytes[24], 0x88); // 64-bit value, little-endian
    EXPECT_EQ(bytes[32], 0xDD); // 32-bit value
    EXPECT_EQ(bytes[36], 0x5A); // opaque block
    EXPECT_EQ(bytes[63], 0xA5);
    EXPECT_EQ(bytes[64], 1);   // file count
    EXPECT_EQ(bytes[68], 'a'); // UTF-16LE name
    EXPECT_EQ(bytes[69], 0);
    EXPECT_EQ(bytes[72], 2);  // file name length
    EXPECT_EQ(bytes[116], 3); // data size
    EXPECT_EQ(bytes[124], 'c');
    EXPECT_EQ(bytes[126], 1); // data

    const auto read = Package::parse(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->headerValue1(), 7u);
    EXPECT_EQ(read->headerValue2(), 9u);
    EXPECT_EQ(read->folders()[0]->values(), values);
    EXPECT_EQ(read->file(u"ab", u"c")->values(), values);
}

TEST(PackageFormat, HeaderAndCountFieldsAreChecked)
{
    const platform::Bytes bytes = samplePackage();
    ASSERT_TRUE(Package::parse(bytes));
    const struct {
        size_t offset;
        uint32_t value;
        bool parses;
    } cases[] = {
        {0, 0x00004166, false},                // magic "fA"
        {0, 0x00004246, false},                // magic "FB"
        {12, 0xFFFFFFFF, false},               // negative folder count
        {16, 0x80000000, false},               // negative reserved field
        {12, 0, true},                         // no folders: an empty package
        {12, 0x7FFFFFFF, false},               // more folders than the file holds
        {kFolderFileCount, 0x7FFFFFFF, false}, // more files than the file holds
        {kFileNameLength, 0xFFFFFFFF, false},  // a name beyond the file
    };
    for (const auto& c : cases) {
        platform::Bytes changed = bytes;
        putU32(changed, c.offset, c.value);
        const auto package = Package::parse(changed);
        EXPECT_EQ(bool(package), c.parses) << c.offset << " " << c.value;
        if (package) {
            EXPECT_TRUE(package->folders().empty());
        }
    }
    EXPECT_FALSE(Package::parse(platform::Bytes(bytes.begin(), bytes.begin() + 19)));
}

TEST(PackageFormat, FileCountZeroOrNegativeGivesNoFiles)
{
    for (const uint32_t count : {0u, 0xFFFFFFFFu, 0x80000000u}) {
        platform::Bytes bytes = samplePackage();
        putU32(bytes, 12, 1); // only the first folder
        putU32(bytes, kFolderFileCount, count);
        bytes.resize(kFileRecord); // its files are gone too
        const auto package = Package::parse(bytes);
        ASSERT_TRUE(package) << count;
        ASSERT_EQ(package->folders().size(), 1u);
        EXPECT_TRUE(package->folders()[0]->files().empty());
    }
}

TEST(PackageFormat, EveryTruncationFails)
{
    const platform::Bytes bytes = samplePackage();
    for (size_t length = 0; length < bytes.size(); ++length)
        EXPECT_FALSE(Package::parse(platform::Bytes(bytes.begin(), bytes.begin() + length))) << length;
}

TEST(PackageFormat, SizesBeyondTheFileFailWithoutAllocating)
{
    for (const uint32_t size : {0xFFFFFFFFu, 0x80000000u, 4u}) {
        platform::Bytes hugeData = samplePackage();
        putU32(hugeData, 12, 1);
        putU32(hugeData, kFolderFileCount, 1);
        hugeData.resize(kFileRecord + Package::kFileRecordSize + 10 + 3); // "a.png" and its 3 bytes
        putU32(hugeData, kFileDataSize, size);
        EXPECT_FALSE(Package::parse(hugeData)) << size;
    }
}

TEST(PackageFormat, NamesAreLimitedTo510Bytes)
{
    Package longest;
    longest.addFolder(String(255, u'f')).addFile(String(255, u'x'), {42});
    const auto read = Package::parse(*serializePackage(longest));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->file(String(255, u'f'), String(255, u'x')));

    // 511 bytes would still fit in the file, but not in the name buffer.
    platform::Bytes tooLong = *serializePackage(longest);
    putU32(tooLong, kFolderRecord, 511);
    tooLong.insert(tooLong.begin() + kFolderRecord + Package::kFolderRecordSize, 1, 'f');
    EXPECT_FALSE(Package::parse(tooLong));
}

TEST(PackageLookup, OddLengthNamesEndAtTheirLastByte)
{
    // Folder "ab" holding "cd": each name is cut to 3 bytes (its last unit
    // a lone byte) and followed by a non-zero byte (the file record's name
    // length, then the data).
    Package package;
    package.addFolder(u"ab").addFile(u"cd", {0x7F, 0x7F});
    platform::Bytes bytes = *serializePackage(package);
    const size_t folderName = kFolderRecord + Package::kFolderRecordSize;
    const size_t fileRecord = folderName + 4;
    const size_t fileName = fileRecord + Package::kFileRecordSize;
    putU32(bytes, kFolderRecord, 3);
    putU32(bytes, fileRecord, 3);
    bytes.erase(bytes.begin() + fileName + 3);
    bytes.erase(bytes.begin() + folderName + 3);

    const auto read = Package::parse(bytes);
    ASSERT_TRUE(read);
    const PackageFile* file = read->file(u"ab", u"cd");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size(), 2u);
}

TEST(PackageLookup, IsExactCaseSensitiveAndFirstMatchWins)
{
    Package package;
    package.addFolder(u"images").addFile(u"a.png", {1});
    package.addFolder(u"images").addFile(u"b.png", {2});
    const auto read = Package::parse(*serializePackage(package));
    ASSERT_TRUE(read);

    EXPECT_EQ(read->folder(u"images"), read->folders()[0].get());
    EXPECT_FALSE(read->folder(u"Images"));
    EXPECT_FALSE(read->file(u"images", u"A.png"));
    EXPECT_TRUE(read->file(u"images", u"a.png"));
    // Only the first folder of a name is searched.
    EXPECT_FALSE(read->file(u"images", u"b.png"));

    EXPECT_EQ(read->image(u"a"), read->file(u"images", u"a.png"));
    EXPECT_FALSE(read->image(u"a.png"));
}

TEST(PackageLookup, ReadsXmlWithOrWithoutByteOrderMark)
{
    Package package;
    PackageFolder& xml = package.addFolder(u"xml");
    xml.addFile(u"plain.xml", bytesOf("<?xml version=\"1.0\"?><skins><skin name=\"a\" /></skins>"));
    xml.addFile(u"bom.xml", bytesOf("\xEF\xBB\xBF<?xml version=\"1.0\"?><metrics />"));
    xml.addFile(u"undeclared.xml", bytesOf("<metrics />"));
    xml.addFile(u"empty.xml", {});

    XmlDocument document;
    ASSERT_TRUE(package.file(u"xml", u"plain.xml")->readXml(document));
    EXPECT_EQ(document.element(u"skins/skin").attribute(u"name"), u"a");
    EXPECT_TRUE(package.file(u"xml", u"bom.xml")->readXml(document));
    EXPECT_TRUE(document.element(u"metrics"));
    EXPECT_FALSE(package.file(u"xml", u"undeclared.xml")->readXml(document));
    EXPECT_FALSE(package.file(u"xml", u"empty.xml")->readXml(document));
}

TEST(PackageWriter, RoundTripsEveryByteAndValue)
{
    std::mt19937 random(20240611);
    Package package;
    package.setHeaderValues(random(), random());
    for (int f = 0; f < 4; ++f) {
        PackageRecordValues values{random() | uint64_t(random()) << 32, uint32_t(random()), {}};
        for (auto& b : values.opaque)
            b = uint8_t(random());
        PackageFolder& folder = package.addFolder(u"folder" + decimalText(int64_t(f)) + u"\u00e9\u4e2d", values);
        for (int i = 0; i < 5; ++i) {
            platform::Bytes data(random() % 300);
            for (auto& b : data)
                b = uint8_t(random());
            folder.addFile(u"file" + decimalText(int64_t(i)), std::move(data), values);
        }
    }
    const auto read = Package::parse(*serializePackage(package));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->headerValue1(), package.headerValue1());
    EXPECT_EQ(read->headerValue2(), package.headerValue2());
    ASSERT_EQ(read->folders().size(), package.folders().size());
    for (size_t f = 0; f < package.folders().size(); ++f) {
        const PackageFolder& want = *package.folders()[f];
        const PackageFolder& got = *read->folders()[f];
        EXPECT_EQ(got.name(), want.name());
        EXPECT_EQ(got.values(), want.values());
        ASSERT_EQ(got.files().size(), want.files().size());
        for (size_t i = 0; i < want.files().size(); ++i) {
            EXPECT_EQ(got.files()[i]->name(), want.files()[i]->name());
            EXPECT_EQ(got.files()[i]->values(), want.files()[i]->values());
            EXPECT_EQ(got.files()[i]->bytes(), want.files()[i]->bytes());
        }
    }
}

TEST(PackageWriter, RefusesWhatTheReaderCouldNotReadBack)
{
    Package tooLong;
    tooLong.addFolder(String(256, u'x'));
    EXPECT_FALSE(serializePackage(tooLong));

    Package zeroUnit;
    zeroUnit.addFolder(u"images").addFile(String(u"a\0b", 3), {});
    EXPECT_FALSE(serializePackage(zeroUnit));
}

TEST(PackageSearch, FileBesideTheExecutableWinsOverTheDataFolder)
{
    ScratchFolder app;
    const String beside = app.write("data.pak", samplePackage());
    const String inData = app.write("data/data.pak", samplePackage());

    EXPECT_EQ(Package::locate(app.path(), u"data"), beside);
    std::filesystem::remove(std::filesystem::path(beside));
    EXPECT_EQ(Package::locate(app.path(), u"data"), inData);
    EXPECT_FALSE(Package::locate(app.path(), u"other"));

    // A folder beside the executable with the package's name is passed over.
    platform::createFolders(app.path("data.pak"));
    EXPECT_EQ(Package::locate(app.path(), u"data"), inData);
}

TEST(PackageSearch, NameWithSeparatorIsAPathOfItsOwn)
{
    ScratchFolder app;
    const String file = app.write("styles/default.style", samplePackage());
    app.write("default.pak", samplePackage());
    EXPECT_EQ(Package::locate(u"/nowhere", file), file);
    // No ".pak" is added and no other folder is tried.
    EXPECT_FALSE(Package::locate(app.path(), app.path("default")));
    EXPECT_FALSE(Package::locate(app.path(), app.path("styles")));

    EXPECT_EQ(Package::keyOf(file), u"default");
    EXPECT_EQ(Package::keyOf(app.path("x.tar.pak")), u"x.tar");
    EXPECT_EQ(Package::keyOf(u"data"), u"data");
}

TEST(PackageRegistry, RegistersUnderTheKeyOrNotAtAll)
{
    ScratchFolder folder;
    const String good = folder.write("first/data.pak", samplePackage());
    platform::Bytes emptyPackage = samplePackage();
    putU32(emptyPackage, 12, 0);
    const String second = folder.write("second/data.pak", emptyPackage);
    platform::Bytes broken = samplePackage();
    broken.pop_back();
    const String bad = folder.write("broken.pak", broken);

    Application application(u"Tintscope package test", u"1");
    EXPECT_FALSE(openPackage(application, bad));
    EXPECT_FALSE(application.package(u"broken"));
    EXPECT_FALSE(openPackage(application, folder.path("missing.pak")));

    ASSERT_TRUE(openPackage(application, good));
    ASSERT_TRUE(openPackage(application, second));
    const Package* data = application.package(u"data");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->path(), good); // the package opened first keeps precedence
    // An empty file has no data pointer.
    EXPECT_EQ(data->file(u"images", u"empty")->data(), nullptr);
    EXPECT_EQ(data->file(u"images", u"a.png")->data()[2], 3);
    if (Application::instance() == &application) {
        EXPECT_EQ(imageFile(u"a"), data->file(u"images", u"a.png"));
        EXPECT_FALSE(imageFile(u"missing"));
    }
}
