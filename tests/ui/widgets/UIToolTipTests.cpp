// The lines a tooltip text becomes, and the popup's size for them.
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/widgets/UIToolTip.h"

#include <vector>

using namespace widgettest;

TEST(ToolTipText, LinesOfAText)
{
    struct Case {
        const char* name;
        StringView text;
        int32_t maximumLength;
        std::vector<String> expected;
    };
    const Case cases[] = {
        {"CR LF twice is one break", u"a\r\n\r\nb", 0, {u"a", u"b"}},
        {"lone CR and LF break too", u"a\rb\nc", 0, {u"a", u"b", u"c"}},
        {"white space and controls become spaces", u"x\ty\x01z\x7F!", 0, {u"x y z !"}},
        {"letters beyond ASCII stay, a lone surrogate does not",
         u"\u00E9\u20AC\U0001F600\xD800",
         0,
         {u"\u00E9\u20AC\U0001F600 "}},
        {"cut to the limit", u"abcdef", 3, {u"abc ... "}},
        {"short enough", u"abc", 3, {u"abc"}},
        {"empty", u"", 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UIToolTip::textLines(c.text, c.maximumLength), c.expected) << c.name;
}

class ToolTipSizeTest : public WidgetTest {};

TEST_F(ToolTipSizeTest, SizeHintHoldsEveryLineInsideThePadding)
{
    auto window = makeWindow({200, 100});
    auto owner = makeChild(*window, {0, 0, 50, 20}, "owner");
    UIToolTip tip;
    tip.setStyleProperty(u"padding", u"5,3,7,2");
    tip.showToolTip(*owner, u"short\r\na longer line", {});
    ASSERT_EQ(tip.lines().size(), 2u);
    const UIFont font = tip.font();
    const Size hint = tip.sizeHint();
    EXPECT_EQ(hint.width, font.textSize(u"a longer line").width + 12);
    EXPECT_EQ(hint.height, 2 * font.metrics().lineHeight() + 5);
    EXPECT_EQ(tip.size(), hint);
    tip.hideToolTip();
}
