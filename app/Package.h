#pragma once
// An opened data or style package: an uncompressed container of folders of
// files, read whole into memory, looked up by exact folder and file names.
//
// File layout (little-endian, read sequentially, no index):
//   header   20 bytes: "FA", 2 ignored bytes, header value 1, header value 2,
//            folder count (int32, >= 0), a reserved int32 that must be >= 0
//   folder   48-byte record (name length at 0, stored values at 4..43, file
//            count int32 at 44), the UTF-16LE name, then its files
//   file     52-byte record (name length at 0, stored values at 4..43, data
//            size at 44, 4 unread bytes), the UTF-16LE name, then the data
//
// Ownership: a Package owns its folders, which own their files. Opened
// packages are owned by the Application's registry (see openPackage).

#include "app/PackageFolder.h"

#include <memory>
#include <optional>

class Application;

class Package {
public:
    static constexpr size_t kHeaderSize = 20;
    static constexpr size_t kFolderRecordSize = 48;
    static constexpr size_t kFileRecordSize = 52;
    // Names are at most 255 UTF-16 units.
    static constexpr size_t kMaximumNameBytes = 510;
    // Bounds on a package, whether the data package or a style set. The
    // shipped ones are 25 KB and 50 KB with about sixty folders and files;
    // a package is read whole into memory, and every entry costs a little
    // over a hundred bytes beyond its record, so both are bounded.
    static constexpr uint64_t kMaxFileBytes = uint64_t(16) << 20;
    static constexpr size_t kMaxEntries = 4096;

    explicit Package(String path = {}) : m_path(std::move(path)) {}

    // Reads and parses the file at `path`. nullptr when the file is missing,
    // unreadable, larger than kMaxFileBytes (then it is not read at all) or
    // malformed in any way; nothing partial is ever returned.
    static std::unique_ptr<Package> open(StringView path);
    // Parses a whole package held in memory. Every count, length and size is
    // checked against the bytes left before it is used, so hostile input can
    // neither read past the end nor make the reader allocate more than the
    // input holds. More than kMaxFileBytes or kMaxEntries folders and files
    // in all is refused.
    static std::unique_ptr<Package> parse(const platform::Bytes& bytes, String path = {});

    // The file that openPackage opens for `name` (without extension), or
    // nothing. A name holding a path separator is a path of its own; other
    // names are looked up as folder/name.pak, then folder/data/name.pak.
    static std::optional<String> locate(StringView applicationFolder, StringView name);
    // Registry key of a package file: its name without folder and without
    // the last extension ("C:\app\data.pak" gives "data").
    static String keyOf(StringView path);

    const String& path() const { return m_path; }
    uint32_t headerValue1() const { return m_headerValue1; }
    uint32_t headerValue2() const { return m_headerValue2; }
    void setHeaderValues(uint32_t value1, uint32_t value2) { m_headerValue1 = value1, m_headerValue2 = value2; }

    const std::vector<std::unique_ptr<PackageFolder>>& folders() const { return m_folders; }
    // First folder with exactly this name (case-sensitive), or nullptr.
    const PackageFolder* folder(StringView name) const;
    // First file of the first folder with that name, or nullptr.
    const PackageFile* file(StringView folderName, StringView fileName) const;
    // The image file requested by name: folder "images", file name + ".png".
    const PackageFile* image(StringView name) const;

    // Appends a folder; the package owns it.
    PackageFolder& addFolder(String name, PackageRecordValues values = {});

private:
    String m_path;
    uint32_t m_headerValue1 = 0;
    uint32_t m_headerValue2 = 0;
    std::vector<std::unique_ptr<PackageFolder>> m_folders;
};

// Finds the package `name` (see Package::locate), opens it and registers it
// in `application` under its key. On any failure nothing is registered.
bool openPackage(Application& application, StringView name);

// The bytes of image `name` from the package "data" of the running
// Application, or nullptr when there is no such package or file. Decoding
// the PNG is the canvas layer's business.
const PackageFile* imageFile(StringView name);
