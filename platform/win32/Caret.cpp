#include "platform/Caret.h"

#include <windows.h>

namespace platform {

namespace {

// What the system answers when it cannot say: its own default.
constexpr uint32_t kDefaultBlinkTime = 530;

} // namespace

std::optional<uint32_t> caretBlinkTime()
{
    const UINT time = GetCaretBlinkTime();
    if (time == INFINITE)
        return std::nullopt;
    return time == 0 ? kDefaultBlinkTime : uint32_t(time);
}

} // namespace platform
