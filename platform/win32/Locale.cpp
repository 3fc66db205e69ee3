#include "platform/Locale.h"
#include "platform/win32/Wide.h"

#include <windows.h>

namespace platform {

using win32::wide;

char16_t localeDecimalSeparator()
{
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(GetThreadLocale(), LOCALE_SDECIMAL, separator, 8) == 0 || separator[0] == 0)
        return u'.';
    return char16_t(separator[0]);
}

String toUpper(StringView text)
{
    String out(text);
    if (!out.empty())
        CharUpperBuffW(reinterpret_cast<wchar_t*>(out.data()), DWORD(out.size()));
    return out;
}

String toLower(StringView text)
{
    String out(text);
    if (!out.empty())
        CharLowerBuffW(reinterpret_cast<wchar_t*>(out.data()), DWORD(out.size()));
    return out;
}

String fromAnsi(const Bytes& bytes)
{
    if (bytes.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(bytes.data()), int(bytes.size()), nullptr, 0);
    String out(size_t(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(bytes.data()), int(bytes.size()),
                        reinterpret_cast<wchar_t*>(out.data()), length);
    return out;
}

Bytes toAnsi(StringView text)
{
    if (text.empty())
        return {};
    const String source(text);
    const int length = WideCharToMultiByte(CP_ACP, 0, wide(source), int(source.size()), nullptr, 0, nullptr, nullptr);
    Bytes out(static_cast<size_t>(length));
    WideCharToMultiByte(CP_ACP, 0, wide(source), int(source.size()), reinterpret_cast<char*>(out.data()), length,
                        nullptr, nullptr);
    return out;
}

} // namespace platform
