// The widget base through its public interface: defaults, resizing,
// enabling, closing, focus, composition, lifetimes and the layout glue.
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UILayout.h"
#include "ui/core/UITimers.h"
#include "ui/core/UIWidgetGuard.h"

#include <new>

using namespace widgettest;

namespace {

using Flag = UIWidget::Flag;

void sendKey(UIWidget& target, UIEventType type, uint32_t key, uint32_t modifiers = 0)
{
    UIKeyEvent event(type, key, modifiers);
    UIWidget::sendEvent(&target, event);
}

} // namespace

TEST_F(WidgetTest, DefaultsAndStyleKey)
{
    UIWidget first, second, third;
    EXPECT_EQ(first.geometry(), (Rect{0, 0, 1, 1}));
    EXPECT_EQ(first.paintBuffer().size(), (Size{1, 1}));
    EXPECT_EQ(first.paintBuffer().pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu);
    // Serials are handed out one after the other from a process-wide count
    // (the first widget of a process gets 1).
    EXPECT_GE(first.serial(), 1);
    EXPECT_EQ(second.serial(), first.serial() + 1);
    EXPECT_EQ(third.serial(), first.serial() + 2);
    EXPECT_EQ(UIWidget::styleKey(u"UIButton"), 9191347426312994ull);
    EXPECT_EQ(UIWidget::styleKey(u""), 0u);
}

TEST_F(WidgetTest, ResizeIsClampedToTheLimits)
{
    struct Case {
        Size minimum, maximum, request, expected;
    };
    const Case cases[] = {
        {{100, 50}, {}, {10, 10}, {100, 50}},
        {{}, {200, 0}, {300, 300}, {200, 300}},
        {{100, 50}, {200, 80}, {150, 60}, {150, 60}},
    };
    for (const Case& c : cases) {
        UIWidget widget;
        widget.setMinimumSize(c.minimum);
        widget.setMaximumSize(c.maximum);
        widget.resize(c.request.width, c.request.height);
        EXPECT_EQ(widget.size(), c.expected);
        // The buffer follows the size up.
        EXPECT_GE(widget.paintBuffer().width(), c.expected.width);
    }
    LoggingWidget widget("w", log);
    widget.resize(-1, 5);
    EXPECT_TRUE(only(log, {"Resize"}).empty());
    EXPECT_EQ(widget.size(), (Size{1, 1}));
}

TEST_F(WidgetTest, PaintBufferGrowsNeverShrinksAndSurvivesAFailedGrowth)
{
    UIWidget widget;
    widget.resize(40, 30);
    widget.resize(10, 10);
    EXPECT_EQ(widget.paintBuffer().size(), (Size{40, 30}));
    // Too large to allocate: the size is taken, the old buffer kept, and
    // painting skips the widget instead of writing past the buffer.
    widget.resize(70000, 70000);
    EXPECT_EQ(widget.size(), (Size{70000, 70000}));
    EXPECT_EQ(widget.paintBuffer().size(), (Size{40, 30}));
    widget.show();
    widget.update();
}

TEST_F(WidgetTest, DisablingReachesNonWindowDescendantsOnly)
{
    auto window = makeWindow({100, 100});
    auto child = makeChild(*window, {0, 0, 50, 50}, "child");
    auto grandchild = makeChild(*child, {0, 0, 10, 10}, "grandchild");
    LoggingWidget popup("popup", log, child.get(), true);
    log.clear();

    window->disable();
    EXPECT_EQ(only(log, {"Change"}), (Log{"grandchild:Change", "child:Change", "window:Change"}));
    EXPECT_FALSE(grandchild->isEnabled());
    EXPECT_TRUE(popup.isEnabled());
    EXPECT_FALSE(hostOf(*window).isEnabled());

    // Input to a disabled widget is dropped before any handler.
    log.clear();
    UIMouseEvent press(UIEventType::MousePress, 1, 1, {1, 1}, 0);
    EXPECT_FALSE(UIWidget::sendEvent(grandchild.get(), press));
    EXPECT_TRUE(log.empty());

    window->enable();
    EXPECT_TRUE(grandchild->isEnabled());
}

