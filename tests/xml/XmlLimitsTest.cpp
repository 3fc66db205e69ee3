// The bounds on one document: nesting, elements and attributes, each
// accepted at its limit and refused one past it, with a reason.
#include "xml/XmlDocument.h"
#include "xml/XmlReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

String repeated(StringView unit, size_t count)
{
    String text;
    text.reserve(unit.size() * count);
    for (size_t i = 0; i < count; ++i)
        text.append(unit);
    return text;
}

TEST(XmlLimits, DocumentsAtEachLimitReadAndOnePastFail)
{
    const size_t depth = XmlReader::kMaxDepth;
    const size_t elements = XmlReader::kMaxElements;
    const size_t attributes = XmlReader::kMaxAttributes;
    constexpr StringView kEightAttributes = u"<b c='' d='' e='' f='' g='' h='' i='' j=''/>";
    const struct {
        const char* what;
        String body;
        StringView error; // empty: the document reads
    } cases[] = {
        {"deepest nesting", repeated(u"<a>", depth - 1) + u"<a/>", {}},
        {"one level deeper", repeated(u"<a>", depth) + u"<a/>", u"too deeply nested"},
        // Closed elements no longer count towards the depth.
        {"closed levels", u"<a>" + repeated(u"<b><c></c></b>", depth), {}},
        {"most elements", u"<a>" + repeated(u"<b/>", elements - 1), {}},
        {"one element more", u"<a>" + repeated(u"<b/>", elements), u"too many elements"},
        {"most attributes", u"<a>" + repeated(kEightAttributes, attributes / 8), {}},
        {"one attribute more", u"<a>" + repeated(kEightAttributes, attributes / 8) + u"<b c=''/>",
         u"too many attributes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        XmlDocument document;
        EXPECT_EQ(document.parse(u"<?xml?>" + c.body), c.error.empty());
        EXPECT_EQ(document.errorText(), c.error);
        EXPECT_EQ(bool(document.element(u"a")), c.error.empty());
    }
}

} // namespace
