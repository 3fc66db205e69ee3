// Replays, through every fuzz target, the inputs that once broke a reader
// (tests/fuzz/regressions/<target>/, one file per input). A target aborts
// on a failed check and the sanitizers stop on a bad access, so an input
// that breaks its reader again fails the suite loudly.
#include "tests/fuzz/FuzzTargets.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

class FuzzRegression : public testing::TestWithParam<NamedFuzzTarget> {};

TEST_P(FuzzRegression, ReplayedInputsPass)
{
    const std::filesystem::path folder =
        std::filesystem::path(TINTSCOPE_SOURCE_DIR) / "tests" / "fuzz" / "regressions" / GetParam().name;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        GTEST_SKIP() << "no regressions for " << GetParam().name;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().string());
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        GetParam().run(bytes.data(), bytes.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzRegression, testing::ValuesIn(kFuzzTargets),
                         [](const testing::TestParamInfo<NamedFuzzTarget>& info) { return info.param.name; });

} // namespace
