// Whole input sequences on a headless window with the fake clock and the
// fake input state: click synthesis, double clicks, the context menu,
// cursors and hover tracking.
#include "platform/headless/HeadlessInput.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UICursorTable.h"
#include "ui/core/UIMouseRouter.h"
#include "ui/core/UITimers.h"

using namespace widgettest;

namespace {

constexpr uint32_t kLeft = platform::LeftButton;
constexpr uint32_t kRight = platform::RightButton;

class MouseRoutingTest : public WidgetTest {
protected:
    MouseRoutingTest()
    {
        platform::headless::resetInput();
        platform::headless::setDoubleClickSettings(500, {4, 4});
        // The router is fed window positions; the fake pointer follows in
        // screen coordinates (the in-memory window sits at 0, 0).
        window = makeWindow({100, 100});
        button = makeChild(*window, {10, 10, 40, 20}, "button");
        router = std::make_unique<UIMouseRouter>(*window);
        log.clear();
    }

    void moveTo(Point p)
    {
        platform::headless::setCursorPosition(p);
        router->move(p, 0, 0);
        processEvents();
    }
    void click(Point p, uint32_t button, Point releaseAt)
    {
        router->press(p, button, button, 0);
        processEvents();
        platform::headless::setCursorPosition(releaseAt);
        router->release(releaseAt, button, 0, 0);
        processEvents();
    }
    Log mouseLog() const { return only(log, {"Press", "Release", "Click", "DoubleClick", "ContextMenu"}); }

    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<LoggingWidget> button;
    std::unique_ptr<UIMouseRouter> router;
};

} // namespace

TEST_F(MouseRoutingTest, ClickSynthesis)
{
    struct Case {
        const char* name;
        uint32_t button;
        Point releaseAt;
        Log expected;
    };
    const Case cases[] = {
        {"inside", kLeft, {20, 20}, {"button:Press", "button:Release", "button:Click"}},
        // The grabber gets the release; outside it is no click.
        {"outside", kLeft, {80, 80}, {"button:Press", "button:Release"}},
        {"right inside", kRight, {20, 20}, {"button:Press", "button:Release", "button:ContextMenu", "button:Click"}},
    };
    for (const Case& c : cases) {
        log.clear();
        platform::setCursor(UIManager::instance().cursors().nativeCursor(CursorId::TextBeam));
        click({15, 15}, c.button, c.releaseAt);
        EXPECT_EQ(mouseLog(), c.expected) << c.name;
        EXPECT_EQ(UIManager::instance().grabber(), nullptr) << c.name;
        EXPECT_FALSE(button->testFlag(UIWidget::Flag::Pressed)) << c.name;
        EXPECT_FALSE(hostOf(*window).hasCapture()) << c.name;
        if (c.releaseAt.x > 50) {
            EXPECT_EQ(platform::headless::currentCursor(),
                      UIManager::instance().cursors().nativeCursor(CursorId::Arrow));
        }
        platform::headless::advanceClock(1000);
    }
}

TEST_F(MouseRoutingTest, DoubleClicksNeedTheSystemTimeAndDistance)
{
    button->setFlag(UIWidget::Flag::DoubleClicks, true);
    struct Case {
        const char* name;
        uint64_t gap;
        Point second;
        Log expected;
    };
    const Log twoClicks{"button:Press", "button:Release", "button:Click",
                        "button:Press", "button:Release", "button:Click"};
    const Case cases[] = {
        {"double",
         100,
         {17, 17},
         {"button:Press", "button:Release", "button:Click", "button:DoubleClick", "button:Release"}},
        {"too late", 600, {15, 15}, twoClicks},
        {"too far", 100, {19, 15}, twoClicks},
    };
    for (const Case& c : cases) {
        log.clear();
        click({15, 15}, kLeft, {15, 15});
        platform::headless::advanceClock(c.gap);
        click(c.second, kLeft, c.second);
        EXPECT_EQ(mouseLog(), c.expected) << c.name;
        platform::headless::advanceClock(1000);
    }
}

TEST_F(MouseRoutingTest, TheDoubleClickHistoryForgetsADestroyedWidget)
{
    // The second press lands on a new widget at the same place; the first
    // one's record must not pair with it.
    auto first = makeChild(*window, {60, 60, 20, 20}, "first");
    first->setFlag(UIWidget::Flag::DoubleClicks, true);
    click({65, 65}, kLeft, {65, 65});
    first.reset();
    auto second = makeChild(*window, {60, 60, 20, 20}, "second");
    second->setFlag(UIWidget::Flag::DoubleClicks, true);
    log.clear();
    click({65, 65}, kLeft, {65, 65});
    EXPECT_EQ(mouseLog(), (Log{"second:Press", "second:Release", "second:Click"}));
}

TEST_F(MouseRoutingTest, HoverPostsOneEnterAndOneLeave)
{
    button->setFlag(UIWidget::Flag::TrackHover, true);
    moveTo({5, 5});
    moveTo({20, 20});
    moveTo({21, 20});
    EXPECT_EQ(only(log, {"Enter", "Leave"}), (Log{"button:Enter"}));
    EXPECT_TRUE(button->testFlag(UIWidget::Flag::Hovered));
    EXPECT_TRUE(UITimers::isRunning(UITimers::kHoverTimer, button.get()));

    moveTo({80, 80});
    platform::headless::advanceClock(UIWidget::kHoverInterval);
    processEvents();
    platform::headless::advanceClock(5 * UIWidget::kHoverInterval);
    processEvents();
    EXPECT_EQ(only(log, {"Enter", "Leave"}), (Log{"button:Enter", "button:Leave"}));
    EXPECT_FALSE(button->testFlag(UIWidget::Flag::Hovered));
    EXPECT_FALSE(UITimers::isRunning(UITimers::kHoverTimer, button.get()));
}

TEST_F(MouseRoutingTest, CursorsWheelAndDisabledTargets)
{
    button->setCursor(static_cast<int32_t>(CursorId::Hand));
    moveTo({20, 20});
    EXPECT_EQ(platform::headless::currentCursor(), UIManager::instance().cursors().nativeCursor(CursorId::Hand));
    UIManager::instance().setOverrideCursor(static_cast<int32_t>(CursorId::Wait));
    moveTo({21, 20});
    EXPECT_EQ(platform::headless::currentCursor(), UIManager::instance().cursors().nativeCursor(CursorId::Wait));
    UIManager::instance().setOverrideCursor(0);

    // The wheel goes under the pointer even while another widget grabs.
    button->setFocusPolicy(UIWidget::WheelFocus);
    UIManager::instance().setGrabber(window.get());
    router->wheel({20, 20}, -UIWheelEvent::kNotch, false, 0);
    processEvents();
    UIManager::instance().setGrabber(nullptr);
    EXPECT_EQ(only(log, {"Wheel"}), (Log{"button:Wheel"}));
    EXPECT_TRUE(button->hasFocus());

    // A disabled target gets nothing and shows the arrow.
    button->disable();
    log.clear();
    moveTo({22, 20});
    click({22, 20}, kLeft, {22, 20});
    EXPECT_TRUE(only(log, {"MouseMove", "Press", "Release", "Click"}).empty());
    EXPECT_EQ(platform::headless::currentCursor(), UIManager::instance().cursors().nativeCursor(CursorId::Arrow));
}
