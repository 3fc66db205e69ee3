#include "platform/InputMethod.h"
#include "platform/headless/HeadlessInputMethod.h"

#include <map>

namespace platform {

namespace {

struct InputMethodState {
    std::map<NativeHandle, bool> enabled;
    std::map<NativeHandle, Point> positions;
    std::optional<String> result;
};

InputMethodState& state()
{
    static InputMethodState instance;
    return instance;
}

} // namespace

void setInputMethodEnabled(NativeHandle window, bool enabled) { state().enabled[window] = enabled; }

void setCompositionPosition(NativeHandle window, Point clientPosition) { state().positions[window] = clientPosition; }

std::optional<String> compositionResult(NativeHandle)
{
    std::optional<String> result = std::move(state().result);
    state().result.reset();
    return result;
}

bool headless::isInputMethodEnabled(NativeHandle window)
{
    const auto found = state().enabled.find(window);
    return found == state().enabled.end() || found->second;
}

std::optional<Point> headless::compositionPosition(NativeHandle window)
{
    const auto found = state().positions.find(window);
    if (found == state().positions.end())
        return std::nullopt;
    return found->second;
}

void headless::setCompositionResult(String text) { state().result = std::move(text); }

void headless::resetInputMethod() { state() = InputMethodState(); }

} // namespace platform
