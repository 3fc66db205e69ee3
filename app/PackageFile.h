#pragma once
// One file of a data or style package: its name, the record values the
// package format stores without giving them a meaning, and its bytes.

#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <array>
#include <cstdint>

class XmlDocument;

// The values every folder and file record carries beside its name. Readers
// keep them so that a package can be written back unchanged; nothing in the
// program interprets them, and the package builder stores zeros.
struct PackageRecordValues {
    uint64_t value64 = 0;
    uint32_t value32 = 0;
    std::array<uint8_t, 28> opaque{};

    bool operator==(const PackageRecordValues&) const = default;
};

class PackageFile {
public:
    PackageFile(String name, platform::Bytes bytes, PackageRecordValues values = {})
        : m_name(std::move(name))
        , m_bytes(std::move(bytes))
        , m_values(values)
    {}

    const String& name() const { return m_name; }
    const PackageRecordValues& values() const { return m_values; }

    // The file's bytes, owned by this entry; nullptr for an empty file.
    const uint8_t* data() const { return m_bytes.empty() ? nullptr : m_bytes.data(); }
    size_t size() const { return m_bytes.size(); }
    const platform::Bytes& bytes() const { return m_bytes; }

    // Parses the bytes as a UTF-8 XML document (a leading byte-order mark is
    // skipped; the declaration is required as for any XML file).
    bool readXml(XmlDocument& document) const;

private:
    String m_name;
    platform::Bytes m_bytes;
    PackageRecordValues m_values;
};
