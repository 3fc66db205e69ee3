#pragma once
// The English names of virtual-key codes, as the hot-key field and the
// options window show them. Names are never translated.

#include "platform/Text.h"

#include <cstdint>

// Shown for a code that has no name, including every code above 0xFF.
inline constexpr StringView kUnknownKeyName = u"???";

// The name of the code; the view refers to static storage.
StringView keyName(uint32_t virtualKey);
