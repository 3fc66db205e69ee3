#include "app/Package.h"

#include "app/Application.h"

#include <cstring>

namespace {

// A forward-only reader over the package bytes. Every read states how many
// bytes it needs and fails, without touching memory, when fewer are left.
class ByteReader {
public:
    explicit ByteReader(const platform::Bytes& bytes) : m_data(bytes.data()), m_size(bytes.size()) {}

    size_t remaining() const { return m_size - m_position; }
    bool has(size_t count) const { return count <= remaining(); }

    // Callers check has() first; these never run past the end.
    uint8_t u8At(size_t offset) const { return m_data[m_position + offset]; }
    uint32_t u32At(size_t offset) const
    {
        const uint8_t* p = m_data + m_position + offset;
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }
    int32_t i32At(size_t offset) const { return int32_t(u32At(offset)); }
    uint64_t u64At(size_t offset) const { return uint64_t(u32At(offset)) | uint64_t(u32At(offset + 4)) << 32; }
    const uint8_t* pointerAt(size_t offset) const { return m_data + m_position + offset; }

    void skip(size_t count) { m_position += count; }

    // Counts one more folder or file; false past the package's bound.
    bool addEntry() { return ++m_entries <= Package::kMaxEntries; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_position = 0;
    size_t m_entries = 0;
};

// The values between the name length and the count/size field of a folder
// or file record (offsets 4 to 43).
PackageRecordValues recordValues(const ByteReader& in)
{
    PackageRecordValues values;
    values.value64 = in.u64At(4);
    values.value32 = in.u32At(12);
    std::memcpy(values.opaque.data(), in.pointerAt(16), values.opaque.size());
    return values;
}

// Reads a name of `length` bytes following the current position. The format
// keeps names in a zero-filled 512-byte buffer: an odd last byte becomes a
// unit of its own, and a zero unit ends the name.
std::optional<String> readName(ByteReader& in, uint32_t length)
{
    if (length > Package::kMaximumNameBytes || !in.has(length))
        return std::nullopt;
    String name;
    for (size_t i = 0; i < length; i += 2) {
        const char16_t low = in.u8At(i);
        const char16_t high = i + 1 < length ? in.u8At(i + 1) : 0;
        const char16_t unit = char16_t(low | high << 8);
        if (unit == 0)
            break;
        name.push_back(unit);
    }
    in.skip(length);
    return name;
}

bool readFile(ByteReader& in, PackageFolder& folder)
{
    if (!in.has(Package::kFileRecordSize) || !in.addEntry())
        return false;
    const uint32_t nameLength = in.u32At(0);
    const PackageRecordValues values = recordValues(in);
    const uint32_t dataSize = in.u32At(44);
    in.skip(Package::kFileRecordSize);

    auto name = readName(in, nameLength);
    if (!name || !in.has(dataSize))
        return false;
    const uint8_t* data = in.pointerAt(0);
    folder.addFile(std::move(*name), platform::Bytes(data, data + dataSize), values);
    in.skip(dataSize);
    return true;
}

bool readFolder(ByteReader& in, Package& package)
{
    if (!in.has(Package::kFolderRecordSize) || !in.addEntry())
        return false;
    const uint32_t nameLength = in.u32At(0);
    const PackageRecordValues values = recordValues(in);
    const int32_t fileCount = in.i32At(44);
    in.skip(Package::kFolderRecordSize);

    auto name = readName(in, nameLength);
    if (!name)
        return false;
    PackageFolder& folder = package.addFolder(std::move(*name), values);
    // A count that the remaining bytes cannot hold fails at the first missing
    // record; nothing is reserved up front from the count.
    for (int32_t i = 0; i < fileCount; ++i) {
        if (!readFile(in, folder))
            return false;
    }
    return true;
}

} // namespace

std::unique_ptr<Package> Package::parse(const platform::Bytes& bytes, String path)
{
    ByteReader in(bytes);
    if (bytes.size() > kMaxFileBytes || !in.has(kHeaderSize) || in.u8At(0) != 'F' || in.u8At(1) != 'A')
        return nullptr;
    const int32_t folderCount = in.i32At(12);
    if (folderCount < 0 || in.i32At(16) < 0)
        return nullptr;

    auto package = std::make_unique<Package>(std::move(path));
    package->setHeaderValues(in.u32At(4), in.u32At(8));
    in.skip(kHeaderSize);
    for (int32_t i = 0; i < folderCount; ++i) {
        if (!readFolder(in, *package))
            return nullptr;
    }
    return package;
}

std::unique_ptr<Package> Package::open(StringView path)
{
    const auto bytes = platform::readFile(path, kMaxFileBytes);
    if (!bytes)
        return nullptr;
    return parse(*bytes, String(path));
}

std::optional<String> Package::locate(StringView applicationFolder, StringView name)
{
    if (platform::hasPathSeparator(name)) {
        if (platform::pathKind(name) == platform::PathKind::File)
            return String(name);
        return std::nullopt;
    }
    const String fileName = String(name) + u".pak";
    String beside = platform::joinPath(applicationFolder, fileName);
    if (platform::pathKind(beside) == platform::PathKind::File)
        return beside;
    String inDataFolder = platform::joinPath(platform::joinPath(applicationFolder, u"data"), fileName);
    if (platform::pathKind(inDataFolder) == platform::PathKind::File)
        return inDataFolder;
    return std::nullopt;
}

String Package::keyOf(StringView path)
{
    String name = platform::fileName(path);
    const size_t dot = name.rfind(u'.');
    if (dot != String::npos)
        name.resize(dot);
    return name;
}

const PackageFolder* Package::folder(StringView name) const
{
    for (const auto& entry : m_folders) {
        if (entry->name() == name)
            return entry.get();
    }
    return nullptr;
}

const PackageFile* Package::file(StringView folderName, StringView fileName) const
{
    const PackageFolder* found = folder(folderName);
    return found ? found->file(fileName) : nullptr;
}

const PackageFile* Package::image(StringView name) const { return file(u"images", String(name) + u".png"); }

PackageFolder& Package::addFolder(String name, PackageRecordValues values)
{
    m_folders.push_back(std::make_unique<PackageFolder>(std::move(name), values));
    return *m_folders.back();
}

bool openPackage(Application& application, StringView name)
{
    const auto path = Package::locate(application.applicationFolder(), name);
    if (!path)
        return false;
    auto package = Package::open(*path);
    if (!package)
        return false;
    application.registerPackage(Package::keyOf(*path), std::move(package));
    return true;
}

const PackageFile* imageFile(StringView name)
{
    const Application* application = Application::instance();
    const Package* data = application ? application->package(u"data") : nullptr;
    return data ? data->image(name) : nullptr;
}
