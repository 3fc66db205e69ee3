#pragma once
// Control of the headless caret settings, for tests. Only the headless build
// has this header's functions.

#include <cstdint>
#include <optional>

namespace platform::headless {

// What platform::caretBlinkTime answers from now on (nothing: never
// blinks). Default: 500 ms.
void setCaretBlinkTime(std::optional<uint32_t> ms);

} // namespace platform::headless
