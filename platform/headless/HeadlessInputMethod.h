#pragma once
// Control of the headless input method, for tests. Only the headless build
// has this header's functions.

#include "platform/Geometry.h"
#include "platform/NativeHandle.h"
#include "platform/Text.h"

#include <optional>

namespace platform::headless {

// Whether the window's input context is associated (windows never set are).
bool isInputMethodEnabled(NativeHandle window);
// The last position given to the window's composition window.
std::optional<Point> compositionPosition(NativeHandle window);
// What compositionResult answers next, once.
void setCompositionResult(String text);
void resetInputMethod();

} // namespace platform::headless
