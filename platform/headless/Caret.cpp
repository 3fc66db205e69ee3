#include "platform/Caret.h"
#include "platform/headless/HeadlessCaret.h"

namespace platform {

namespace {

constexpr uint32_t kDefaultBlinkTime = 500;

std::optional<uint32_t>& blinkTime()
{
    static std::optional<uint32_t> time = kDefaultBlinkTime;
    return time;
}

} // namespace

std::optional<uint32_t> caretBlinkTime() { return blinkTime(); }

void headless::setCaretBlinkTime(std::optional<uint32_t> ms) { blinkTime() = ms; }

} // namespace platform
