#include "platform/SystemInfo.h"
#include "platform/win32/Wide.h"

#include <windows.h>

namespace platform {

std::optional<OsVersion> osVersion()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info))
        return std::nullopt;
#pragma GCC diagnostic pop
    return OsVersion{info.dwMajorVersion, info.dwMinorVersion};
}

String processCommandLine() { return win32::fromWide(GetCommandLineW()); }

bool systemDrawsDropShadows()
{
    BOOL on = FALSE;
    return SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &on, 0) && on;
}

} // namespace platform
