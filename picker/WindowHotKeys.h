#pragma once
// The global hot keys registered on one native window, each under an id of
// the window's own. Whatever is still registered is unregistered when the
// list goes, which the window's owner does before the window itself.

#include "app/HotKeyValue.h"
#include "platform/NativeHandle.h"

#include <cstdint>
#include <vector>

class WindowHotKeys {
public:
    // The system takes ids 0xC000 and above for its shared registrations.
    static constexpr int32_t kMaximumId = 0xBFFF;
    static constexpr uint32_t kFirstFunctionKey = 0x70; // F1
    static constexpr uint32_t kLastFunctionKey = 0x87;  // F24

    WindowHotKeys() = default;
    ~WindowHotKeys();
    WindowHotKeys(const WindowHotKeys&) = delete;
    WindowHotKeys& operator=(const WindowHotKeys&) = delete;

    // A key, and either a function key or at least one modifier: a plain
    // letter would steal typing from every program.
    static bool isUsable(int32_t id, const HotKeyValue& hotKey);

    // Refused when the hot key is not usable, the id is above kMaximumId or
    // already taken here, there is no window, or the system refuses.
    bool registerHotKey(NativeHandle window, int32_t id, const HotKeyValue& hotKey);
    bool unregisterHotKey(int32_t id);
    bool isRegistered(int32_t id) const;

private:
    struct Registration {
        NativeHandle window;
        int32_t id;
        HotKeyValue hotKey;
    };
    std::vector<Registration> m_registrations;
};
