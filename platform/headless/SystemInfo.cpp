#include "platform/SystemInfo.h"
#include "platform/headless/HeadlessSystemInfo.h"

namespace platform {

namespace {

constexpr uint32_t kDefaultMenuShowDelayMs = 400;
uint32_t g_menuShowDelayMs = kDefaultMenuShowDelayMs;
bool g_snapToDefaultButton = false;

} // namespace

// The headless system presents itself as a current Windows.
std::optional<OsVersion> osVersion() { return OsVersion{10, 0}; }

String processCommandLine() { return {}; }

// Like a system with the effect turned off, so popups draw their border.
bool systemDrawsDropShadows() { return false; }

uint32_t menuShowDelay() { return g_menuShowDelayMs; }

bool snapsToDefaultButton() { return g_snapToDefaultButton; }

namespace headless {

void setMenuShowDelay(uint32_t delayMs) { g_menuShowDelayMs = delayMs; }
void setSnapToDefaultButton(bool on) { g_snapToDefaultButton = on; }
void resetSystemInfo()
{
    g_menuShowDelayMs = kDefaultMenuShowDelayMs;
    g_snapToDefaultButton = false;
}

} // namespace headless

} // namespace platform
