#pragma once
// The input method of a native window: whether its input context is
// associated, where its composition window stands, and the text a finished
// composition leaves.

#include "platform/Geometry.h"
#include "platform/NativeHandle.h"
#include "platform/Text.h"

#include <cstdint>
#include <optional>

namespace platform {

// The bit of a composition message's flags (its second parameter) saying
// that a finished text is ready.
inline constexpr intptr_t kCompositionResultFlag = 0x800;

// Associates the window's default input context (true) or none (false), so
// the input method composes only while a field that takes its text has the
// keyboard.
void setInputMethodEnabled(NativeHandle window, bool enabled);
// Places the composition window's top-left corner at a point of the
// window's client area.
void setCompositionPosition(NativeHandle window, Point clientPosition);
// The finished text of the window's current composition; nothing when
// there is none (or no input context).
std::optional<String> compositionResult(NativeHandle window);

} // namespace platform
