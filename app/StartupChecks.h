#pragma once
// What the program checks and opens before it builds its windows.

#include "platform/SystemInfo.h"

#include <optional>

class Application;

// Windows XP (5.1) or later; a failed version query counts as too old.
bool isSupportedSystem(std::optional<platform::OsVersion> version);

// Opens the "data" package; false if it is missing or broken (the style
// set, which belongs to the toolkit above this layer, is loaded by the
// program entry).
bool openStartupResources(Application& application);
