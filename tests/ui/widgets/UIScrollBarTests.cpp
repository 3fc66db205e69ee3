// The scroll bar's range, geometry, paging, wheel, painting and focus,
// with events sent straight to the bar. Held-arrow timing is in the
// headless suite.
#include "tests/ui/widgets/ScrollTestSupport.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIWindowHost.h"

using namespace widgettest;
using namespace scrolltest;

namespace {

class ScrollBarTest : public WidgetTest {
protected:
    ScrollBarTest() { window = makeWindow({200, 200}); }

    Notes notes;
    std::unique_ptr<LoggingWidget> window;
};

} // namespace

TEST_F(ScrollBarTest, RangeAndValueClampAndNotifyInOrder)
{
    struct Case {
        const char* name;
        int32_t a, b; // the range set while the value is 15 in 0..20
        int32_t minimum, maximum, value;
        Notes expected;
    };
    const Case cases[] = {
        {"reversed range pulls the value in first", 10, 0, 0, 10, 10, {"valueChanged 10", "rangeChanged 10"}},
        {"value below a raised minimum", 30, 16, 16, 30, 16, {"valueChanged 16", "rangeChanged 30"}},
        {"value already inside", 0, 40, 0, 40, 15, {"rangeChanged 40"}},
        {"unchanged range says nothing", 20, 0, 0, 20, 15, {}},
    };
    for (const Case& c : cases) {
        auto bar = makeBar(*window, 0, 20);
        bar->setValue(15);
        record(*bar, notes);
        notes.clear();
        bar->setRange(c.a, c.b);
        EXPECT_EQ(bar->minimum(), c.minimum) << c.name;
        EXPECT_EQ(bar->maximum(), c.maximum) << c.name;
        EXPECT_EQ(bar->value(), c.value) << c.name;
        EXPECT_EQ(notes, c.expected) << c.name;
    }
    auto bar = makeBar(*window, -5, 5);
    record(*bar, notes);
    notes.clear();
    for (int32_t v : {3, 3, 99, -99})
        bar->setValue(v);
    EXPECT_EQ(notes, (Notes{"valueChanged 3", "valueChanged 5", "valueChanged -5"}));
}

TEST_F(ScrollBarTest, ThumbLengthAndValueFromPoint)
{
    struct Case {
        const char* name;
        int32_t minimum, maximum, page;
        int32_t thumb;
        std::vector<std::pair<int32_t, int32_t>> pointToValue;
    };
    // Track 10..99 (90 px). Points are thumb centres along the bar.
    const Case cases[] = {
        {"page share of the track", 0, 80, 10, 10, {{15, 0}, {95, 80}, {55, 40}, {0, 0}, {200, 80}}},
        {"maps over minimum..maximum", 10, 20, 10, 45, {{32, 10}, {77, 20}, {55, 15}}},
        {"never below the minimum length", 0, 1000, 1, 8, {{14, 0}, {96, 1000}}},
        // The thumb fills the track: no room to move, no division by zero.
        {"empty range fills the track", 7, 7, 10, 90, {{10, 7}, {55, 7}, {99, 7}}},
    };
    for (const Case& c : cases) {
        auto bar = makeBar(*window, c.minimum, c.maximum, c.page);
        EXPECT_EQ(bar->thumbLength(), c.thumb) << c.name;
        for (auto [point, value] : c.pointToValue)
            EXPECT_EQ(bar->valueAt(point), value) << c.name << " at " << point;
    }
    // A track shorter than the minimum thumb length.
    auto tiny = makeBar(*window, 0, 50);
    tiny->resize(10, 25);
    EXPECT_EQ(tiny->thumbLength(), 5);
    EXPECT_EQ(tiny->valueAt(12), 0);
}

TEST_F(ScrollBarTest, SizeHintIsTheMinimumThumbPlusTheArrows)
{
    for (bool arrows : {true, false}) {
        const int32_t along = arrows ? 28 : 8;
        UIScrollBar horizontal(window.get(), Orientation::Horizontal);
        UIScrollBar vertical(window.get(), Orientation::Vertical);
        for (UIScrollBar* bar : {&horizontal, &vertical}) {
            giveBarMetrics(*bar);
            bar->setArrowsShown(arrows);
        }
        EXPECT_EQ(horizontal.sizeHint(), (Size{along, 10})) << arrows;
        EXPECT_EQ(vertical.sizeHint(), (Size{10, along})) << arrows;
    }
}

