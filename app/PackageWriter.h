#pragma once
// Serialises a Package into the container format that Package::parse reads
// (layout described in app/Package.h). Used by the package builder tool and
// by tests that round-trip packages.

#include "app/Package.h"

#include <optional>

// The package's bytes, or nothing when it cannot be represented: a name
// longer than 255 UTF-16 units or holding a zero unit, or a count or file
// size beyond the int32 fields of the format, or more entries or bytes than
// the reader's bounds (Package::kMaxEntries, kMaxFileBytes) allow. Stored
// record values are written back as held.
std::optional<platform::Bytes> serializePackage(const Package& package);

// Serialises and writes the package to `path`, replacing the file only
// once the whole content is on disk.
bool writePackage(const Package& package, StringView path);
