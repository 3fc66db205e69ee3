// The toolkit's timers over the real thread timers: a widget's hover timer
// ticks at its interval through the event service's loop. Counted over a
// bounded loop, never against the clock alone.
#include "app/EventDispatcher.h"
#include "platform/Clock.h"
#include "platform/SystemTimers.h"
#include "ui/core/UITimers.h"
#include "ui/core/UIWidget.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTicks = 3;
constexpr uint32_t kWatchdogInterval = 5000;

class TickingWidget : public UIWidget {
public:
    explicit TickingWidget(EventDispatcher& dispatcher, LoopFrame& frame) : m_dispatcher(dispatcher), m_frame(frame) {}
    // Counts instead of running the hover check, which would stop the timer
    // as soon as the real pointer is elsewhere.
    void timerFired(uint32_t id) override
    {
        if (id == UITimers::kHoverTimer && ++ticks == kTicks)
            m_dispatcher.exit(m_frame, 0);
    }
    int ticks = 0;

private:
    EventDispatcher& m_dispatcher;
    LoopFrame& m_frame;
};

} // namespace

TEST(WidgetTimersWin32, HoverTimerTicksAtItsInterval)
{
    EventDispatcher dispatcher;
    LoopFrame frame;
    TickingWidget widget(dispatcher, frame);
    const uintptr_t watchdog = platform::startSystemTimer(kWatchdogInterval, [&] { dispatcher.exit(frame, 1); });
    const uint64_t started = platform::monotonicMilliseconds();
    ASSERT_TRUE(widget.startTimer(UITimers::kHoverTimer, UIWidget::kHoverInterval));
    // Starting it again does not add a second timer.
    ASSERT_TRUE(widget.startTimer(UITimers::kHoverTimer, UIWidget::kHoverInterval));
    EXPECT_EQ(UITimers::count(), 1u);

    EXPECT_EQ(dispatcher.exec(frame), 0);
    platform::stopSystemTimer(watchdog);
    EXPECT_EQ(widget.ticks, kTicks);
    EXPECT_GE(platform::monotonicMilliseconds() - started, (kTicks - 1) * UIWidget::kHoverInterval);

    widget.killTimer(UITimers::kHoverTimer);
    EXPECT_FALSE(UITimers::isRunning(UITimers::kHoverTimer, &widget));
}
