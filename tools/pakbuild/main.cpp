// pakbuild <source-folder> <output.pak>
//
// Packs a folder tree into a package: every folder directly inside the
// source folder becomes a package folder, and the files inside it become
// its files. Folders and files are sorted by name and every stored record
// value is zero, so the same tree always gives the same bytes. Names that
// start with "." (such as .gitkeep) are left out. Anything the format cannot
// hold (files directly in the source folder, deeper folders, names over 255
// UTF-16 units, files of 2 GiB or more) is an error, and no output is
// written.
#include "app/PackageWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Entry {
    String name;
    fs::path path;
};

bool fail(const std::string& message)
{
    std::fprintf(stderr, "pakbuild: %s\n", message.c_str());
    return false;
}

// The visible entries of a folder, sorted by name; directories or plain files
// as asked. An entry of the other kind is an error.
bool listEntries(const fs::path& folder, bool wantFolders, std::vector<Entry>& entries)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; it != end; it.increment(error)) {
        if (error)
            break;
        const std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.')
            continue;
        const bool isFolder = it->is_directory(error);
        if (!isFolder && !it->is_regular_file(error))
            return fail("not a regular file or folder: " + it->path().string());
        if (isFolder != wantFolders) {
            return fail(wantFolders ? "files must lie inside a folder of the source folder: " + it->path().string()
                                    : "folders cannot nest inside a package folder: " + it->path().string());
        }
        entries.push_back({fromUtf8(name), it->path()});
    }
    if (error)
        return fail("cannot list " + folder.string() + ": " + error.message());
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return true;
}

bool checkName(const Entry& entry)
{
    if (entry.name.size() * 2 > Package::kMaximumNameBytes)
        return fail("name longer than 255 UTF-16 units: " + entry.path.string());
    return true;
}

bool buildPackage(const fs::path& source, Package& package)
{
    std::vector<Entry> folders;
    if (!listEntries(source, true, folders))
        return false;
    for (const Entry& folderEntry : folders) {
        if (!checkName(folderEntry))
            return false;
        std::vector<Entry> files;
        if (!listEntries(folderEntry.path, false, files))
            return false;
        PackageFolder& folder = package.addFolder(folderEntry.name);
        for (const Entry& fileEntry : files) {
            if (!checkName(fileEntry))
                return false;
            auto bytes = platform::readFile(fromUtf8(fileEntry.path.string()), uint64_t(INT32_MAX));
            if (!bytes)
                return fail("cannot read (or larger than 2 GiB): " + fileEntry.path.string());
            folder.addFile(fileEntry.name, std::move(*bytes));
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pakbuild <source-folder> <output.pak>\n");
        return 2;
    }
    const fs::path source(argv[1]);
    std::error_code error;
    if (!fs::is_directory(source, error)) {
        fail(std::string("not a folder: ") + argv[1]);
        return 1;
    }
    Package package;
    if (!buildPackage(source, package))
        return 1;
    if (!writePackage(package, fromUtf8(argv[2]))) {
        fail(std::string("cannot write ") + argv[2]);
        return 1;
    }
    return 0;
}
