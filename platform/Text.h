#pragma once
// The program's text type and the conversions every layer needs.
//
// All text is UTF-16 (std::u16string): the same code units the Win32 wide
// API uses, so the platform layer passes it through without copying, while
// portable code never depends on the size of wchar_t.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using String = std::u16string;
using StringView = std::u16string_view;

// UTF-8 to UTF-16; malformed sequences become U+FFFD, never a failure.
String fromUtf8(std::string_view utf8);
// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string toUtf8(StringView text);

// Decimal text of an integer (no grouping, '-' for negatives).
String decimalText(int64_t value);
String decimalText(uint64_t value);

// White space by the wide-character class (space, tab, CR, LF, VT, FF and
// the Unicode spaces the platform's wide classification knows).
bool isSpace(char16_t c);
// Letters and digits by the platform's wide-character classes.
bool isLetterOrDigit(char16_t c);

String trimmed(StringView text);
bool endsWith(StringView text, StringView suffix);

// Replaces every occurrence of `from` by `to`, scanning left to right.
String replaceAll(StringView text, StringView from, StringView to);

// The lines of a text, split at LF, with a CR before each LF dropped.
std::vector<StringView> splitLines(StringView text);
