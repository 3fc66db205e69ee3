#pragma once
// System-wide hot keys: a key combination that sends a window the hot-key
// message (WindowMessageId::HotKey, the id as its first parameter) whatever
// program has the keyboard.

#include "platform/NativeHandle.h"

#include <cstdint>

namespace platform {

// The system's modifier bits of a registration (not the KeyModifier bits of
// events: the system numbers them the other way round).
enum HotKeySystemModifier : uint32_t {
    HotKeySystemAlt = 0x1,
    HotKeySystemControl = 0x2,
    HotKeySystemShift = 0x4,
};

// False when the combination is taken (by this or another program) or the
// id is already registered on the window.
bool registerGlobalHotKey(NativeHandle window, int32_t id, uint32_t systemModifiers, uint32_t virtualKey);
bool unregisterGlobalHotKey(NativeHandle window, int32_t id);

} // namespace platform
