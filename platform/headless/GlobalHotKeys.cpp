#include "platform/GlobalHotKeys.h"
#include "platform/MessageLoop.h"
#include "platform/headless/HeadlessNotificationArea.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

constexpr uint32_t kHotKeyMessage = 0x0312;

std::vector<headless::GlobalHotKeyRegistration>& registrations()
{
    static std::vector<headless::GlobalHotKeyRegistration> hotKeys;
    return hotKeys;
}

} // namespace

bool registerGlobalHotKey(NativeHandle window, int32_t id, uint32_t systemModifiers, uint32_t virtualKey)
{
    auto& hotKeys = registrations();
    const bool taken = std::any_of(hotKeys.begin(), hotKeys.end(), [&](const auto& hotKey) {
        return (hotKey.window == window && hotKey.id == id)
            || (hotKey.systemModifiers == systemModifiers && hotKey.key == virtualKey);
    });
    if (taken || !window)
        return false;
    hotKeys.push_back({window, id, systemModifiers, virtualKey});
    return true;
}

bool unregisterGlobalHotKey(NativeHandle window, int32_t id)
{
    return std::erase_if(registrations(),
                         [&](const auto& hotKey) { return hotKey.window == window && hotKey.id == id; })
        > 0;
}

namespace headless {

const std::vector<GlobalHotKeyRegistration>& globalHotKeys() { return registrations(); }

bool pressGlobalHotKey(uint32_t systemModifiers, uint32_t key)
{
    for (const GlobalHotKeyRegistration& hotKey : registrations())
        if (hotKey.systemModifiers == systemModifiers && hotKey.key == key) {
            sendMessage(hotKey.window, kHotKeyMessage, uintptr_t(hotKey.id), 0);
            return true;
        }
    return false;
}

} // namespace headless

} // namespace platform
