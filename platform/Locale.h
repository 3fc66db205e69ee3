#pragma once
// Locale-dependent text services of the system.

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace platform {

// The first character of the thread locale's decimal separator ('.' when
// the system gives none). Asks the system every call; cache it yourself.
char16_t localeDecimalSeparator();

// Upper- and lower-casing by the system's rules.
String toUpper(StringView text);
String toLower(StringView text);

// The system's ANSI code page: bytes to UTF-16 and back.
String fromAnsi(const Bytes& bytes);
Bytes toAnsi(StringView text);

} // namespace platform