TEST_F(WidgetTest, CloseRefusedByAListenerKeepsTheWidget)
{
    auto window = makeWindow({100, 100});
    auto child = makeChild(*window, {0, 0, 50, 50}, "child");
    child->channel(UIWidget::Channel::Close).connect(child.get(), [](UIEvent& e) { e.ignore(); });
    child->close();
    processEvents();
    EXPECT_TRUE(child->isCreated());
    EXPECT_TRUE(child->isVisible());
    EXPECT_EQ(child->parent(), window.get());
}

TEST_F(WidgetTest, AcceptedCloseTearsDownAndNothingArrivesAfterwards)
{
    auto window = makeWindow({100, 100});
    auto child = makeChild(*window, {0, 0, 50, 50}, "child");
    child->setFocusPolicy(UIWidget::ClickFocus);
    child->setFocus();
    ASSERT_TRUE(child->hasFocus());
    log.clear();

    child->close();
    processEvents();
    EXPECT_EQ(only(log, {"Close", "Hide"}), (Log{"child:Close", "child:Hide"}));
    EXPECT_FALSE(child->isCreated());
    EXPECT_EQ(child->parent(), nullptr);
    EXPECT_TRUE(window->children().empty());
    EXPECT_EQ(UIManager::instance().focusWidget(), nullptr);

    log.clear();
    UIWidget::postEvent(child.get(), std::make_unique<UIEvent>(UIEventType::Show));
    UIEvent sent(UIEventType::Hide);
    EXPECT_FALSE(UIWidget::sendEvent(child.get(), sent));
    processEvents();
    EXPECT_TRUE(log.empty());
}

TEST_F(WidgetTest, AdoptedWidgetsAreDeletedAfterTheirCloseOthersOnlyForgotten)
{
    auto window = makeWindow({100, 100});
    UIWidget* adopted = UIManager::instance().adopt(std::make_unique<LoggingWidget>("adopted", log, window.get()));
    adopted->show();
    const UIWidgetGuard guard(adopted);
    adopted->close();
    processEvents();
    EXPECT_FALSE(guard);
    EXPECT_EQ(UIManager::instance().pendingDisposals(), 0u);

    // Owned by the test: closed, forgotten, deleted here (ASan watches).
    auto owned = makeChild(*window, {0, 0, 5, 5}, "owned");
    owned->close();
    processEvents();
    EXPECT_TRUE(UIWidgetGuard(owned.get()));
}

TEST_F(WidgetTest, TabWalksTheFocusChainAndKeyPreviewKeepsKeysFromTheChild)
{
    auto window = makeWindow({100, 100});
    std::vector<std::unique_ptr<LoggingWidget>> chain;
    for (const char* name : {"A", "B", "C"}) {
        chain.push_back(makeChild(*window, {0, 0, 10, 10}, name));
        chain.back()->setFocusPolicy(UIWidget::TabFocus);
        chain.back()->setTabIndex(1);
    }
    // No tab index: never in the chain.
    auto skipped = makeChild(*window, {0, 0, 10, 10}, "skipped");
    skipped->setFocusPolicy(UIWidget::TabFocus);

    std::vector<UIWidget*> order;
    chain[0]->setFocus();
    for (int i = 0; i < 3; ++i) {
        sendKey(*UIManager::instance().focusWidget(), UIEventType::KeyPress, UIWidget::kTabKey);
        order.push_back(UIManager::instance().focusWidget());
    }
    EXPECT_EQ(order, (std::vector<UIWidget*>{chain[1].get(), chain[2].get(), chain[0].get()}));
    sendKey(*chain[0], UIEventType::KeyPress, UIWidget::kTabKey, platform::ShiftModifier);
    EXPECT_TRUE(chain[2]->hasFocus());
    EXPECT_TRUE(only(log, {"KeyPress"}).empty()); // Tab never reaches a handler

    window->host()->setWindowType(WindowType::KeyPreview);
    window->channel(UIWidget::Channel::KeyPress).connect(window.get(), [](UIEvent& e) {
        if (e.as<UIKeyEvent>().key() == 'P')
            e.accept();
    });
    log.clear();
    for (uint32_t key : {uint32_t('P'), uint32_t('Q')}) {
        sendKey(*chain[2], UIEventType::KeyPress, key);
        sendKey(*chain[2], UIEventType::KeyRelease, key);
    }
    EXPECT_EQ(only(log, {"KeyPress", "KeyRelease"}),
              (Log{"window:KeyPress", "window:KeyRelease", "window:KeyPress", "C:KeyPress", "window:KeyRelease",
                   "C:KeyRelease"}));
}

