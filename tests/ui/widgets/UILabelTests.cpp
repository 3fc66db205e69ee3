// Labels: size hints, and the whole text as tooltip when a line had to be
// shortened.
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/widgets/UILabel.h"

#include <memory>

using namespace widgettest;

namespace {

constexpr char16_t kText[] = u"A caption of some length";

class LabelTest : public WidgetTest {
protected:
    LabelTest() { window = makeWindow({400, 100}); }
    std::unique_ptr<LoggingWidget> window;
};

} // namespace

TEST_F(LabelTest, ShortenedTextBecomesTheToolTip)
{
    const int32_t fits = UIFont::defaultFont().textSize(kText).width + UILabel::kTextMargin;
    struct Case {
        const char* name;
        int32_t width;
        bool multiLine;
        const char16_t* ownToolTip;
        String expected;
    };
    const Case cases[] = {
        {"fits", fits, false, u"", u""},
        {"too narrow", fits / 3, false, u"", kText},
        {"the widget's own tooltip wins", fits / 3, false, u"Own", u"Own"},
        {"multi-line text is never counted as shortened", fits / 3, true, u"", u""},
    };
    for (const Case& c : cases) {
        UILabel label(window.get());
        label.setGeometry({0, 0, c.width, 20});
        label.show();
        label.setMultiLine(c.multiLine);
        label.setText(kText);
        label.setToolTip(c.ownToolTip);
        label.update();
        EXPECT_EQ(label.toolTipAt({1, 1}), c.expected) << c.name;
    }
}

TEST_F(LabelTest, SizeHintCoversEveryLine)
{
    const UIFont& font = UIFont::defaultFont();
    const int32_t line = font.metrics().lineHeight();
    UILabel label;
    label.setText(u"ab\nabcdef\nabc");
    EXPECT_EQ(label.sizeHint(), (Size{font.textSize(u"ab\nabcdef\nabc").width + 4, line + 4}));
    label.setMultiLine(true);
    EXPECT_EQ(label.sizeHint(), (Size{font.textSize(u"abcdef").width + 4, 3 * line + 4}));
}

TEST_F(LabelTest, LongerTextAsksTheParentForRoom)
{
    auto arranged = makeWindow({400, 100}, true, "arranged");
    UILabel label(arranged.get());
    label.show();
    label.setText(u"ab");
    const int32_t before = label.width();
    label.setText(u"abcdefghij");
    EXPECT_GT(label.width(), before);
}
