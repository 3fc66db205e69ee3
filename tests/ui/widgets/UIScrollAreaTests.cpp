// The scroll area's arrangement of viewport, bars and corner, and the
// content following the bars.
#include "tests/ui/widgets/ScrollTestSupport.h"
#include "ui/widgets/UIScrollArea.h"

using namespace widgettest;
using namespace scrolltest;

namespace {

class ScrollAreaTest : public WidgetTest {
protected:
    ScrollAreaTest()
    {
        window = makeWindow({300, 300});
        area = std::make_unique<UIScrollArea>(window.get());
        giveBarMetrics(area->horizontalScrollBar());
        giveBarMetrics(area->verticalScrollBar());
        area->setGeometry({0, 0, 100, 100});
        area->show();
    }

    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<UIScrollArea> area;
};

} // namespace

TEST_F(ScrollAreaTest, BarsShowWhenTheContentDoesNotFit)
{
    struct Case {
        const char* name;
        Size content;
        ScrollBarPolicy horizontal, vertical;
        bool horizontalShown, verticalShown;
        Rect viewport;
    };
    constexpr ScrollBarPolicy kNeeded = ScrollBarPolicy::AsNeeded;
    constexpr ScrollBarPolicy kNever = ScrollBarPolicy::Never;
    const Case cases[] = {
        {"fits", {100, 100}, kNeeded, kNeeded, false, false, {0, 0, 100, 100}},
        {"taller", {90, 500}, kNeeded, kNeeded, false, true, {0, 0, 90, 100}},
        // The vertical bar takes 10 px of width, so 100 no longer fits.
        {"taller and as wide", {100, 500}, kNeeded, kNeeded, true, true, {0, 0, 90, 90}},
        {"wider", {500, 90}, kNeeded, kNeeded, true, false, {0, 0, 100, 90}},
        {"never", {500, 500}, kNever, kNever, false, false, {0, 0, 100, 100}},
        {"vertical never", {500, 500}, kNeeded, kNever, true, false, {0, 0, 100, 90}},
    };
    for (const Case& c : cases) {
        LoggingWidget content("content", log, &area->viewport());
        content.resize(c.content.width, c.content.height);
        area->setHorizontalPolicy(c.horizontal);
        area->setVerticalPolicy(c.vertical);
        ASSERT_TRUE(area->setContent(&content)) << c.name;
        EXPECT_EQ(area->horizontalScrollBar().testFlag(UIWidget::Flag::Visible), c.horizontalShown) << c.name;
        EXPECT_EQ(area->verticalScrollBar().testFlag(UIWidget::Flag::Visible), c.verticalShown) << c.name;
        EXPECT_EQ(area->corner().testFlag(UIWidget::Flag::Visible), c.horizontalShown && c.verticalShown) << c.name;
        EXPECT_EQ(area->viewport().geometry(), c.viewport) << c.name;
        // The bars sit right of and below the viewport, the corner between.
        EXPECT_EQ(area->verticalScrollBar().geometry(), (Rect{c.viewport.width, 0, 10, c.viewport.height})) << c.name;
        EXPECT_EQ(area->horizontalScrollBar().geometry(), (Rect{0, c.viewport.height, c.viewport.width, 10})) << c.name;
        EXPECT_EQ(area->corner().geometry(), (Rect{c.viewport.width, c.viewport.height, 10, 10})) << c.name;
        area->setContent(nullptr);
    }
}

TEST_F(ScrollAreaTest, TheContentMovesByMinusTheBarValues)
{
    LoggingWidget content("content", log, &area->viewport());
    content.resize(100, 500);
    area->setContent(&content);
    // Both bars show (the vertical one leaves 90 px of width): a 90 x 90 view.
    UIScrollBar& vertical = area->verticalScrollBar();
    EXPECT_EQ(vertical.maximum(), 410);
    EXPECT_EQ(vertical.pageStep(), 90);
    vertical.setValue(40);
    EXPECT_EQ(content.position(), (Point{0, -40}));

    // A content that shrinks pulls the value back into the smaller range.
    content.resize(100, 120);
    EXPECT_EQ(vertical.maximum(), 30);
    EXPECT_EQ(content.position(), (Point{0, -30}));
}
