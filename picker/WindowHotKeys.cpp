#include "picker/WindowHotKeys.h"

#include "platform/GlobalHotKeys.h"

#include <algorithm>

namespace {

uint32_t systemModifiers(const HotKeyValue& hotKey)
{
    uint32_t modifiers = 0;
    if (hotKey.has(HotKeyModifier::Shift))
        modifiers |= platform::HotKeySystemShift;
    if (hotKey.has(HotKeyModifier::Control))
        modifiers |= platform::HotKeySystemControl;
    if (hotKey.has(HotKeyModifier::Alt))
        modifiers |= platform::HotKeySystemAlt;
    return modifiers;
}

} // namespace

WindowHotKeys::~WindowHotKeys()
{
    for (const Registration& registration : m_registrations)
        platform::unregisterGlobalHotKey(registration.window, registration.id);
}

bool WindowHotKeys::isUsable(int32_t id, const HotKeyValue& hotKey)
{
    const bool functionKey = hotKey.key >= kFirstFunctionKey && hotKey.key <= kLastFunctionKey;
    return id >= 0 && hotKey.key != 0 && (functionKey || (hotKey.modifiers & kHotKeyModifierMask) != 0);
}

bool WindowHotKeys::registerHotKey(NativeHandle window, int32_t id, const HotKeyValue& hotKey)
{
    if (!isUsable(id, hotKey) || id > kMaximumId || isRegistered(id) || !window)
        return false;
    if (!platform::registerGlobalHotKey(window, id, systemModifiers(hotKey), hotKey.key))
        return false;
    m_registrations.push_back({window, id, hotKey});
    return true;
}

bool WindowHotKeys::unregisterHotKey(int32_t id)
{
    const auto found = std::find_if(m_registrations.begin(), m_registrations.end(),
                                    [id](const Registration& registration) { return registration.id == id; });
    if (found == m_registrations.end())
        return false;
    platform::unregisterGlobalHotKey(found->window, found->id);
    m_registrations.erase(found);
    return true;
}

bool WindowHotKeys::isRegistered(int32_t id) const
{
    return std::any_of(m_registrations.begin(), m_registrations.end(),
                       [id](const Registration& registration) { return registration.id == id; });
}
