#pragma once
// The system's text caret settings.

#include <cstdint>
#include <optional>

namespace platform {

// Milliseconds between the caret's turns on and off; nothing when the user
// chose a caret that never blinks.
std::optional<uint32_t> caretBlinkTime();

} // namespace platform
