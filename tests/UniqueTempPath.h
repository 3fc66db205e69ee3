#pragma once
// A path in the temporary folder that no other test run shares: several
// checkouts may run their suites at the same time on one machine.

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

inline std::filesystem::path uniqueTempPath(std::string_view name)
{
    static const std::string run = "tintscope-" + std::to_string(std::random_device{}());
    return std::filesystem::temp_directory_path() / (run + "-" + std::string(name));
}
