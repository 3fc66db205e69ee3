#include "app/PackageWriter.h"

#include <cstdint>
#include <limits>

namespace {

constexpr size_t kMaximumCount = size_t(std::numeric_limits<int32_t>::max());

void putU32(platform::Bytes& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(value >> shift));
}

void putValues(platform::Bytes& out, const PackageRecordValues& values)
{
    putU32(out, uint32_t(values.value64));
    putU32(out, uint32_t(values.value64 >> 32));
    putU32(out, values.value32);
    out.insert(out.end(), values.opaque.begin(), values.opaque.end());
}

// The reader ends a name at its first zero unit, so such a name could not
// come back as written.
bool nameFits(const String& name)
{
    return name.size() * 2 <= Package::kMaximumNameBytes && name.find(u'\0') == String::npos;
}

void putName(platform::Bytes& out, const String& name)
{
    for (const char16_t unit : name) {
        out.push_back(uint8_t(unit));
        out.push_back(uint8_t(unit >> 8));
    }
}

} // namespace

std::optional<platform::Bytes> serializePackage(const Package& package)
{
    // The reader's bounds apply to what is written, so every package written
    // reads back.
    size_t entries = package.folders().size();
    for (const auto& folder : package.folders())
        entries += folder->files().size();
    if (entries > Package::kMaxEntries)
        return std::nullopt;

    platform::Bytes out;
    out.push_back('F');
    out.push_back('A');
    out.push_back(0);
    out.push_back(0);
    putU32(out, package.headerValue1());
    putU32(out, package.headerValue2());
    putU32(out, uint32_t(package.folders().size()));
    putU32(out, 0);

    for (const auto& folder : package.folders()) {
        if (!nameFits(folder->name()) || folder->files().size() > kMaximumCount)
            return std::nullopt;
        putU32(out, uint32_t(folder->name().size() * 2));
        putValues(out, folder->values());
        putU32(out, uint32_t(folder->files().size()));
        putName(out, folder->name());

        for (const auto& file : folder->files()) {
            if (!nameFits(file->name()) || file->size() > kMaximumCount)
                return std::nullopt;
            putU32(out, uint32_t(file->name().size() * 2));
            putValues(out, file->values());
            putU32(out, uint32_t(file->size()));
            putU32(out, 0);
            putName(out, file->name());
            out.insert(out.end(), file->bytes().begin(), file->bytes().end());
            if (out.size() > Package::kMaxFileBytes)
                return std::nullopt;
        }
    }
    return out;
}

bool writePackage(const Package& package, StringView path)
{
    const auto bytes = serializePackage(package);
    return bytes && platform::replaceFile(path, *bytes);
}
