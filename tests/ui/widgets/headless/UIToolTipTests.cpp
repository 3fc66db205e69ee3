// The tooltip popup driven the way the window host drives it: pointer moves
// and presses through the mouse router, time through the fake clock.
#include "platform/headless/HeadlessInput.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UIMouseRouter.h"
#include "ui/widgets/UIToolTip.h"

#include <optional>

using namespace widgettest;

namespace {

constexpr Point kOnA{20, 15};
constexpr Point kOnB{70, 15};
constexpr Point kOffBoth{150, 80};
constexpr int32_t kVerticalOffset = 20;
constexpr uint32_t kBorder = 0xFF0000u;
constexpr uint32_t kFill = 0x00FF00u;

class ToolTipTest : public WidgetTest {
protected:
    ToolTipTest()
    {
        platform::headless::resetInput();
        platform::headless::advanceClock(10000);
        window = makeWindow({200, 100});
        a = makeChild(*window, {10, 10, 40, 20}, "a");
        b = makeChild(*window, {60, 10, 40, 20}, "b");
        a->setToolTip(u"tip of a");
        b->setToolTip(u"tip of b");
        router = std::make_unique<UIMouseRouter>(*window);
        freshTip();
    }
    ~ToolTipTest() override { UIManager::instance().hideToolTip(); }

    // Each case starts without any history of earlier tooltips.
    void freshTip()
    {
        UIManager::instance().hideToolTip();
        tip.reset();
        tip = std::make_unique<UIToolTip>();
        tip->setStyleProperty(u"desktopVerticalOffset", u"20");
        tip->setStyleProperty(u"desktopPadding", u"4,4,4,4");
        tip->setStyleProperty(u"padding", u"3,3,3,3");
        tip->setStyleProperty(u"background", u"0,255,0");
        tip->setStyleProperty(u"borderColor", u"255,0,0");
        UIManager::instance().setToolTipPresenter(tip.get());
        moveTo(kOffBoth);
    }
    void moveTo(Point p)
    {
        platform::headless::setCursorPosition(p);
        router->move(p, 0, 0);
        processEvents();
    }
    void advance(uint64_t ms)
    {
        platform::headless::advanceClock(ms);
        processEvents();
    }
    // Milliseconds until the popup shows, up to a limit.
    std::optional<uint64_t> delayUntilShown(uint64_t limit = 2000)
    {
        for (uint64_t waited = 1; waited <= limit; ++waited) {
            advance(1);
            if (tip->isVisible())
                return waited;
        }
        return std::nullopt;
    }

    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<LoggingWidget> a;
    std::unique_ptr<LoggingWidget> b;
    std::unique_ptr<UIMouseRouter> router;
    std::unique_ptr<UIToolTip> tip;
};

} // namespace

TEST_F(ToolTipTest, ShowsAfterTheDelayBelowThePointerWithoutTakingTheFocus)
{
    auto field = makeChild(*window, {10, 50, 100, 20}, "field");
    field->setFocusPolicy(UIWidget::ClickFocus);
    field->setFocus();
    moveTo(kOnA);

    EXPECT_EQ(delayUntilShown(), UIToolTip::kDefaultDelay);
    EXPECT_EQ(tip->owner(), a.get());
    EXPECT_EQ(tip->position(), (Point{kOnA.x, kOnA.y + kVerticalOffset}));
    EXPECT_EQ(UIManager::instance().focusWidget(), field.get());
    EXPECT_TRUE(window->isActiveWindow());
    EXPECT_FALSE(tip->isActiveWindow());

    // Fill inside, a border along the edges (the headless system draws no
    // shadow and there is no skin).
    EXPECT_EQ(tip->paintBuffer().pixel(0, 0) & 0xFFFFFFu, kBorder);
    EXPECT_EQ(tip->paintBuffer().pixel(1, 1) & 0xFFFFFFu, kFill);

    advance(UIToolTip::kDefaultDisplayTime - 1);
    EXPECT_TRUE(tip->isVisible());
    advance(1);
    EXPECT_FALSE(tip->isVisible());
    // Still over its owner: no second popup while the pointer stays.
    moveTo({kOnA.x + 1, kOnA.y});
    EXPECT_EQ(delayUntilShown(), std::nullopt);
}

