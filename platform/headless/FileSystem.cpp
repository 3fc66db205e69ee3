// File system for the headless build, on the C++ standard library. Paths
// are UTF-16 in the program and UTF-8 on disk.
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/headless/HeadlessFileSystem.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

fs::path nativePath(StringView path) { return fs::path(toUtf8(path)); }

headless::FileWriteStep g_injectedFault = headless::FileWriteStep::None;

bool faultAt(headless::FileWriteStep step) { return g_injectedFault == step; }

// Windows refuses to overwrite or replace a file with the read-only
// attribute, whoever asks; POSIX lets rename replace it and root write it.
// The headless build follows Windows, so a user's read-only config.dat is
// treated alike by both builds. The owner's write bit stands for the
// attribute, as Wine maps it.
bool isReadOnlyFile(const fs::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && !(info.st_mode & S_IWUSR);
}

bool writeAll(const fs::path& path, const Bytes& bytes)
{
    if (faultAt(headless::FileWriteStep::Create) || isReadOnlyFile(path))
        return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = true;
    if (faultAt(headless::FileWriteStep::Write)) {
        ok = false;
    } else if (faultAt(headless::FileWriteStep::ShortWrite)) {
        std::fwrite(bytes.data(), 1, bytes.size() / 2, file);
        ok = false;
    } else {
        ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    ok = std::fflush(file) == 0 && !faultAt(headless::FileWriteStep::Flush) && ok;
    ok = ::fsync(fileno(file)) == 0 && ok;
    return std::fclose(file) == 0 && !faultAt(headless::FileWriteStep::Close) && ok;
}

} // namespace

char16_t pathSeparator() { return u'/'; }

PathKind pathKind(StringView path)
{
    std::error_code error;
    const auto status = fs::status(nativePath(path), error);
    if (error || !fs::exists(status))
        return PathKind::Missing;
    return fs::is_directory(status) ? PathKind::Folder : PathKind::File;
}

std::optional<Bytes> readFile(StringView path, uint64_t maxBytes)
{
    if (pathKind(path) != PathKind::File)
        return std::nullopt;
    // A file too large is refused by its size, before a byte is read; the
    // reads below check again, as the file may grow meanwhile.
    std::error_code error;
    if (fs::file_size(nativePath(path), error) > maxBytes || error)
        return std::nullopt;
    std::ifstream in(nativePath(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    Bytes bytes;
    uint8_t block[65536];
    while (in) {
        in.read(reinterpret_cast<char*>(block), sizeof block);
        const auto got = size_t(in.gcount());
        if (bytes.size() + got > maxBytes)
            return std::nullopt;
        bytes.insert(bytes.end(), block, block + got);
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

std::optional<Bytes> readFileStart(StringView path, size_t count)
{
    if (pathKind(path) != PathKind::File)
        return std::nullopt;
    std::ifstream in(nativePath(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    Bytes bytes(count);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

bool writeFile(StringView path, const Bytes& bytes) { return writeAll(nativePath(path), bytes); }

bool replaceFile(StringView path, const Bytes& bytes)
{
    const fs::path target = nativePath(path);
    fs::path temporary = target;
    temporary += ".tmp";
    if (!writeAll(temporary, bytes)) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    std::error_code error;
    if (faultAt(headless::FileWriteStep::Replace) || isReadOnlyFile(target))
        error = std::make_error_code(std::errc::permission_denied);
    else
        fs::rename(temporary, target, error);
    if (!error)
        return true;
    // The clean-up's own outcome must not mask the failed rename.
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
}

bool createFolders(StringView path)
{
    std::error_code error;
    fs::create_directories(nativePath(path), error);
    return pathKind(path) == PathKind::Folder;
}

std::vector<String> listFiles(StringView folder, StringView extension)
{
    std::vector<String> names;
    std::error_code error;
    const String wanted = u"." + toLower(extension);
    for (fs::directory_iterator it(nativePath(folder), error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        const String name = fromUtf8(it->path().filename().string());
        if (toLower(name).size() > wanted.size() && endsWith(toLower(name), wanted))
            names.push_back(name);
    }
    return names;
}

String appDataFolder()
{
    // XDG's per-user data folder stands in for the roaming application data.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fromUtf8(xdg);
    if (const char* home = std::getenv("HOME"); home && *home)
        return fromUtf8(std::string(home) + "/.local/share");
    return fromUtf8(fs::temp_directory_path().string());
}

String executablePath()
{
    std::error_code error;
    const auto path = fs::read_symlink("/proc/self/exe", error);
    return error ? String() : fromUtf8(path.string());
}

namespace headless {

void injectFileWriteFault(FileWriteStep step) { g_injectedFault = step; }

} // namespace headless

} // namespace platform
