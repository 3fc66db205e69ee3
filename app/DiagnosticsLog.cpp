#include "app/DiagnosticsLog.h"

#include "platform/FileSystem.h"
#include "platform/HandleCounts.h"

#include <array>

namespace {

// Indexed by HandleKind.
constexpr std::array<std::string_view, platform::kHandleKindCount> kKindNames = {
    "Pen",    "Brush",  "Font",          "Bitmap", "DeviceContext", "Icon",
    "Cursor", "Region", "ImagingObject", "Window", "WindowClass"};

} // namespace

bool DiagnosticsLog::writeSnapshot(std::string_view label)
{
    m_lines += label;
    for (int kind = 0; kind < platform::kHandleKindCount; ++kind) {
        m_lines += ' ';
        m_lines += kKindNames[static_cast<size_t>(kind)];
        m_lines += '=';
        m_lines += std::to_string(platform::liveHandleCount(static_cast<platform::HandleKind>(kind)));
    }
    m_lines += '\n';
    // The whole log each time: two or three lines, and a run that ends
    // abruptly still leaves every line written so far.
    return platform::writeFile(m_path, platform::Bytes(m_lines.begin(), m_lines.end()));
}
