#pragma once
// Files and folders. Every query runs with the system's critical-error
// dialogs suppressed, so a missing drive or medium is simply "missing".
//
// Paths are platform paths: on Windows joined with a backslash, on the
// headless (Linux) build with a slash; build them with joinPath.

#include "platform/Text.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

using Bytes = std::vector<uint8_t>;

enum class PathKind { Missing, File, Folder };

char16_t pathSeparator();
String joinPath(StringView folder, StringView name);
// True when the text names a path of its own (holds a separator).
bool hasPathSeparator(StringView text);
// The last component of a path (after the last separator).
String fileName(StringView path);
// The folder part of a path (before the last separator; empty if none).
String folderOf(StringView path);

PathKind pathKind(StringView path);

// Reads the whole file; nothing for a missing file, a folder, an unreadable
// file, or one larger than `maxBytes`.
std::optional<Bytes> readFile(StringView path, uint64_t maxBytes = uint64_t(1) << 31);

// Reads at most `count` bytes from the start of the file (fewer when it is
// shorter); nothing for a missing file, a folder or an unreadable file.
std::optional<Bytes> readFileStart(StringView path, size_t count);

// Creates or replaces the file with exactly these bytes.
bool writeFile(StringView path, const Bytes& bytes);

// Writes the bytes to a temporary file in the same folder and only then
// replaces `path` with it, so a crash or a full disk never leaves a
// truncated file behind: either the old content or the new one survives.
bool replaceFile(StringView path, const Bytes& bytes);

// Creates the folder and every missing level above it.
bool createFolders(StringView path);

// Names (not paths) of the files in `folder` whose extension, compared
// without case, is `extension` (without the dot), in the order the file
// system lists them.
std::vector<String> listFiles(StringView folder, StringView extension);

// The per-user application-data folder (CSIDL_APPDATA on Windows).
String appDataFolder();

// Full path of the running executable.
String executablePath();

} // namespace platform
