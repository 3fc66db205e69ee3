#include "platform/headless/HeadlessWindows.h"

#include <algorithm>

namespace platform {

using headless::windowSystem;

// Nothing here broadcasts or looks windows up by class, so both reaches are
// the same window.
HiddenWindow::HiddenWindow(String className, Reach) : m_className(std::move(className))
{
    auto& system = windowSystem();
    m_handle = reinterpret_cast<NativeHandle>(system.nextHandle++);
    system.windows.push_back({this, m_handle, m_className, nullptr});
}

HiddenWindow::~HiddenWindow()
{
    auto& windows = windowSystem().windows;
    std::erase_if(windows, [this](const headless::WindowEntry& entry) { return entry.owner == this; });
    // Messages still queued for the window are dropped with it.
    std::erase_if(windowSystem().queue, [this](const Message& message) { return message.window == m_handle; });
}

HiddenWindow* HiddenWindow::owner(NativeHandle window)
{
    const headless::WindowEntry* entry = headless::findWindow(window);
    return entry ? entry->owner : nullptr;
}

} // namespace platform
