#include "picker/ColorFormat.h"
#include "picker/ColorOperations.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const Color kBlue = Color::fromRgb(18, 52, 86);
const Color kOrange = Color::fromRgb(255, 128, 0);
const Color kBlack = Color::fromRgb(0, 0, 0);
const Color kWhite = Color::fromRgb(255, 255, 255);

TEST(ColorFormat, EveryFormatOfFourColours)
{
    // Columns: R18 G52 B86, R255 G128 B0, black, white; all opaque.
    const char16_t* expected[kColorFormatCount][4] = {
        {u" 18, 52, 86 ", u" 255, 128, 0 ", u" 0, 0, 0 ", u" 255, 255, 255 "},
        {u" 255, 18, 52, 86 ", u" 255, 255, 128, 0 ", u" 255, 0, 0, 0 ", u" 255, 255, 255, 255 "},
        {u" 86, 52, 18 ", u" 0, 128, 255 ", u" 0, 0, 0 ", u" 255, 255, 255 "},
        {u" 86, 52, 18, 255 ", u" 0, 128, 255, 255 ", u" 0, 0, 0, 255 ", u" 255, 255, 255, 255 "},
        {u"#123456", u"#FF8000", u"#000000", u"#FFFFFF"},
        {u" 0.79, 0.40, 0.00, 0.66 ", u" 0.00, 0.50, 1.00, 0.00 ", u" 0.00, 0.00, 0.00, 1.00 ",
         u" 0.00, 0.00, 0.00, 0.00 "},
        {u" 0.58, 0.65, 0.20 ", u" 0.08, 1.00, 0.50 ", u" 0.00, 0.00, 0.00 ", u" 0.00, 0.00, 1.00 "},
        {u" 0.58, 0.79, 0.34 ", u" 0.08, 1.00, 1.00 ", u" 0.00, 0.00, 0.00 ", u" 0.00, 0.00, 1.00 "},
        {u"0x123456", u"0xFF8000", u"0x000000", u"0xFFFFFF"},
        {u"0xFF123456", u"0xFFFF8000", u"0xFF000000", u"0xFFFFFFFF"},
        {u"1193046", u"16744448", u"0", u"16777215"},
        {u"4279383126", u"4294934528", u"4278190080", u"4294967295"},
    };
    const Color colors[4] = {kBlue, kOrange, kBlack, kWhite};
    for (int32_t format = 0; format < kColorFormatCount; ++format) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(formatColor(colors[column], format, u'.'), expected[format][column])
                << toUtf8(kColorFormatLabels[format]) << " column " << column;
        }
    }
}

TEST(ColorFormat, EdgeColours)
{
    const Color grey = Color::fromRgb(128, 128, 128);
    EXPECT_EQ(formatColor(grey, int32_t(ColorFormat::Cmyk), u'.'), u" 0.00, 0.00, 0.00, 0.50 ");
    EXPECT_EQ(formatColor(grey, int32_t(ColorFormat::Hsl), u'.'), u" 0.00, 0.00, 0.50 ");
    EXPECT_EQ(formatColor(grey, int32_t(ColorFormat::Hsv), u'.'), u" 0.00, 0.00, 0.50 ");

    // Nothing picked yet: black with a zero alpha.
    const Color none;
    EXPECT_EQ(formatColor(none, int32_t(ColorFormat::Argb), u'.'), u" 0, 0, 0, 0 ");
    EXPECT_EQ(formatColor(none, int32_t(ColorFormat::Bgra), u'.'), u" 0, 0, 0, 0 ");
    EXPECT_EQ(formatColor(none, int32_t(ColorFormat::HexAlpha), u'.'), u"0x00000000");
    EXPECT_EQ(formatColor(none, int32_t(ColorFormat::DecimalAlpha), u'.'), u"0");
    EXPECT_EQ(formatColor(none, int32_t(ColorFormat::Cmyk), u'.'), u" 0.00, 0.00, 0.00, 1.00 ");

    // A hue just below a full turn rounds up to 1.00, not down to 0.00.
    const Color nearlyRed = Color::fromRgb(255, 0, 1);
    EXPECT_EQ(formatColor(nearlyRed, int32_t(ColorFormat::Hsl), u'.'), u" 1.00, 1.00, 0.50 ");
    EXPECT_EQ(formatColor(nearlyRed, int32_t(ColorFormat::Hsv), u'.'), u" 1.00, 1.00, 1.00 ");

    // Green the largest channel, with blue above red and below it.
    const std::pair<Color, StringView> greenHues[] = {
        {Color::fromRgb(0, 255, 128), u" 0.42, 1.00, "},
        {Color::fromRgb(128, 255, 0), u" 0.25, 1.00, "},
    };
    for (const auto& [color, hueAndSaturation] : greenHues) {
        EXPECT_EQ(formatColor(color, int32_t(ColorFormat::Hsl), u'.'), String(hueAndSaturation) + u"0.50 ");
        EXPECT_EQ(formatColor(color, int32_t(ColorFormat::Hsv), u'.'), String(hueAndSaturation) + u"1.00 ");
    }

    for (int32_t outside : {12, -1, 1000})
        EXPECT_EQ(formatColor(kBlue, outside), u"") << outside;
}

