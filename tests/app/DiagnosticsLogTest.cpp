#include "app/DiagnosticsLog.h"
#include "platform/FileSystem.h"
#include "platform/HandleCounts.h"

#include "tests/app/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const String& path)
{
    const auto bytes = platform::readFile(path);
    std::istringstream text(bytes ? std::string(bytes->begin(), bytes->end()) : std::string());
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

// The count a snapshot line gives for one kind; -1 when it has none.
long long countIn(const std::string& line, const std::string& kind)
{
    const auto at = line.find(' ' + kind + '=');
    return at == std::string::npos ? -1 : std::stoll(line.substr(at + kind.size() + 2));
}

} // namespace

// Every snapshot is kept (an abrupt end still leaves the earlier ones) and
// each names every kind with its live count at that moment.
TEST(DiagnosticsLog, SnapshotsKeepEveryKindsCountAtTheirMoment)
{
    ScratchFolder folder;
    DiagnosticsLog log(folder.path("diagnostics.txt"));
    ASSERT_TRUE(log.writeSnapshot("start"));
    platform::countHandleCreated(platform::HandleKind::WindowClass);
    const bool written = log.writeSnapshot("exit");
    platform::countHandleDestroyed(platform::HandleKind::WindowClass);
    ASSERT_TRUE(written);

    const auto lines = linesOf(folder.path("diagnostics.txt"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("start ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("exit ", 0), 0u);
    for (const char* kind :
         {"Pen", "Brush", "Font", "Bitmap", "DeviceContext", "Icon", "Cursor", "Region", "ImagingObject", "Window"})
        EXPECT_EQ(countIn(lines[0], kind), countIn(lines[1], kind)) << kind;
    EXPECT_EQ(countIn(lines[1], "WindowClass"), countIn(lines[0], "WindowClass") + 1);
    EXPECT_GE(countIn(lines[0], "WindowClass"), 0);
}

TEST(DiagnosticsLog, AnUnwritablePathIsReported)
{
    ScratchFolder folder;
    DiagnosticsLog log(folder.path());
    EXPECT_FALSE(log.writeSnapshot("start"));
}
