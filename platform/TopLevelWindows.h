#pragma once
// Enumeration of the desktop's top-level windows and what can be read of a
// window that may belong to another process.

#include "platform/NativeHandle.h"
#include "platform/Text.h"

#include <functional>

namespace platform {

// Calls `visit` for each top-level window until it returns false.
void enumerateTopLevelWindows(const std::function<bool(NativeHandle)>& visit);
bool isWindowVisible(NativeHandle window);
// The window's class name, read with room for 2047 characters.
String windowClassName(NativeHandle window);

} // namespace platform
