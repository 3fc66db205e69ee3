#pragma once
// A global hot key: virtual-key code plus modifier flags, and its encoding
// in the settings store as one 64-bit integer (key in the low 32 bits,
// modifier flags in the high 32 bits; 0 means no hot key).

#include <cstdint>

// Flag values are stored in the settings file; do not renumber.
enum class HotKeyModifier : uint32_t {
    Shift = 1,
    Control = 2,
    Alt = 4,
};

inline constexpr uint32_t kHotKeyModifierMask = 1 | 2 | 4;

struct HotKeyValue {
    // 0 in values made by the hot-key field, 1 in values read from the
    // settings; it carries no meaning and is ignored by comparisons.
    uint32_t reserved = 0;
    uint32_t key = 0;       // virtual-key code, 0 for none
    uint32_t modifiers = 0; // HotKeyModifier bits

    bool isNone() const { return key == 0 && modifiers == 0; }
    bool has(HotKeyModifier modifier) const { return (modifiers & uint32_t(modifier)) != 0; }

    // The same key combination.
    friend bool operator==(const HotKeyValue& a, const HotKeyValue& b)
    {
        return a.key == b.key && a.modifiers == b.modifiers;
    }
};

// Key from the low word; only the Shift, Control and Alt bits of the high
// word count.
inline HotKeyValue hotKeyFromSetting(int64_t value)
{
    const auto bits = uint64_t(value);
    return HotKeyValue{1, uint32_t(bits & 0xFFFFFFFFu), uint32_t(bits >> 32) & kHotKeyModifierMask};
}

inline int64_t hotKeyToSetting(const HotKeyValue& hotKey)
{
    return int64_t((uint64_t(hotKey.modifiers) << 32) | uint64_t(hotKey.key));
}