TEST(ColorFormat, CommaDecimalSeparatorOnlyChangesTheDecimalPoint)
{
    EXPECT_EQ(formatColor(kBlue, int32_t(ColorFormat::Cmyk), u','), u" 0,79, 0,40, 0,00, 0,66 ");
    EXPECT_EQ(formatColor(kBlue, int32_t(ColorFormat::Rgb), u','), u" 18, 52, 86 ");
    // The one-argument forms use the process locale (the headless one is "C").
    EXPECT_EQ(formatColor(kBlue, int32_t(ColorFormat::Cmyk)),
              formatColor(kBlue, int32_t(ColorFormat::Cmyk), cachedDecimalSeparator()));
}

TEST(ColorFormat, FormatFixedRounding)
{
    EXPECT_EQ(formatFixed(0.125, 2, u'.'), u"0.13"); // exactly a half: away from zero
    EXPECT_EQ(formatFixed(-0.125, 2, u'.'), u"-0.13");
    EXPECT_EQ(formatFixed(0.124999, 2, u'.'), u"0.12");
    EXPECT_EQ(formatFixed(1234.5, 1, u'.'), u"1234.5");
    EXPECT_EQ(formatFixed(0.0, 3, u','), u"0,000");
    EXPECT_EQ(formatFixed(0.5, 0, u'.'), u"0.5"); // no decimals: the general form
    EXPECT_EQ(formatFixed(2e20, 2, u'.'), u"2e+20");
    EXPECT_EQ(formatFixed(1e19, 2, u'.'), u"1e+19"); // beyond 64 bits of digits
}

TEST(ColorOperations, LightenDarkenTruncateAndClampTheFactor)
{
    const Color c = Color::fromRgb(100, 0, 255, 7);
    EXPECT_EQ(lighten(c, 0.5), Color::fromRgb(177, 127, 255, 7));
    EXPECT_EQ(darken(c, 0.5), Color::fromRgb(50, 0, 127, 7));
    EXPECT_EQ(lighten(c, 5.0), Color::fromRgb(255, 255, 255, 7));
    EXPECT_EQ(darken(c, 5.0), Color::fromRgb(0, 0, 0, 7));
    // Below the floor of 0.01 (and NaN) the step is still 1 %.
    EXPECT_EQ(lighten(c, 0.0), Color::fromRgb(101, 2, 255, 7));
    EXPECT_EQ(darken(c, -1.0), darken(c, 0.01));
    EXPECT_EQ(darken(c, std::nan("")), darken(c, 0.01));
}

TEST(ColorOperations, ContrastColorSplitsAt350)
{
    // Alpha plays no part; the result is always opaque.
    EXPECT_EQ(contrastColor(Color::fromRgb(117, 117, 116, 0)).value(), 0xFF000000u); // 350 is still dark
    EXPECT_EQ(contrastColor(Color::fromRgb(117, 117, 117, 0)).value(), 0xFFFFFFFFu);
}

} // namespace
