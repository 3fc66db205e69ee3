#pragma once
// What the program checks and opens before it builds its windows.

#include "platform/SystemInfo.h"

#include <optional>

class Application;

// Windows XP (5.1) or later; a failed version query counts as too old.
bool isSupportedSystem(std::optional<platform::OsVersion> version);

// Opens the "data" package and the "default" style set; false if either
// is missing or broken.
bool openStartupResources(Application& application);
