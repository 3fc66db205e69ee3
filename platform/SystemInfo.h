#pragma once
// Facts about the running system.

#include "platform/Text.h"

#include <cstdint>
#include <optional>

namespace platform {

struct OsVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

// Nothing when the system does not say.
std::optional<OsVersion> osVersion();

// The process command line as the system gives it.
String processCommandLine();

// Whether the system draws a shadow under menus and tooltips (a user
// setting); popups without one draw a border of their own instead.
bool systemDrawsDropShadows();

// How long the pointer rests on a menu item before its submenu opens, in
// milliseconds (the user's setting).
uint32_t menuShowDelay();

// Whether the user asked for the pointer to jump to the default button of
// a dialog that opens.
bool snapsToDefaultButton();

} // namespace platform
