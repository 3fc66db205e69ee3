#include "app/KeyNames.h"

#include <gtest/gtest.h>

#include <set>

TEST(KeyNames, NamesByCode)
{
    struct Case {
        uint32_t code;
        StringView name;
    };
    const Case cases[] = {
        {0x00, u"None"},
        {0x08, u"Backspace"},
        {0x11, u"Ctrl"},
        {0x30, u"0"},
        {0x39, u"9"},
        {0x41, u"A"},
        {0x5A, u"Z"},
        {0x5F, u"Sleep"},
        {0x60, u"NumPad0"},
        {0x69, u"NumPad9"},
        {0x6F, u"Slash"},
        {0x70, u"F1"},
        {0x87, u"F24"},
        {0xA5, u"AltRight"},
        {0xB7, u"LaunchApplication2"},
        {0xDF, u"Oem8"},
        {0xE2, u"OemBackslash"},
        {0xFE, u"OemClear"},
        // No entry.
        {0x07, u"???"},
        {0x5E, u"???"},
        {0x88, u"???"},
        {0xFF, u"???"},
        // Out of range: not cut to 8 bits.
        {0x141, u"???"},
        {0x100, u"???"},
        {0xFFFFFFFF, u"???"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keyName(c.code), c.name) << std::hex << c.code;
}

TEST(KeyNames, EveryNamedCodeHasItsOwnName)
{
    std::set<StringView> names;
    int named = 0;
    for (uint32_t code = 0; code <= 0xFF; ++code) {
        const StringView name = keyName(code);
        if (name == kUnknownKeyName)
            continue;
        ++named;
        EXPECT_FALSE(name.empty()) << code;
        EXPECT_TRUE(names.insert(name).second) << toUtf8(name);
    }
    EXPECT_EQ(named, 172);
}
