#include "platform/SystemInfo.h"

namespace platform {

// The headless system presents itself as a current Windows.
std::optional<OsVersion> osVersion() { return OsVersion{10, 0}; }

String processCommandLine() { return {}; }

} // namespace platform
