#include "tests/fuzz/FuzzTargets.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

void fuzzCheck(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

const std::filesystem::path& fuzzScratchFolder()
{
    static const std::filesystem::path folder = [] {
        // Memory-backed when the machine has it: settings are written and
        // read on every input.
        std::error_code error;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, error))
            base = std::filesystem::temp_directory_path();
        std::filesystem::path path = base / ("tintscope-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path, error);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(fuzzScratchFolder(), ignored);
        });
        return path;
    }();
    return folder;
}
