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

uint32_t menuShowDelay()
{
    // The system's own default, for a system that does not answer.
    constexpr uint32_t kFallbackDelayMs = 400;
    DWORD delay = 0;
    if (!SystemParametersInfoW(SPI_GETMENUSHOWDELAY, 0, &delay, 0))
        return kFallbackDelayMs;
    return delay;
}

bool snapsToDefaultButton()
{
    BOOL on = FALSE;
    return SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &on, 0) && on;
}

} // namespace platform
