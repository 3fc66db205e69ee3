// The property value parsers: every text gives a value, malformed ones the
// type's fallback.
#include "ui/core/StyleValues.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(StyleValues, Integers)
{
    const struct {
        StringView text;
        int32_t expected;
    } cases[] = {
        {u"6", 6},
        {u" -12px ", -12},
        {u"px", 0},
        {u"", 0},
        {u"+7", 7},
        {u"99999999999", 2147483647},
        {u"-99999999999999999999999", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseInteger(c.text), c.expected) << toUtf8(c.text);
    EXPECT_TRUE(parseBoolean(u"2"));
    EXPECT_FALSE(parseBoolean(u"no"));
}

TEST(StyleValues, PointsSizesAndMargins)
{
    EXPECT_EQ(parsePoint(u" 1 , 2 "), (Point{1, 2}));
    EXPECT_EQ(parsePoint(u"1,2,3"), (Point{}));
    EXPECT_EQ(parsePoint(u"5"), (Point{}));
    EXPECT_EQ(parseSize(u"30,-4"), (Size{30, -4}));
    EXPECT_EQ(parseMargins(u"1,2,3,4"), (Margins{1, 2, 3, 4}));
    EXPECT_EQ(parseMargins(u"1,2,3"), (Margins{}));
}

TEST(StyleValues, Colors)
{
    const struct {
        StringView text;
        uint32_t expected;
    } cases[] = {
        {u"255,0,0", 0xFFFF0000u},     {u"128,255,0,0", 0x80FF0000u},
        {u"300,-5,7", 0xFFFF0007u},    {u" 1 , 2 , 3 ", 0xFF010203u},
        {u"1,,3", 0xFF010003u},        {u"red", 0x00FFFFFFu},
        {u"transparent", 0x00FFFFFFu}, {u"", 0x00FFFFFFu},
        {u"1,2", 0x00FFFFFFu},         {u"1,2,3,4,5", 0x00FFFFFFu},
        {u"16711680", 0x00FF0000u},    {u"4278190335", 0xFF0000FFu}, // above 2^31: the low 32 bits
        {u"4294967298", 0x00000002u},  {u"-1", 0x00FFFFFFu},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseColor(c.text), c.expected) << toUtf8(c.text);
    EXPECT_EQ(parseColorRecord(u"1,2,3"), (UIColorRecord{0, 0xFF010203u, 1.0f}));
}

TEST(StyleValues, Fonts)
{
    const UIFont& base = UIFont::defaultFont();
    const struct {
        StringView text;
        StringView family; // empty: the default family
        float size;        // 0: the default size
        uint32_t style;
    } cases[] = {
        {u"tahoma,9,bold", u"tahoma", 9.0f, platform::FontStyle::Bold},
        {u"default,,underline", u"", 0.0f, platform::FontStyle::Underline},
        {u" arial , 10.5 , bold underline ", u"arial", 10.5f,
         platform::FontStyle::Bold | platform::FontStyle::Underline},
        {u"tahoma,9", u"", 0.0f, 0},
        {u"tahoma,9,bold,x", u"", 0.0f, 0},
        {u",0,", u"", 0.0f, 0},
        {u",-3,italic", u"", 0.0f, 0},
        {u",1001,", u"", 0.0f, 0},
        {u",1000,", u"", 1000.0f, 0},
        {u",nan,", u"", 0.0f, 0},
        {u",inf,", u"", 0.0f, 0},
        {u",1e39,", u"", 0.0f, 0},
    };
    for (const auto& c : cases) {
        const UIFont font = parseFont(c.text);
        EXPECT_EQ(font.family(), c.family.empty() ? base.family() : String(c.family)) << toUtf8(c.text);
        EXPECT_EQ(font.size(), c.size == 0.0f ? base.size() : c.size) << toUtf8(c.text);
        EXPECT_EQ(font.style(), base.style() | c.style) << toUtf8(c.text);
    }
}

TEST(StyleValues, Fills)
{
    EXPECT_EQ(parseFill(u"255,0,0"), UIBrush::solid(0xFFFF0000u));
    EXPECT_EQ(parseFill(u"|255,0,0|"), UIBrush::solid(0xFFFF0000u));
    EXPECT_EQ(parseFill(u""), UIBrush::solid(0x00FFFFFFu));

    const UIBrush two = parseFill(u"255,0,0|0,0,255");
    EXPECT_TRUE(two.isGradient());
    EXPECT_EQ(two.stops, (std::vector<uint32_t>{0xFFFF0000u, 0xFF0000FFu}));
    EXPECT_EQ(two.positions, (std::vector<float>{0.0f, 1.0f}));

    const UIBrush three = parseFill(u"0,0,0|| 255,255,255 |0,0,0");
    EXPECT_EQ(three.stops, (std::vector<uint32_t>{0xFF000000u, 0xFFFFFFFFu, 0xFF000000u}));
    EXPECT_EQ(three.positions, (std::vector<float>{0.0f, 0.5f, 1.0f}));
}
