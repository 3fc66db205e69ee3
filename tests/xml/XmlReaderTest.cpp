// Reading documents from text: the accepted language and its failures.

#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

namespace {

bool parses(XmlDocument& doc, StringView body)
{
    return doc.parse(u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n" + String(body));
}

TEST(XmlReader, DeclarationAndComments)
{
    XmlDocument doc;
    EXPECT_FALSE(doc.parse(u"<a />"));
    EXPECT_FALSE(doc.parse(u"<!-- ?> --><a />")); // a "?>" inside a comment does not count
    // Whatever precedes the first "?>" is ignored, the declared encoding too.
    EXPECT_TRUE(doc.parse(u"junk <?xml encoding=\"latin-9\"?><a />"));
    ASSERT_TRUE(doc.parse(u"<!-- x --><?xml?><!-- <b/> --><a><!--x--></a><!---->"));
    EXPECT_TRUE(doc.element(u"a"));
    EXPECT_FALSE(doc.element(u"b"));
}

TEST(XmlReader, ElementsAttributesAndText)
{
    XmlDocument doc;
    ASSERT_TRUE(parses(doc,
                       u"<groups>\r\n  <group name=\"general\" x='1'>hello &amp; <item name=\"a\" value='say \"hi\"'/>"
                       u"</group>\r\n  <group name=\"second\" /></groups>"));
    const XmlElement groups = doc.element(u"groups");
    ASSERT_TRUE(groups);
    ASSERT_EQ(groups.children().size(), 2u);
    EXPECT_EQ(groups.text(), u"\r\n  ");
    const XmlElement general = *groups.children().begin();
    EXPECT_EQ(general.attribute(u"x"), u"1");
    EXPECT_EQ(general.attribute(u"missing"), u"");
    EXPECT_EQ(general.text(), u"hello &amp; "); // entities are not decoded
    EXPECT_EQ(doc.element(u"groups/group/item").attribute(u"value"), u"say \"hi\"");
    EXPECT_EQ((*std::next(groups.children().begin())).attribute(u"name"), u"second");

    // Repeated attributes are all kept; the first one answers.
    ASSERT_TRUE(parses(doc, u"<a k=\"1\" k=\"2\"/>"));
    EXPECT_EQ(doc.root().children().size(), 1u) << "a parse replaces the tree";
    EXPECT_EQ(doc.element(u"a").attributes().size(), 2u);
    EXPECT_EQ(doc.element(u"a").attribute(u"k"), u"1");

    for (StringView empty : {StringView(u"<a/>"), StringView(u"<a />"), StringView(u"<a></a>")}) {
        ASSERT_TRUE(parses(doc, empty)) << toUtf8(empty);
        EXPECT_TRUE(doc.element(u"a").children().empty() && doc.element(u"a").text().empty());
    }
}

TEST(XmlReader, EndTagClosesWhateverIsOpen)
{
    XmlDocument doc;
    ASSERT_TRUE(parses(doc, u"<a><b></x></y><c/>"));
    EXPECT_TRUE(doc.element(u"a/b"));
    EXPECT_TRUE(doc.element(u"c"));
    // A document may end with elements still open, as long as it ends
    // between tags.
    ASSERT_TRUE(parses(doc, u"<a><b><c/>\r\n"));
    EXPECT_TRUE(doc.element(u"a/b/c"));
}

TEST(XmlReader, MalformedInputFailsWithStateDiagnosis)
{
    const std::pair<StringView, StringView> cases[] = {
        {u"<a>text<b/>more</a>", u"command error, id: 0"}, // mixed content
        {u"stray<a/>", u"command error, id: 0"},
        {u"<?pi?><a/>", u"command error, id: 1"},
        {u"<!DOCTYPE a><a/>", u"command error, id: 1"},
        {u"<ns:a/>", u"command error, id: 2"},
        {u"<a><b>", u"command error, id: 3"},
        {u"<a></a></a>", u"command error, id: 5"}, // nothing left to close
        {u"<a/><!-- open", u"command error, id: 6"},
        {u"<a x='1'", u"command error, id: 7"},
        {u"<a _x='1'/>", u"command error, id: 7"},
        {u"<a x=1/>", u"command error, id: 9"},
        {u"<a x '1'/>", u"command error, id: 9"},
        {u"<a x='it\"s/>", u"command error, id: 10"},
    };
    for (const auto& [body, error] : cases) {
        XmlDocument doc;
        EXPECT_FALSE(parses(doc, body)) << toUtf8(body);
        EXPECT_EQ(doc.errorText(), error) << toUtf8(body);
        EXPECT_TRUE(doc.root().children().empty()) << "a failed read keeps no half tree";
    }
}

TEST(XmlReader, ElementPathDropsEmptyPartsAndIsCaseSensitive)
{
    XmlDocument doc;
    ASSERT_TRUE(parses(doc, u"<a><b/><b id='2'><c/></b></a>"));
    EXPECT_EQ(doc.element(u"/a//b/"), doc.element(u"a/b"));
    EXPECT_EQ(doc.element(u"a/b").attribute(u"id"), u""); // first of that name
    EXPECT_FALSE(doc.element(u"a/b/c"));
    EXPECT_FALSE(doc.element(u"A"));
    EXPECT_FALSE(doc.element(u"//"));
}

TEST(XmlReader, DeepNestingDoesNotExhaustTheStack)
{
    // A million open elements: neither the read nor the teardown of the half
    // tree may recurse per level. (Closed deep trees: see XmlWriter.)
    String open;
    for (int i = 0; i < 1000000; ++i)
        open += u"<e>";
    XmlDocument doc;
    EXPECT_FALSE(parses(doc, open));
    EXPECT_EQ(doc.errorText(), u"too deeply nested");
}

} // namespace
