#pragma once
// The twelve text formats of a colour. The index is what the combo box
// selects and the settings store keeps under "general/colorFormat", so the
// numbering is fixed.

#include "picker/Color.h"
#include "platform/Text.h"

#include <array>
#include <cstdint>

enum class ColorFormat : int32_t {
    Rgb = 0,
    Argb = 1,
    Bgr = 2,
    Bgra = 3,
    Html = 4,
    Cmyk = 5,
    Hsl = 6,
    Hsv = 7,
    Hex = 8,
    HexAlpha = 9,
    Decimal = 10,
    DecimalAlpha = 11,
};

inline constexpr int32_t kColorFormatCount = 12;

// The combo-box labels, by index; not translated.
inline constexpr std::array<StringView, kColorFormatCount> kColorFormatLabels = {
    u"RGB", u"ARGB",    u"BGR", u"BGRA",        u"HTML",    u"CMYK",
    u"HSL", u"HSV/HSB", u"HEX", u"HEX + alpha", u"Decimal", u"Decimal + alpha",
};

// The text of `color` in format `index`, with the locale's decimal
// separator in the fractional formats; empty for an index outside 0..11.
String formatColor(Color color, int32_t index);
// As above with an explicit decimal separator.
String formatColor(Color color, int32_t index, char16_t decimalSeparator);

// `value` with exactly `decimals` decimals, halves rounded away from zero,
// using the locale's decimal separator (read once per process). For
// decimals <= 0 or values beyond +-1e20 the "%.9g" form instead.
String formatFixed(double value, int32_t decimals);
String formatFixed(double value, int32_t decimals, char16_t decimalSeparator);

// The thread locale's decimal separator as first read; later changes of
// the locale are not followed.
char16_t cachedDecimalSeparator();
