#pragma once
// The program's UTF-16 text and the wide-character API are the same code
// units on Windows; these helpers only change the pointer type.

#include "platform/Text.h"

#include <cwchar>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 code units");

namespace platform::win32 {

inline const wchar_t* wide(const String& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline String fromWide(const wchar_t* text)
{
    return text ? String(reinterpret_cast<const char16_t*>(text)) : String();
}
inline String fromWide(const wchar_t* text, size_t length)
{
    return String(reinterpret_cast<const char16_t*>(text), length);
}

} // namespace platform::win32