TEST_F(ToolTipTest, QuickReshowOnANeighbour)
{
    enum class Before { Nothing, ShownTimedOut, ShownLeftDirectly, OnlyPending };
    struct Case {
        const char* name;
        Before before;
        uint64_t gap; // after the tip of a went, before reaching b
        uint64_t expected;
    };
    const Case cases[] = {
        {"first hover", Before::Nothing, 0, UIToolTip::kDefaultDelay},
        {"within the window after a timed-out tip", Before::ShownTimedOut, 1000, UIToolTip::kQuickDelay},
        {"after the window", Before::ShownTimedOut, 1001, UIToolTip::kDefaultDelay},
        {"straight from a shown tip", Before::ShownLeftDirectly, 0, UIToolTip::kQuickDelay},
        // Passing over a widget without seeing its tip gains nothing.
        {"after a tip that never showed", Before::OnlyPending, 0, UIToolTip::kDefaultDelay},
    };
    for (const Case& c : cases) {
        freshTip();
        advance(5000);
        if (c.before != Before::Nothing) {
            moveTo(kOnA);
            advance(c.before == Before::OnlyPending ? 300 : UIToolTip::kDefaultDelay);
            if (c.before == Before::ShownTimedOut)
                advance(UIToolTip::kDefaultDisplayTime);
        }
        advance(c.gap);
        moveTo(kOnB);
        EXPECT_EQ(delayUntilShown(), c.expected) << c.name;
        EXPECT_EQ(tip->owner(), b.get()) << c.name;
    }
}

TEST_F(ToolTipTest, NothingShowsForAPressOrAGoneOrHiddenOwner)
{
    enum class Event { PressAndRelease, ButtonHeldWhenDue, OwnerDestroyedPending, OwnerDestroyedShown, OwnerHidden };
    struct Case {
        const char* name;
        Event event;
    };
    const Case cases[] = {
        {"press while pending", Event::PressAndRelease},
        {"button held when due", Event::ButtonHeldWhenDue},
        {"owner destroyed while pending", Event::OwnerDestroyedPending},
        {"owner destroyed while shown", Event::OwnerDestroyedShown},
        {"owner hidden while shown", Event::OwnerHidden},
    };
    for (const Case& c : cases) {
        freshTip();
        auto owner = makeChild(*window, {10, 40, 40, 20}, "owner");
        owner->setToolTip(u"doomed");
        moveTo({20, 45});
        switch (c.event) {
        case Event::PressAndRelease:
            advance(300);
            router->press({20, 45}, platform::LeftButton, platform::LeftButton, 0);
            router->release({20, 45}, platform::LeftButton, 0, 0);
            processEvents();
            break;
        case Event::ButtonHeldWhenDue:
            platform::headless::setKeyDown(static_cast<uint32_t>(platform::VirtualKey::LeftButton), true);
            advance(UIToolTip::kDefaultDelay);
            platform::headless::setKeyDown(static_cast<uint32_t>(platform::VirtualKey::LeftButton), false);
            break;
        case Event::OwnerDestroyedPending:
            advance(300);
            owner.reset();
            break;
        case Event::OwnerDestroyedShown:
        case Event::OwnerHidden:
            advance(UIToolTip::kDefaultDelay);
            ASSERT_TRUE(tip->isVisible()) << c.name;
            if (c.event == Event::OwnerHidden)
                owner->hide();
            else
                owner.reset();
            break;
        }
        EXPECT_EQ(delayUntilShown(), std::nullopt) << c.name;
        EXPECT_EQ(tip->phase(), UIToolTip::Phase::None) << c.name;
        EXPECT_EQ(tip->owner(), nullptr) << c.name;
    }
}

TEST_F(ToolTipTest, StaysInsideTheWorkArea)
{
    // The headless monitor's work area is 1920 x 1040; the padding is 4.
    struct Case {
        const char* name;
        Point pointer;
        bool clampedRight;
        bool clampedBottom;
    };
    const Case cases[] = {
        {"room below", {300, 300}, false, false},
        {"right edge", {1918, 300}, true, false},
        {"bottom edge", {300, 1035}, false, true},
    };
    for (const Case& c : cases) {
        freshTip();
        advance(5000);
        moveTo(kOnA);
        // The pointer has moved on without the window seeing it.
        platform::headless::setCursorPosition(c.pointer);
        ASSERT_TRUE(delayUntilShown()) << c.name;
        EXPECT_EQ(tip->x(), c.clampedRight ? 1916 - tip->width() : c.pointer.x) << c.name;
        EXPECT_EQ(tip->y(), c.clampedBottom ? 1036 - tip->height() : c.pointer.y + kVerticalOffset) << c.name;
    }
}
