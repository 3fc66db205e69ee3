// Size hints of buttons and check boxes on the headless build's fixed text
// metrics: a 12-point font is 16 pixels high and 8 wide per character, so
// "OK" measures 16 x 16.
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/WidgetLayout.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UICheckBox.h"

using namespace widgettest;

namespace {

constexpr char16_t kFont[] = u"default,12,";

} // namespace

class ButtonSizeTest : public WidgetTest {};

TEST_F(ButtonSizeTest, ButtonHintIsCaptionAndIconsPlusPadding)
{
    struct Case {
        const char* name;
        const char16_t* text;
        Size icon; // empty: no icons
        UIButton::IconPosition position;
        bool flat;
        Size hint;
    };
    const Case cases[] = {
        {"caption", u"OK", {}, UIButton::IconPosition::Left, false, {24, 20}},
        {"flat ignores padding", u"OK", {}, UIButton::IconPosition::Left, true, {16, 16}},
        {"icon left", u"OK", {10, 20}, UIButton::IconPosition::Left, false, {10 + 3 + 16 + 8, 20 + 4}},
        {"icon above", u"OK", {10, 20}, UIButton::IconPosition::Top, false, {16 + 8, 20 + 3 + 16 + 4}},
        {"icon alone", u"", {10, 20}, UIButton::IconPosition::Top, false, {10 + 8, 20 + 4}},
    };
    for (const Case& c : cases) {
        UIButton button;
        button.setStyleProperty(u"font", kFont);
        button.setStyleProperty(u"padding", u"4,2,4,2");
        button.setStyleProperty(u"iconAndTextSpacing", u"3");
        button.setText(c.text);
        if (!c.icon.isEmpty()) {
            // The widest and the tallest of the four count.
            button.setIcons(UIImage(c.icon.width, 4, false), {}, UIImage(2, c.icon.height, false), {});
        }
        button.setIconPosition(c.position);
        button.setFlat(c.flat);
        EXPECT_EQ(button.sizeHint(), c.hint) << c.name;
    }
}

TEST_F(ButtonSizeTest, TheStyleMinimumBoundsTheEffectiveSizeUntilFlat)
{
    UIButton button;
    button.setStyleProperty(u"font", kFont);
    button.setStyleProperty(u"padding", u"4,2,4,2");
    button.setText(u"OK");
    EXPECT_EQ(WidgetLayout::effectiveSizeHint(button), (Size{60, 20})) << "the minimum without a style";
    button.setStyleProperty(u"minimumSize", u"72,24");
    EXPECT_EQ(WidgetLayout::effectiveSizeHint(button), (Size{72, 24}));
    button.setFlat(true);
    EXPECT_EQ(WidgetLayout::effectiveSizeHint(button), (Size{16, 16}));
}

TEST_F(ButtonSizeTest, CheckBoxHintIsIndicatorSpacingAndCaption)
{
    UICheckBox box;
    box.setStyleProperty(u"font", kFont);
    box.setText(u"OK");
    EXPECT_EQ(box.sizeHint(), (Size{20 + 4 + 2 + 16, 20}));
    box.setStyleProperty(u"indicatorSize", u"12,10");
    box.setStyleProperty(u"indicatorSpacing", u"6");
    EXPECT_EQ(box.sizeHint(), (Size{12 + 6 + 2 + 16, 16})) << "the line is taller than the indicator";
}