TEST_F(ScrollBarTest, TrackPressPagesOrJumpsWithShiftAndTheWheelSteps)
{
    struct Case {
        const char* name;
        Point at;
        uint32_t modifiers;
        int32_t value;
    };
    // 0..100 with page 20 and the value at 50: the thumb (15 px) spans 48..62.
    const Case cases[] = {
        {"before the thumb pages back", {5, 20}, 0, 30},
        {"after the thumb pages on", {5, 90}, 0, 70},
        {"Shift jumps to the point", {5, 90}, platform::ShiftModifier, 97},
        {"Shift at the track's start", {5, 12}, platform::ShiftModifier, 0},
    };
    for (const Case& c : cases) {
        auto bar = makeBar(*window, 0, 100, 20);
        bar->setValue(50);
        sendMouse(*bar, UIEventType::MousePress, c.at, c.modifiers);
        sendMouse(*bar, UIEventType::MouseRelease, c.at);
        EXPECT_EQ(bar->value(), c.value) << c.name;
    }

    auto bar = makeBar(*window, 0, 100);
    bar->setSingleStep(4);
    bar->setValue(50);
    const std::pair<bool, int32_t> wheel[] = {{false, 54}, {false, 58}, {true, 54}};
    for (auto [up, value] : wheel) {
        UIWheelEvent event({5, 50}, up ? UIWheelEvent::kNotch : -UIWheelEvent::kNotch, false, 0);
        UIWidget::sendEvent(bar.get(), event);
        EXPECT_EQ(bar->value(), value);
    }
}

TEST_F(ScrollBarTest, DraggingTheThumbKeepsTheGrabOffset)
{
    auto bar = makeBar(*window, 0, 80);
    // Thumb 10 px at 10..19 (centre 15); grabbed 3 px below the centre.
    sendMouse(*bar, UIEventType::MousePress, {5, 18});
    sendMouse(*bar, UIEventType::MouseMove, {5, 58});
    EXPECT_EQ(bar->value(), 40);
    sendMouse(*bar, UIEventType::MouseRelease, {5, 58});
    sendMouse(*bar, UIEventType::MouseMove, {5, 90});
    EXPECT_EQ(bar->value(), 40);
}

TEST_F(ScrollBarTest, PaintsTheThumbFrameOfItsState)
{
    // Four one-colour frames: normal, hovered, pressed, disabled.
    const uint32_t colors[] = {0xFF101010u, 0xFF202020u, 0xFF303030u, 0xFF404040u};
    UIImage strip(4, 1, false);
    for (int32_t i = 0; i < 4; ++i)
        strip.setPixel(i, 0, colors[i]);
    const UISkin thumb = UISkin::create(strip, {SkinOrientation::Horizontal, 4, 1, 1, {}, {}});

    auto bar = makeBar(*window, 0, 80);
    bar->setSkin(u"UIScrollBar_VerticalThumbBackground", thumb);
    const auto thumbColor = [&] {
        UIPaintEvent paint(bar->rect());
        UIWidget::sendEvent(bar.get(), paint);
        return bar->paintBuffer().pixel(5, 15);
    };
    EXPECT_EQ(thumbColor(), colors[0]);
    sendMouse(*bar, UIEventType::MousePress, {5, 15});
    EXPECT_EQ(thumbColor(), colors[2]);
    sendMouse(*bar, UIEventType::MouseRelease, {5, 15});
    bar->disable();
    EXPECT_EQ(thumbColor(), colors[3]);
}

TEST_F(ScrollBarTest, TakesTheFocusOnPressExceptInAPopup)
{
    hostOf(*window).activate(true);
    for (bool popup : {false, true}) {
        hostOf(*window).setWindowType(popup ? WindowType::Popup : WindowType::SystemMenu);
        auto bar = makeBar(*window, 0, 100);
        sendMouse(*bar, UIEventType::MousePress, {5, 50});
        sendMouse(*bar, UIEventType::MouseRelease, {5, 50});
        EXPECT_EQ(bar->hasFocus(), !popup) << popup;
        EXPECT_TRUE(bar->focusChain().empty()) << "never a tab stop";
    }
}
