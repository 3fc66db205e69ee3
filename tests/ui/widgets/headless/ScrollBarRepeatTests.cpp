// Held scroll-bar arrows on the fake clock: one step at once, repeats after
// the first delay, acceleration with the pointer's distance, and nothing
// left running after the release.
#include "platform/headless/HeadlessInput.h"
#include "tests/ui/widgets/ScrollTestSupport.h"
#include "ui/core/UITimers.h"

using namespace widgettest;
using namespace scrolltest;

namespace {

class ScrollBarRepeatTest : public WidgetTest {
protected:
    ScrollBarRepeatTest()
    {
        window = makeWindow({200, 200});
        // 0..1000 with page 10: the thumb is the minimum 8 px.
        bar = makeBar(*window, 0, 1000);
        bar->setValue(500);
    }

    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<UIScrollBar> bar;
};

constexpr uint64_t kDelay = UIScrollBar::kAutoRepeatDelayMs;
constexpr uint64_t kInterval = UIScrollBar::kAutoRepeatIntervalMs;

} // namespace

TEST_F(ScrollBarRepeatTest, AClickStepsOnceAtOnce)
{
    struct Case {
        const char* name;
        Point arrow;
        int32_t value;
    };
    const Case cases[] = {
        {"decrement arrow", {5, 5}, 497},
        {"increment arrow", {5, 105}, 503},
    };
    for (const Case& c : cases) {
        bar->setValue(500);
        sendMouse(*bar, UIEventType::MousePress, c.arrow);
        EXPECT_EQ(bar->value(), c.value) << c.name;
        sendMouse(*bar, UIEventType::MouseRelease, c.arrow);
        platform::headless::advanceClock(kDelay * 4);
        EXPECT_EQ(bar->value(), c.value) << c.name << ": nothing after the release";
        EXPECT_FALSE(UITimers::isRunning(UIScrollBar::kAutoRepeatTimer, bar.get())) << c.name;
    }
}

TEST_F(ScrollBarRepeatTest, HoldingRepeatsThenAcceleratesWithDistance)
{
    const Point arrow{5, 105};
    sendMouse(*bar, UIEventType::MousePress, arrow);
    platform::headless::advanceClock(kDelay - 1);
    EXPECT_EQ(bar->value(), 503) << "no repeat before the delay";
    platform::headless::advanceClock(1);
    EXPECT_EQ(bar->value(), 506);
    platform::headless::advanceClock(kInterval * 2);
    EXPECT_EQ(bar->value(), 512) << "faster after the first repeat";

    // Off the arrow the step is round(distance x 0.15), at least 1, plus
    // the arrow step, towards the pointer. The thumb (8 px) starts at
    // 10 + round(82 x value / 1000).
    struct Case {
        int32_t pointer;
        int32_t step;
    };
    const Case cases[] = {
        {99, 9},    // value 512: centre 56, distance 43
        {60, 4},    // value 521: centre 57, distance 3 gives the minimum 1
        {-40, -18}, // value 525: centre 57, distance 97 up
    };
    for (const Case& c : cases) {
        const int32_t before = bar->value();
        sendMouse(*bar, UIEventType::MouseMove, {5, c.pointer});
        platform::headless::advanceClock(kInterval);
        EXPECT_EQ(bar->value() - before, c.step) << "pointer at " << c.pointer;
    }
    sendMouse(*bar, UIEventType::MouseRelease, {5, 0});
    const int32_t released = bar->value();
    platform::headless::advanceClock(kInterval * 10);
    EXPECT_EQ(bar->value(), released);
}
