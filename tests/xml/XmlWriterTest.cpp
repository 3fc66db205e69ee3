// Writing documents: the exact byte layout, quoting, refusals and round trips.

#include "xml/XmlDocument.h"
#include "xml/XmlReader.h"

#include <gtest/gtest.h>

namespace {

std::string asText(const platform::Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(XmlWriter, SettingsLayoutWithIndentFour)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.parse(u"<?xml?><groups><group name='general'><item name='language' value='English'/>"
                          u"<item name=\"zoomFactor\"  value=\"8\"></item></group><group name='windows'/></groups>"));
    const std::string expected = "\xEF\xBB\xBF"
                                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                                 "<groups>\r\n"
                                 "    <group name=\"general\">\r\n"
                                 "        <item name=\"language\" value=\"English\" />\r\n"
                                 "        <item name=\"zoomFactor\" value=\"8\" />\r\n"
                                 "    </group>\r\n"
                                 "    <group name=\"windows\" />\r\n"
                                 "</groups>\r\n";
    const auto bytes = doc.serialize(4);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(asText(*bytes), expected);
}

TEST(XmlWriter, HeaderLineTextDroppedAndUtf8)
{
    XmlDocument doc;
    doc.setHeader(u"header");
    const XmlElement a = doc.root().appendChild(u"a");
    a.appendText(u"lost");
    a.setAttribute(u"v", u"\u00e9&amp;<>");
    const auto bytes = doc.serialize(2);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(asText(*bytes),
              "\xEF\xBB\xBF"
              "header\r\n<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
              "<a v=\"\xC3\xA9&amp;<>\" />\r\n");
    const auto empty = XmlDocument().serialize(4);
    ASSERT_TRUE(empty);
    EXPECT_EQ(asText(*empty), "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n");
}

// Regression: values were written between double quotes verbatim, so a value
// holding a double quote produced a file that could not be read back.
TEST(XmlWriter, ValueWithDoubleQuoteUsesSingleQuotes)
{
    XmlDocument doc;
    doc.root().appendChild(u"a").setAttribute(u"v", u"say \"hi\"");
    const auto bytes = doc.serialize(4);
    ASSERT_TRUE(bytes);
    EXPECT_NE(asText(*bytes).find("<a v='say \"hi\"' />"), std::string::npos);
    XmlDocument back;
    ASSERT_TRUE(back.parseBytes(*bytes));
    EXPECT_EQ(back.element(u"a").attribute(u"v"), u"say \"hi\"");
}

TEST(XmlWriter, RefusesTreesThatWouldNotReadBack)
{
    const auto refused = [](auto build) {
        XmlDocument doc;
        build(doc.root().appendChild(u"a"));
        return !doc.serialize(4).has_value();
    };
    EXPECT_TRUE(refused([](XmlElement a) { a.setAttribute(u"v", u"it's \"both\""); }));
    EXPECT_TRUE(refused([](XmlElement a) { a.appendChild(u""); }));
    EXPECT_TRUE(refused([](XmlElement a) { a.appendChild(u"ns:b"); }));
    EXPECT_TRUE(refused([](XmlElement a) { a.setAttribute(u"_v", u"1"); }));
    EXPECT_TRUE(refused([](XmlElement a) { a.setAttribute(u"a b", u"1"); }));
    EXPECT_FALSE(refused([](XmlElement a) { a.setAttribute(u"v-1.x_", u"it's"); }));
}

TEST(XmlWriter, RoundTripGivesSameTree)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.parse(u"<?xml?><skins><skin name='UIButton_Background' image=\"a b.png\" margins=\"1,2,3,4\">"
                          u"<state id='1'/><state id=\"say &quot;x&quot;\"><deep><deeper v='\"'/></deep></state></skin>"
                          u"<!-- c --><skin name='x'/></skins><other/>"));
    const auto first = doc.serialize(3);
    ASSERT_TRUE(first);
    // The bytes hold every name, attribute and nesting level (text is never
    // written), so equal bytes after a read-back mean an equal tree.
    XmlDocument back;
    ASSERT_TRUE(back.parseBytes(*first));
    EXPECT_EQ(back.serialize(3), first);
    const XmlDocument moved(std::move(back)); // the tree travels, the source stays usable
    EXPECT_EQ(moved.serialize(3), first);
    EXPECT_TRUE(back.root().children().empty() && back.parse(u"<?xml?><a/>"));
    const XmlElement state = *std::next(moved.element(u"skins/skin").children().begin());
    EXPECT_EQ(state.attribute(u"id"), u"say &quot;x&quot;");
    EXPECT_EQ(state.child(u"deep").child(u"deeper").attribute(u"v"), u"\"");
}

// Fault: the writer wrote trees nested deeper than the reader reads back.
TEST(XmlWriter, TreesDeeperThanTheReaderAcceptsAreRefused)
{
    XmlDocument doc;
    XmlElement e = doc.root();
    for (uint32_t i = 0; i < XmlReader::kMaxDepth; ++i)
        e = e.appendChild(u"e");
    const auto bytes = doc.serialize(4);
    ASSERT_TRUE(bytes);
    XmlDocument back;
    ASSERT_TRUE(back.parseBytes(*bytes));
    EXPECT_EQ(back.serialize(4), bytes);
    e.appendChild(u"e");
    EXPECT_FALSE(doc.serialize(0));
}

} // namespace
