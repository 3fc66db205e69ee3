// Locale services of the headless build: the "C" conventions, with casing
// that covers ASCII and Latin-1 (enough for the program's own texts) and a
// Latin-1 stand-in for the ANSI code page.
#include "platform/Locale.h"

namespace platform {

namespace {

char16_t upper(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return char16_t(c - 0x20);
    if (c >= 0x430 && c <= 0x44F) // Cyrillic
        return char16_t(c - 0x20);
    if (c >= 0x450 && c <= 0x45F)
        return char16_t(c - 0x50);
    return c;
}

char16_t lower(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return char16_t(c + 0x20);
    if (c >= 0x410 && c <= 0x42F)
        return char16_t(c + 0x20);
    if (c >= 0x400 && c <= 0x40F)
        return char16_t(c + 0x50);
    return c;
}

} // namespace

char16_t localeDecimalSeparator() { return u'.'; }

String toUpper(StringView text)
{
    String out(text);
    for (auto& c : out)
        c = upper(c);
    return out;
}

String toLower(StringView text)
{
    String out(text);
    for (auto& c : out)
        c = lower(c);
    return out;
}

String fromAnsi(const Bytes& bytes) { return String(bytes.begin(), bytes.end()); }

Bytes toAnsi(StringView text)
{
    Bytes out;
    out.reserve(text.size());
    for (char16_t c : text)
        out.push_back(c < 0x100 ? uint8_t(c) : uint8_t('?'));
    return out;
}

} // namespace platform