TEST_F(WidgetTest, OverlappingSiblingsAgreeOnWhichIsOnTop)
{
    auto window = makeWindow({40, 40});
    auto below = makeChild(*window, {0, 0, 30, 30}, "below");
    auto above = makeChild(*window, {10, 10, 30, 30}, "above");
    below->color = 0xFF0000u;
    above->color = 0x0000FFu;
    window->update();

    const Point overlap{20, 20};
    EXPECT_EQ(UIWidget::childAt(*window, overlap), above.get());
    EXPECT_EQ(window->canvas().pixel(overlap.x, overlap.y) & 0xFFFFFFu, 0x0000FFu);
    // Repainting the lower one alone keeps the upper one on top.
    below->update();
    EXPECT_EQ(window->canvas().pixel(overlap.x, overlap.y) & 0xFFFFFFu, 0x0000FFu);
    EXPECT_EQ(window->canvas().pixel(5, 5) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(hostOf(*window).flushes.back(), (Rect{0, 0, 30, 30}));
    // A hidden top sibling gives way in both.
    above->hide();
    EXPECT_EQ(UIWidget::childAt(*window, overlap), below.get());
    EXPECT_EQ(window->canvas().pixel(overlap.x, overlap.y) & 0xFFFFFFu, 0xFF0000u);
}

TEST_F(WidgetTest, ChildPixelsAreClippedToTheParentAndTakeItsBackground)
{
    auto window = makeWindow({40, 40});
    window->color = 0x00FF00u;
    auto box = makeChild(*window, {10, 10, 10, 10}, "box");
    box->layout().setEnabled(false);
    auto inner = makeChild(*box, {5, 5, 20, 20}, "inner");
    inner->color = 0xFF0000u;
    window->update();
    EXPECT_EQ(window->canvas().pixel(17, 17) & 0xFFFFFFu, 0xFF0000u); // inside both
    EXPECT_EQ(window->canvas().pixel(25, 25) & 0xFFFFFFu, 0x00FF00u); // past the box's edge

    // ParentBackground: the parent's pixels under the child before it paints.
    inner->color.reset();
    box->color = 0x123456u;
    window->update();
    EXPECT_EQ(inner->paintBuffer().pixel(0, 0) & 0xFFFFFFu, 0x123456u);
}

TEST_F(WidgetTest, PaintListenersRunAfterEachFullPaint)
{
    struct Listener : UIPaintListener {
        explicit Listener(std::vector<Rect>& seen) : seen(seen) {}
        void windowPainted(const UIImage&, const Rect& windowRect) override { seen.push_back(windowRect); }
        std::vector<Rect>& seen;
    };
    auto window = makeWindow({30, 20});
    std::vector<Rect> seen;
    auto* listener = window->addPaintListener(std::make_unique<Listener>(seen));
    window->update();
    listener->setActive(false);
    window->update();
    EXPECT_EQ(seen, (std::vector<Rect>{{0, 0, 30, 20}}));
}

TEST_F(WidgetTest, ADestroyedWidgetLeavesNoRecordBehind)
{
    auto window = makeWindow({50, 50});
    UIManager& manager = UIManager::instance();
    alignas(LoggingWidget) unsigned char storage[sizeof(LoggingWidget)];
    auto* widget = new (storage) LoggingWidget("gone", log, window.get());
    widget->show();
    widget->setFocusPolicy(UIWidget::ClickFocus);
    widget->setFocus();
    manager.setGrabber(widget);
    manager.setMainWidget(widget);
    manager.showToolTip(*widget, u"tip", {});
    const UIWidgetGuard guard(widget);
    widget->~LoggingWidget();

    EXPECT_EQ(manager.focusWidget(), nullptr);
    EXPECT_EQ(manager.grabber(), nullptr);
    EXPECT_EQ(manager.mainWidget(), nullptr);
    EXPECT_EQ(manager.toolTipOwner(), nullptr);
    EXPECT_TRUE(window->children().empty());
    // A new widget at the same address is not the old one.
    auto* reborn = new (storage) LoggingWidget("reborn", log);
    EXPECT_TRUE(manager.isRegistered(reborn));
    EXPECT_FALSE(guard);
    reborn->~LoggingWidget();
}

TEST_F(WidgetTest, AParentDestroyedFirstDetachesItsChildren)
{
    auto parent = std::make_unique<UIWidget>();
    UIWidget child(parent.get());
    UIWidget grandchild(&child);
    ASSERT_EQ(grandchild.window(), parent.get());
    parent.reset();
    EXPECT_EQ(child.parent(), nullptr);
    EXPECT_EQ(grandchild.window(), &child);
}

TEST_F(WidgetTest, SignalsCallInOrderAndSurviveTheirReceiversAndOwners)
{
    struct Receiver : UISignalReceiver {
        explicit Receiver(Log& log, std::string name) : log(log), name(std::move(name)) {}
        void note(UIEvent&) { log.push_back(name); }
        Log& log;
        std::string name;
    };
    UISignal signal;
    Log calls;
    auto a = std::make_unique<Receiver>(calls, "a");
    Receiver b(calls, "b"), c(calls, "c");
    signal.connect(a.get(), &Receiver::note);
    signal.connect(&b, [&](UIEvent&) { calls.push_back("b"); });
    signal.connect(&c, &Receiver::note);
    UIEvent event(UIEventType::Show);
    signal.emit(event);
    EXPECT_EQ(calls, (Log{"a", "b", "c"}));

    // A deleted receiver is never called; duplicate binds a copy to another.
    calls.clear();
    a.reset();
    signal.duplicate(&c, &b);
    signal.emit(event);
    EXPECT_EQ(calls, (Log{"b", "c", "b"}));

    // A handler that disconnects a later connection and adds one mid-emit:
    // the removed one is not called, the added one only from the next emit.
    UISignal mid;
    calls.clear();
    mid.connect(&b, [&](UIEvent&) {
        mid.disconnectAll(&c);
        mid.connect(&b, [&](UIEvent&) { calls.push_back("late"); });
    });
    mid.connect(&c, [&](UIEvent&) { calls.push_back("c"); });
    mid.emit(event);
    EXPECT_EQ(calls, (Log{}));
    mid.emit(event);
    EXPECT_EQ(calls, (Log{"late"}));

    // A handler that deletes the widget owning the channel.
    auto widget = std::make_unique<UIWidget>();
    Log after;
    widget->channel(UIWidget::Channel::Click).connect(widget.get(), [&](UIEvent&) { widget.reset(); });
    widget->channel(UIWidget::Channel::Click).connect(&b, [&](UIEvent&) { after.push_back("after"); });
    UIMouseEvent click(UIEventType::Click, 0, 1, {}, 0);
    UIWidget::sendEvent(widget.get(), click);
    EXPECT_EQ(widget, nullptr);
    EXPECT_TRUE(after.empty());

    // The end-of-session channel passes a real event.
    UIWidget window;
    window.channel(UIWidget::Channel::EndSession).connect(&b, [](UIEvent& e) { e.ignore(); });
    EXPECT_FALSE(window.emitEndSession());
}

// --- The layout glue ---

namespace {

void makeRow(UIWidget& box, Log& log, std::vector<std::unique_ptr<LoggingWidget>>& children, bool expander)
{
    for (int i = 0; i < (expander ? 3 : 2); ++i) {
        std::string name = "c";
        name += std::to_string(i);
        auto child = std::make_unique<LoggingWidget>(name, log, &box);
        const bool isExpander = expander && i == 1;
        child->hint = isExpander ? Size{} : Size{60, 20};
        if (isExpander)
            child->layout().setPolicy(SizePolicy::Expanding, SizePolicy::Expanding);
        children.push_back(std::move(child));
    }
    for (auto& child : children)
        child->show();
}

} // namespace

TEST_F(WidgetTest, ARowOfWidgetsFollowsShowHideAndResize)
{
    auto window = makeWindow({300, 20}, true);
    std::vector<std::unique_ptr<LoggingWidget>> row;
    makeRow(*window, log, row, true);
    EXPECT_EQ(row[0]->geometry(), (Rect{0, 0, 60, 20}));
    EXPECT_EQ(row[1]->geometry(), (Rect{60, 0, 180, 20}));
    EXPECT_EQ(row[2]->x(), 240);

    // A hidden child leaves the grid: two fixed buttons share the row.
    row[1]->hide();
    EXPECT_EQ(row[2]->x(), 150);
    window->resize(400, 20);
    EXPECT_EQ(row[2]->x(), 200);
    row[1]->show();
    EXPECT_EQ(row[2]->x(), 340);
    EXPECT_EQ(WidgetLayout::layoutSizeHint(*window), (Size{120, 20}));
    // Nothing overlaps and everything lies inside the window.
    for (size_t i = 0; i < row.size(); ++i) {
        EXPECT_TRUE(window->rect().contains(row[i]->geometry()));
        if (i > 0) {
            EXPECT_LE(row[i - 1]->geometry().right(), row[i]->x());
        }
    }
}

TEST_F(WidgetTest, NestedResizeDoesNotSkipTheOuterLayout)
{
    // The first box's resize handler resizes an unrelated widget; the box
    // must still arrange its own children afterwards.
    auto window = makeWindow({200, 40}, false);
    UIWidget other(window.get());
    auto box = std::make_unique<LoggingWidget>("box", log, window.get());
    box->channel(UIWidget::Channel::Resize).connect(&other, [&](UIEvent& e) {
        other.resize(e.as<UIResizeEvent>().size().width / 2, 5);
    });
    std::vector<std::unique_ptr<LoggingWidget>> row;
    makeRow(*box, log, row, true);
    box->show();
    box->resize(200, 20);
    EXPECT_EQ(other.width(), 100);
    EXPECT_EQ(row[2]->x(), 140);
    EXPECT_EQ(UIManager::instance().resizeInProgress(), nullptr);
}

TEST_F(WidgetTest, AWindowDirtiedByALayoutPassIsRepaintedOnceAfterIt)
{
    auto window = makeWindow({300, 20}, true);
    std::vector<std::unique_ptr<LoggingWidget>> row;
    makeRow(*window, log, row, true);
    auto& flushes = hostOf(*window).flushes;
    flushes.clear();
    window->resize(320, 20);
    EXPECT_FALSE(window->testFlag(Flag::Dirty));
    EXPECT_EQ(flushes, (std::vector<Rect>{{0, 0, 320, 20}}));
    // The children kept their DirectPaint through the pass.
    for (auto& child : row)
        EXPECT_TRUE(child->testFlag(Flag::DirectPaint));
}
