#include "platform/headless/HeadlessWindows.h"
#include "platform/NativeWindow.h"
#include "platform/TopLevelWindows.h"

namespace platform {

void enumerateTopLevelWindows(const std::function<bool(NativeHandle)>& visit)
{
    // Copy first: a visitor may create or destroy windows.
    const auto windows = headless::windowSystem().windows;
    for (const auto& entry : windows)
        if (!visit(entry.handle))
            return;
}

bool isWindowVisible(NativeHandle window)
{
    // Hidden windows are never shown; top-level windows of the toolkit may be.
    const NativeWindow* topLevel = NativeWindow::fromHandle(window);
    return topLevel && topLevel->isVisible();
}

String windowClassName(NativeHandle window)
{
    for (const auto& entry : headless::windowSystem().windows)
        if (entry.handle == window)
            return entry.className.substr(0, 2047);
    return {};
}

} // namespace platform
