// The shipped data package's cursors become real native cursors with the
// hot spots "cursors.xml" gives them.
#include "app/Application.h"
#include "app/Package.h"
#include "platform/CursorHotspot.h"
#include "platform/InputState.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICursorTable.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

TEST(CursorTable, ShippedCursorsCarryTheirHotSpots)
{
    Application application(u"Tintscope cursor test", u"1");
    ASSERT_TRUE(openPackage(application, u"data"));
    const Package* data = application.package(u"data");
    ASSERT_NE(data, nullptr);
    XmlDocument document;
    ASSERT_TRUE(data->file(u"cursors", u"cursors.xml")->readXml(document));

    UICursorTable table; // built from the running application's package
    const NativeHandle arrow = platform::systemCursor(platform::SystemCursor::Arrow);
    int checked = 0;
    for (const XmlElement element : document.element(u"cursors").children()) {
        const CursorId id = cursorIdOf(element.attribute(u"name"));
        const NativeHandle cursor = table.nativeCursor(id);
        SCOPED_TRACE(toUtf8(element.attribute(u"name")));
        ASSERT_NE(cursor, nullptr);
        ASSERT_NE(cursor, arrow); // "empty" too is a cursor of its own
        const std::optional<Point> hotspot = platform::cursorHotspot(cursor);
        ASSERT_TRUE(hotspot);
        EXPECT_EQ(*hotspot,
                  (Point{parseInteger(element.attribute(u"hotspotX")), parseInteger(element.attribute(u"hotspotY"))}));
        ++checked;
    }
    EXPECT_GT(checked, 0);
    EXPECT_NE(table.nativeCursor(CursorId::Pipette), arrow);
    EXPECT_EQ(table.nativeCursor(999), arrow);
    EXPECT_EQ(table.nativeCursor(CursorId::SizeAll), platform::systemCursor(platform::SystemCursor::SizeAll));
}
