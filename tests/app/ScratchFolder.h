#pragma once
// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes. Paths come back as program text.

#include "platform/FileSystem.h"

#include <filesystem>
#include <random>
#include <string>

class ScratchFolder {
public:
    ScratchFolder()
    {
        static std::mt19937_64 names(std::random_device{}());
        m_path = std::filesystem::temp_directory_path() / ("tintscope-test-" + std::to_string(names()));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    String path() const { return m_path.u16string(); }
    // Path of `relative` ("a/b.xml") inside the folder, with the platform's separators.
    String path(const std::string& relative) const { return (m_path / relative).make_preferred().u16string(); }

    // Writes the file, creating the folders above it.
    String write(const std::string& relative, const platform::Bytes& bytes) const
    {
        const String file = path(relative);
        platform::createFolders(platform::folderOf(file));
        platform::writeFile(file, bytes);
        return file;
    }
    String write(const std::string& relative, const std::string& text) const
    {
        return write(relative, platform::Bytes(text.begin(), text.end()));
    }

private:
    std::filesystem::path m_path;
};
