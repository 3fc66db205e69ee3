#include "picker/ColorFormat.h"

#include "platform/Locale.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
constexpr StringView kSeparator = u", ";

// Beyond this many decimals the digits are not worth building; such calls
// get the general form (the picker always asks for 2).
constexpr int32_t kMaxFixedDecimals = 64;

String generalText(double value)
{
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
    return String(buffer, result.ptr);
}

void appendHexByte(String& out, uint8_t byte)
{
    out.push_back(kHexDigits[byte >> 4]);
    out.push_back(kHexDigits[byte & 0x0F]);
}

// " a, b, c " with the components given.
template <typename Component>
String listText(std::initializer_list<Component> components, auto&& toText)
{
    String out(1, u' ');
    bool first = true;
    for (const Component& component : components) {
        if (!first)
            out.append(kSeparator);
        first = false;
        out.append(toText(component));
    }
    out.push_back(u' ');
    return out;
}

String byteList(std::initializer_list<uint8_t> bytes)
{
    return listText(bytes, [](uint8_t byte) { return decimalText(int64_t(byte)); });
}

String fractionList(std::initializer_list<double> values, char16_t separator)
{
    return listText(values, [separator](double value) { return formatFixed(value, 2, separator); });
}

double clampUnit(double value) { return std::clamp(value, 0.0, 1.0); }

String cmykText(Color color, char16_t separator)
{
    double c = 0.0, m = 0.0, y = 0.0, k = 1.0;
    if (color.r != 0 || color.g != 0 || color.b != 0) {
        const double cPrime = 1.0 - color.r / 255.0;
        const double mPrime = 1.0 - color.g / 255.0;
        const double yPrime = 1.0 - color.b / 255.0;
        k = std::min({yPrime, mPrime, cPrime});
        // k < 1 here: at least one channel is above zero.
        c = (cPrime - k) / (1.0 - k);
        m = (mPrime - k) / (1.0 - k);
        y = (yPrime - k) / (1.0 - k);
    }
    return fractionList({clampUnit(c), clampUnit(m), clampUnit(y), clampUnit(k)}, separator);
}

// Hue as a fraction of a full turn, saturation and lightness.
String hslText(Color color, char16_t separator)
{
    const double r = color.r / 255.0, g = color.g / 255.0, b = color.b / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double delta = max - min;
    const double l = (max + min) * 0.5;
    double h = 0.0, s = 0.0;
    if (delta != 0.0) {
        s = l >= 0.5 ? delta / (2.0 - max - min) : delta / (max + min);
        const double dR = ((max - r) / 6.0 + delta / 2.0) / delta;
        const double dG = ((max - g) / 6.0 + delta / 2.0) / delta;
        const double dB = ((max - b) / 6.0 + delta / 2.0) / delta;
        if (max == r)
            h = dB - dG;
        else if (max == g)
            h = 1.0 / 3.0 + dR - dB;
        else
            h = 2.0 / 3.0 + dG - dR;
        if (h < 0.0)
            h += 1.0;
        else if (h > 1.0)
            h -= 1.0;
    }
    return fractionList({h, s, l}, separator);
}

// Hue is worked out in degrees and shown as a fraction of a full turn.
String hsvText(Color color, char16_t separator)
{
    const double r = color.r / 255.0, g = color.g / 255.0, b = color.b / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double delta = max - min;
    double h = 0.0, s = 0.0;
    if (max != 0.0 && delta != 0.0) {
        s = delta / max;
        if (max == r)
            h = (g - b) / delta;
        else if (max == g)
            h = (b - r) / delta + 2.0;
        else
            h = (r - g) / delta + 4.0;
        h *= 60.0;
        if (h < 0.0)
            h += 360.0;
    }
    return fractionList({h / 360.0, s, max}, separator);
}

} // namespace

char16_t cachedDecimalSeparator()
{
    static const char16_t separator = [] {
        const char16_t fromLocale = platform::localeDecimalSeparator();
        return fromLocale != 0 ? fromLocale : u'.';
    }();
    return separator;
}

String formatFixed(double value, int32_t decimals) { return formatFixed(value, decimals, cachedDecimalSeparator()); }

String formatFixed(double value, int32_t decimals, char16_t decimalSeparator)
{
    if (decimals <= 0 || decimals > kMaxFixedDecimals || !(value > -1e20 && value < 1e20))
        return generalText(value);
    double scale = 1.0;
    for (int32_t i = 0; i < decimals; ++i)
        scale *= 10.0;
    // Adding a half before truncating rounds halves away from zero.
    const double scaled = (value < 0 ? -value : value) * scale + 0.5;
    if (!(scaled < 18446744073709551616.0))
        return generalText(value); // more digits than 64 bits can hold
    uint64_t n = uint64_t(scaled);

    // Built from the least significant digit, then reversed.
    String out;
    for (int32_t i = 0; i < decimals; ++i) {
        out.push_back(char16_t(u'0' + n % 10));
        n /= 10;
    }
    out.push_back(decimalSeparator);
    do {
        out.push_back(char16_t(u'0' + n % 10));
        n /= 10;
    } while (n > 0);
    if (value < 0)
        out.push_back(u'-');
    std::reverse(out.begin(), out.end());
    return out;
}

String formatColor(Color color, int32_t index) { return formatColor(color, index, cachedDecimalSeparator()); }

String formatColor(Color color, int32_t index, char16_t decimalSeparator)
{
    // Negative indices wrap to large unsigned ones and fall outside too.
    if (uint32_t(index) >= uint32_t(kColorFormatCount))
        return String();

    String out;
    switch (ColorFormat(index)) {
    case ColorFormat::Rgb:
        return byteList({color.r, color.g, color.b});
    case ColorFormat::Argb:
        return byteList({color.a, color.r, color.g, color.b});
    case ColorFormat::Bgr:
        return byteList({color.b, color.g, color.r});
    case ColorFormat::Bgra:
        return byteList({color.b, color.g, color.r, color.a});
    case ColorFormat::Html:
        out = u"#";
        appendHexByte(out, color.r);
        appendHexByte(out, color.g);
        appendHexByte(out, color.b);
        return out;
    case ColorFormat::Cmyk:
        return cmykText(color, decimalSeparator);
    case ColorFormat::Hsl:
        return hslText(color, decimalSeparator);
    case ColorFormat::Hsv:
        return hsvText(color, decimalSeparator);
    case ColorFormat::Hex:
    case ColorFormat::HexAlpha:
        out = u"0x";
        if (ColorFormat(index) == ColorFormat::HexAlpha)
            appendHexByte(out, color.a);
        appendHexByte(out, color.r);
        appendHexByte(out, color.g);
        appendHexByte(out, color.b);
        return out;
    case ColorFormat::Decimal:
        return decimalText(uint64_t(color.value() & 0x00FFFFFFu));
    case ColorFormat::DecimalAlpha:
        return decimalText(uint64_t(color.value()));
    }
    return String();
}
