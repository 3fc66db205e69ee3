#include "platform/SystemInfo.h"

namespace platform {

// The headless system presents itself as a current Windows.
std::optional<OsVersion> osVersion() { return OsVersion{10, 0}; }

String processCommandLine() { return {}; }

// Like a system with the effect turned off, so popups draw their border.
bool systemDrawsDropShadows() { return false; }

} // namespace platform
