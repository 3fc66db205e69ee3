#include "app/HotKeyValue.h"
#include "app/Variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();

TEST(Variant, TextToBool)
{
    for (const char16_t* yes : {u"TRUE", u" yes ", u"2", u"true", u"-1", u"no"})
        EXPECT_TRUE(Variant(yes).toBool()) << toUtf8(yes);
    for (const char16_t* no : {u"False", u"0", u"", u"  ", u"\tFALSE\r\n", u" 0 "})
        EXPECT_FALSE(Variant(no).toBool()) << toUtf8(no);
    EXPECT_FALSE(Variant().toBool());
    EXPECT_TRUE(Variant(0.25).toBool());
    EXPECT_FALSE(Variant(uint64_t(0)).toBool());
}

TEST(Variant, TextToInt32ParsesLeadingDigitsAndClamps)
{
    const struct {
        const char16_t* text;
        int32_t expected;
    } cases[] = {
        {u"42", 42},
        {u"  -17xyz", -17},
        {u"+8", 8},
        {u"abc", 0},
        {u"", 0},
        {u"- 5", 0},
        {u"3.9", 3},
        {u"2147483647", kInt32Max},
        {u"2147483648", kInt32Max},
        {u"-2147483648", kInt32Min},
        {u"-99999999999", kInt32Min},
        {u"123456789012345678901234567890", kInt32Max},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Variant(c.text).toInt32(), c.expected) << toUtf8(c.text);
}

TEST(Variant, NumericToInt32)
{
    EXPECT_EQ(Variant(int64_t(0x100000005)).toInt32(), 5); // low 32 bits
    EXPECT_EQ(Variant(uint32_t(0xFFFFFFFF)).toInt32(), -1);
    EXPECT_EQ(Variant(3.9).toInt32(), 3);
    EXPECT_EQ(Variant(-3.9f).toInt32(), -3);
    EXPECT_EQ(Variant(true).toInt32(), 1);
    // Out-of-range and NaN doubles would be undefined to convert directly.
    EXPECT_EQ(Variant(1e30).toInt32(), kInt32Max);
    EXPECT_EQ(Variant(-1e30).toInt32(), kInt32Min);
    EXPECT_EQ(Variant(std::nan("")).toInt32(), 0);
}

TEST(Variant, TextToInt64KeepsTheFullRange)
{
    EXPECT_EQ(Variant(u"-9223372036854775808").toInt64(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(Variant(u"99999999999999999999").toInt64(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Variant(u"12884901953").toInt64(), int64_t(0x300000041));
}

TEST(Variant, ToText)
{
    EXPECT_EQ(Variant(kInt32Min).toText(), u"-2147483648");
    EXPECT_EQ(Variant(std::numeric_limits<uint64_t>::max()).toText(), u"18446744073709551615");
    EXPECT_EQ(Variant(true).toText(), u"1");
    EXPECT_EQ(Variant(false).toText(), u"0");
    EXPECT_EQ(Variant(1.0).toText(), u"1");
    EXPECT_EQ(Variant(0.5).toText(), u"0.5");
    EXPECT_EQ(Variant(0.1f).toText(), u"0.100000001"); // the float's own value
    EXPECT_EQ(Variant(123456789012.0).toText(), u"1.23456789e+11");
    EXPECT_EQ(Variant(-2.5e-7).toText(), u"-2.5e-07");
    EXPECT_EQ(Variant().toText(), u"");
}

// Fault: overflow and underflow were told apart by an "e-" in the text, so
// a long fraction read as infinity and a long integer with "e-4" as zero.
TEST(Variant, TextToDoubleAndOutOfRangeIsDecidedByTheValue)
{
    const String zeros(400, u'0');
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<String, double> cases[] = {
        {u" 2.5xyz", 2.5},
        {u"-1e3", -1000.0},
        {u"+.5", 0.5},
        {u"1,5", 1.0}, // "." is the only decimal point
        {u"abc", 0.0},
        {u"+-3", 0.0},
        {u"1e999", infinity},
        {u"1e-999", 0.0},
        {u"0." + zeros + u"1", 0.0},
        {u"-0." + zeros + u"1", -0.0},
        {u"1" + zeros + u"e-4", infinity},
        {u"-1" + zeros + u"e-4", -infinity},
        {u"0.0001e400", infinity},
        {u"1" + zeros + u"e-800", 0.0},
        {u"00000.5e-330", 0.0},
        {u"1e99999999999999999999999", infinity},
    };
    for (const auto& [text, expected] : cases) {
        const double value = Variant(text).toDouble();
        EXPECT_EQ(value, expected) << toUtf8(text);
        EXPECT_EQ(std::signbit(value), std::signbit(expected)) << toUtf8(text);
    }
    EXPECT_EQ(Variant(int32_t(7)).toDouble(), 7.0);
}

TEST(HotKeyValue, SettingsEncoding)
{
    const HotKeyValue read = hotKeyFromSetting((int64_t(3) << 32) | 0x41);
    EXPECT_EQ(read.key, 0x41u);
    EXPECT_TRUE(read.has(HotKeyModifier::Shift));
    EXPECT_TRUE(read.has(HotKeyModifier::Control));
    EXPECT_FALSE(read.has(HotKeyModifier::Alt));
    EXPECT_TRUE(hotKeyFromSetting(0).isNone());
    // Bits other than Shift, Control and Alt carry no meaning.
    EXPECT_EQ(hotKeyFromSetting(int64_t(0xF4) << 32).modifiers, 4u);

    const HotKeyValue f5{0, 0x74, uint32_t(HotKeyModifier::Alt)};
    EXPECT_EQ(hotKeyFromSetting(hotKeyToSetting(f5)), f5);
    EXPECT_EQ(hotKeyToSetting(HotKeyValue{}), 0);
}

} // namespace
