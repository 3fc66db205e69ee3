// Combo boxes: the size hint's bounds, and the current text as tooltip when
// painting had to shorten it.
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/widgets/UIComboBox.h"

#include <memory>

using namespace widgettest;

namespace {

constexpr char16_t kLongText[] = u"A long item text that needs room";

class ComboPaintTest : public WidgetTest {
protected:
    ComboPaintTest() { window = makeWindow({600, 100}); }

    std::unique_ptr<UIComboBox> makeCombo(const char16_t* text)
    {
        auto combo = std::make_unique<UIComboBox>(window.get());
        combo->setStyleProperty(u"minimumHeight", u"24");
        combo->setStyleProperty(u"minimumWidth", u"80");
        combo->setStyleProperty(u"maximumWidth", u"150");
        combo->setStyleProperty(u"spacing", u"4");
        combo->setStyleProperty(u"padding", u"8,0,4,0");
        combo->addItem(text);
        return combo;
    }
    std::unique_ptr<LoggingWidget> window;
};

} // namespace

TEST_F(ComboPaintTest, SizeHintStaysWithinItsBounds)
{
    const int32_t natural = UIFont::defaultFont().textSize(u"Medium item").width + 4 + 8 + 4;
    ASSERT_GT(natural, 80);
    ASSERT_LT(natural, 150);
    struct Case {
        const char16_t* text;
        int32_t width;
    };
    for (const Case& c : {Case{u"A", 80}, Case{u"Medium item", natural}, Case{kLongText, 150}})
        EXPECT_EQ(makeCombo(c.text)->sizeHint(), (Size{c.width, 24})) << toUtf8(c.text);
}

TEST_F(ComboPaintTest, ShortenedCurrentTextBecomesTheToolTip)
{
    struct Case {
        const char* name;
        int32_t width;
        const char16_t* ownToolTip;
        String expected;
    };
    const Case cases[] = {
        {"fits", 500, u"", u""},
        {"too narrow", 60, u"", kLongText},
        {"the widget's own tooltip wins", 60, u"Own", u"Own"},
    };
    for (const Case& c : cases) {
        auto combo = makeCombo(kLongText);
        combo->setGeometry({0, 0, c.width, 24});
        combo->show();
        combo->setToolTip(c.ownToolTip);
        combo->update();
        EXPECT_EQ(combo->toolTipAt({1, 1}), c.expected) << c.name;
    }
}
