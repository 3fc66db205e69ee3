#include "platform/FileSystem.h"
#include "platform/win32/ErrorModeGuard.h"
#include "platform/win32/Wide.h"

#include <windows.h>
#include <shlobj.h>

namespace platform {

using win32::ErrorModeGuard;
using win32::fromWide;
using win32::wide;

namespace {

// A file handle that is closed when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle()
    {
        if (valid())
            CloseHandle(m_handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    bool close()
    {
        const bool ok = CloseHandle(m_handle) != 0;
        m_handle = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_handle;
};

// Windows refuses to overwrite or replace a file with the read-only
// attribute, but Wine lets MoveFileEx replace one (and root write one), so
// the attribute is checked here: a user's read-only config.dat stays as it
// is on both, and the save reports failure.
bool isReadOnlyFile(const String& path)
{
    const DWORD attributes = GetFileAttributesW(wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)
        && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Creates the file (replacing it), writes every byte, flushes it to the
// medium when asked, and reports whether each of those steps succeeded.
bool writeAll(const String& path, const Bytes& bytes, bool flush)
{
    ErrorModeGuard errors;
    if (isReadOnlyFile(path))
        return false;
    FileHandle file(CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = DWORD(std::min<size_t>(bytes.size() - written, 1 << 20));
        DWORD done = 0;
        if (!WriteFile(file.get(), bytes.data() + written, chunk, &done, nullptr) || done != chunk)
            return false;
        written += done;
    }
    if (flush && !FlushFileBuffers(file.get()))
        return false;
    return file.close();
}

} // namespace

char16_t pathSeparator() { return u'\\'; }

PathKind pathKind(StringView path)
{
    ErrorModeGuard errors;
    const DWORD attributes = GetFileAttributesW(wide(String(path)));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

std::optional<Bytes> readFile(StringView path, uint64_t maxBytes)
{
    ErrorModeGuard errors;
    FileHandle file(CreateFileW(wide(String(path)), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || uint64_t(size.QuadPart) > maxBytes)
        return std::nullopt;
    Bytes bytes;
    bytes.reserve(size_t(size.QuadPart));
    uint8_t block[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), block, sizeof block, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        if (bytes.size() + got > maxBytes)
            return std::nullopt;
        bytes.insert(bytes.end(), block, block + got);
    }
    return bytes;
}

std::optional<Bytes> readFileStart(StringView path, size_t count)
{
    ErrorModeGuard errors;
    FileHandle file(CreateFileW(wide(String(path)), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return std::nullopt;
    Bytes bytes(count);
    size_t filled = 0;
    while (filled < count) {
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(count - filled < 65536 ? count - filled : 65536);
        if (!ReadFile(file.get(), bytes.data() + filled, wanted, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

bool writeFile(StringView path, const Bytes& bytes) { return writeAll(String(path), bytes, false); }

bool replaceFile(StringView path, const Bytes& bytes)
{
    const String target(path);
    const String temporary = target + u".tmp";
    if (isReadOnlyFile(target))
        return false;
    if (!writeAll(temporary, bytes, true)) {
        DeleteFileW(wide(temporary));
        return false;
    }
    ErrorModeGuard errors;
    if (!MoveFileExW(wide(temporary), wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(wide(temporary));
        return false;
    }
    return true;
}

bool createFolders(StringView path)
{
    String folder(path);
    while (!folder.empty() && folder.back() == u'\\')
        folder.pop_back();
    if (folder.empty())
        return false;
    switch (pathKind(folder)) {
    case PathKind::Folder:
        return true;
    case PathKind::File:
        return false;
    case PathKind::Missing:
        break;
    }
    const String parent = folderOf(folder);
    // A drive root ("C:") or a share has no parent to create.
    if (!parent.empty() && parent.back() != u':' && pathKind(parent) == PathKind::Missing && !createFolders(parent))
        return false;
    ErrorModeGuard errors;
    return CreateDirectoryW(wide(folder), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::vector<String> listFiles(StringView folder, StringView extension)
{
    std::vector<String> names;
    ErrorModeGuard errors;
    const String pattern = joinPath(folder, u"*." + String(extension));
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(wide(pattern), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(fromWide(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

String appDataFolder()
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return fromWide(path);
}

String executablePath()
{
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fromWide(path, length);
}

} // namespace platform
