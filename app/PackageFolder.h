#pragma once
// One folder of a package: a name, its stored record values and its files
// in file order. The folder owns its files.

#include "app/PackageFile.h"

#include <memory>
#include <vector>

class PackageFolder {
public:
    explicit PackageFolder(String name, PackageRecordValues values = {}) : m_name(std::move(name)), m_values(values) {}

    const String& name() const { return m_name; }
    const PackageRecordValues& values() const { return m_values; }
    const std::vector<std::unique_ptr<PackageFile>>& files() const { return m_files; }

    // First file whose name matches exactly (case-sensitive), or nullptr.
    const PackageFile* file(StringView name) const;

    // Appends a file; the folder owns it. Returns the appended entry.
    PackageFile& addFile(String name, platform::Bytes bytes, PackageRecordValues values = {});

private:
    String m_name;
    PackageRecordValues m_values;
    std::vector<std::unique_ptr<PackageFile>> m_files;
};
