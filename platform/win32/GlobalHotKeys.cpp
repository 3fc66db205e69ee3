#include "platform/GlobalHotKeys.h"

#include <windows.h>

namespace platform {

static_assert(HotKeySystemAlt == MOD_ALT && HotKeySystemControl == MOD_CONTROL && HotKeySystemShift == MOD_SHIFT);

bool registerGlobalHotKey(NativeHandle window, int32_t id, uint32_t systemModifiers, uint32_t virtualKey)
{
    return RegisterHotKey(HWND(window), id, systemModifiers, virtualKey) != FALSE;
}

bool unregisterGlobalHotKey(NativeHandle window, int32_t id) { return UnregisterHotKey(HWND(window), id) != FALSE; }

} // namespace platform
