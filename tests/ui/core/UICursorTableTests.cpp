// The cursor table's identifiers and fallbacks. The headless build makes no
// native cursors from images, so there every custom cursor falls back to
// the arrow; the Wine tests check the real cursors.
#include "app/Package.h"
#include "platform/InputState.h"
#include "ui/core/UICursorTable.h"

#include <gtest/gtest.h>

TEST(UICursorTable, SystemCursorsFirstAndTheArrowForEverythingElse)
{
    Package data;
    const std::string xml =
        R"(<?xml version="1.0"?><cursors><cursor name="pipette" hotspotX="1" hotspotY="22"/></cursors>)";
    PackageFolder& cursors = data.addFolder(u"cursors");
    cursors.addFile(u"cursors.xml", platform::Bytes(xml.begin(), xml.end()));
    cursors.addFile(u"pipette.png", platform::Bytes{1, 2, 3}); // not an image

    UICursorTable table;
    table.build(&data);
    const NativeHandle arrow = platform::systemCursor(platform::SystemCursor::Arrow);
    ASSERT_NE(arrow, nullptr);
    const struct {
        int32_t id;
        NativeHandle expected;
    } cases[] = {
        {1, arrow},
        {2, platform::systemCursor(platform::SystemCursor::Cross)},
        {4, platform::systemCursor(platform::SystemCursor::TextBeam)},
        {9, platform::systemCursor(platform::SystemCursor::SizeVertical)},
        {11, platform::systemCursor(platform::SystemCursor::SizeDiagonalUp)},
        {12, platform::systemCursor(platform::SystemCursor::SizeDiagonalDown)},
        {13, platform::systemCursor(platform::SystemCursor::SizeAll)},
        {23, arrow}, // its image does not decode
        {24, arrow}, // not described
        {28, arrow},
        {0, arrow},
        {999, arrow},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table.nativeCursor(c.id), c.expected) << c.id;

    // Without a data package only the system cursors are there.
    UICursorTable bare;
    bare.build(nullptr);
    EXPECT_EQ(bare.nativeCursor(CursorId::Wait), platform::systemCursor(platform::SystemCursor::Wait));
    EXPECT_EQ(bare.nativeCursor(CursorId::Empty), arrow);
}

TEST(UICursorTable, NamesMapToIdentifiers)
{
    EXPECT_EQ(cursorIdOf(u"pipette"), CursorId::Pipette);
    EXPECT_EQ(cursorIdOf(u"split_bottom"), CursorId::SplitBottom);
    EXPECT_EQ(cursorIdOf(u"empty"), CursorId::Empty);
    EXPECT_EQ(cursorIdOf(u"Pipette"), CursorId::Arrow);
    EXPECT_EQ(cursorIdOf(u"arrow"), CursorId::Arrow);
}
