#include "app/PackageFolder.h"

const PackageFile* PackageFolder::file(StringView name) const
{
    for (const auto& entry : m_files) {
        if (entry->name() == name)
            return entry.get();
    }
    return nullptr;
}

PackageFile& PackageFolder::addFile(String name, platform::Bytes bytes, PackageRecordValues values)
{
    m_files.push_back(std::make_unique<PackageFile>(std::move(name), std::move(bytes), values));
    return *m_files.back();
}
