// The native window host, driven by the messages a real window receives:
// natively on the headless window manager, and under Wine on real windows
// (the same file is part of both builds' uicore tests).
#include "app/Application.h"
#include "app/EventDispatcher.h"
#include "app/EventReceiver.h"
#include "platform/HandleCounts.h"
#include "platform/MessageLoop.h"
#include "platform/NativeWindow.h"
#include "tests/toolkit-demo/EventText.h"
#include "ui/core/UILayout.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"
#include "ui/core/WidgetLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::messageNumber;
using platform::WindowMessageId;

constexpr uintptr_t kKeyA = 'A';
constexpr uintptr_t kKeyF4 = 0x73;
constexpr uintptr_t kKeyDeadAcute = 0xDE;
constexpr intptr_t kAltContext = intptr_t(1) << 29;
constexpr intptr_t kPreviouslyDown = intptr_t(1) << 30;
constexpr intptr_t kKeyUpBits = intptr_t(1) << 30 | intptr_t(1) << 31;

Application& application() { return *Application::instance(); }

intptr_t pointParameter(Point p) { return intptr_t((uint32_t(uint16_t(p.y)) << 16) | uint16_t(p.x)); }

void post(UIWidget& window, WindowMessageId id, uintptr_t wParam = 0, intptr_t lParam = 0)
{
    auto* host = dynamic_cast<UINativeWindow*>(window.host());
    ASSERT_TRUE(host);
    ASSERT_TRUE(platform::postMessage(host->handle(), messageNumber(id), wParam, lParam));
    platform::dispatchPendingMessages();
}

UINativeWindow& hostOf(UIWidget& window) { return *dynamic_cast<UINativeWindow*>(window.host()); }

// Records what reaches a widget's channels, one line per event.
class EventLog {
public:
    explicit EventLog(UIWidget& widget)
    {
        using Channel = UIWidget::Channel;
        for (Channel channel :
             {Channel::Resize, Channel::Move, Channel::Close, Channel::Change, Channel::MousePress,
              Channel::MouseRelease, Channel::Click, Channel::Wheel, Channel::KeyPress, Channel::KeyRelease})
            widget.channel(channel).connect([this](UIEvent& event) { lines.push_back(eventText(event)); });
    }
    std::vector<std::string> take() { return std::exchange(lines, {}); }
    std::vector<std::string> lines;
};

// A child that asks its layout for a fixed size.
class FixedWidget : public UIWidget {
public:
    FixedWidget(UIWidget* parent, Size hint) : UIWidget(parent), m_hint(hint) { create(u"FixedWidget"); }
    Size sizeHint() const override { return m_hint; }

private:
    Size m_hint;
};

// Steps run one per turn of the event loop, so a test can act inside the
// nested loop of a modal window it is about to show.
class Script : public EventReceiver {
public:
    void then(std::function<void()> step) { m_steps.push_back(std::move(step)); }
    void start() { EventDispatcher::instance()->postEvent(this, std::make_unique<Event>(1)); }
    bool handleEvent(Event&) override
    {
        if (m_steps.empty())
            return true;
        auto step = std::move(m_steps.front());
        m_steps.pop_front();
        // The next step is queued first: this one may block in a loop.
        if (!m_steps.empty())
            start();
        step();
        return true;
    }

private:
    std::deque<std::function<void()>> m_steps;
};

// A top-level widget created with its window type. Plain popups unless a
// test needs a frame: Wine without a window manager waits two seconds for
// each framed window it takes off the screen.
std::unique_ptr<UIWidget> topLevel(uint32_t type = WindowType::Popup, UIWidget* parent = nullptr)
{
    auto window = std::make_unique<UIWidget>(parent);
    window->setFlag(UIWidget::Flag::Window, true);
    hostOf(*window).setWindowType(type);
    window->create(u"UIWindow");
    return window;
}

class NativeWindowHost : public ::testing::Test {
protected:
    // Each test has its own application (and so its own event service).
    void SetUp() override
    {
        m_application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
        ASSERT_EQ(Application::instance(), m_application.get());
        UINativeWindow::install();
    }
    void TearDown() override
    {
        platform::dispatchPendingMessages();
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }

    // A visible window of the given client size.
    static void showSized(UIWidget& window, Size size)
    {
        window.resize(size.width, size.height);
        window.setVisible(true);
        platform::dispatchPendingMessages();
    }

private:
    std::unique_ptr<Application> m_application;
};

TEST_F(NativeWindowHost, ClassNamesShareThePrefixAndCountUp)
{
    static const uint8_t kCheck[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(UINativeWindow::crc32(kCheck, sizeof kCheck), 0xCBF43926u);

    UIWindow first;
    UIWindow second;
    const String prefix = UINativeWindow::classPrefix(application().executablePath());
    const String a = hostOf(first).className();
    const String b = hostOf(second).className();
    ASSERT_EQ(a.substr(0, prefix.size()), prefix);
    ASSERT_EQ(b.substr(0, prefix.size()), prefix);
    EXPECT_EQ(std::stoi(toUtf8(b.substr(prefix.size()))), std::stoi(toUtf8(a.substr(prefix.size()))) + 1);
    EXPECT_TRUE(platform::NativeWindow::isClassRegistered(a));
}

TEST_F(NativeWindowHost, WindowTypesGiveTheirStylesAtCreationAndLater)
{
    using namespace platform;
    struct Case {
        uint32_t type;
        uint32_t present;
        uint32_t absent;
        uint32_t exPresent;
        bool icons;
    };
    const Case cases[] = {
        {0x1E0,
         WindowStyleCaption | WindowStyleThickFrame | WindowStyleMinimizeBox | WindowStyleMaximizeBox
             | WindowStyleSystemMenu | WindowStyleClipChildren | WindowStyleClipSiblings,
         WindowStylePopup, 0, true},
        {0x200, WindowStylePopup | WindowStyleClipChildren, WindowStyleCaption | WindowStyleThickFrame, 0, false},
        {0x10, WindowStyleCaption, WindowStyleSystemMenu | WindowStyleThickFrame | WindowStylePopup,
         WindowExStyleTopMost, true},
        // A tooltip's popup: no click may activate it either.
        {0x218, WindowStylePopup, WindowStyleCaption, WindowExStyleTopMost | WindowExStyleNoActivate, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        UIWidget created;
        created.setFlag(UIWidget::Flag::Window, true);
        hostOf(created).setWindowType(c.type);
        created.create(u"UIWindow");
        UIWindow changed;
        hostOf(changed).setWindowType(c.type);
        for (UIWidget* window : {&created, static_cast<UIWidget*>(&changed)}) {
            NativeWindow& native = hostOf(*window).nativeWindow();
            EXPECT_EQ(native.style() & c.present, c.present);
            EXPECT_EQ(native.style() & c.absent, 0u);
            EXPECT_EQ(native.exStyle() & (WindowExStyleTopMost | WindowExStyleNoActivate), c.exPresent);
        }
        if (application().package(u"data")) {
            EXPECT_EQ(hostOf(created).nativeWindow().hasIcons(), c.icons);
        }
    }
}

TEST_F(NativeWindowHost, OpacityMakesTheWindowLayered)
{
    UIWindow window;
    UINativeWindow& host = hostOf(window);
    const auto layered = [&] { return (host.nativeWindow().exStyle() & platform::WindowExStyleLayered) != 0; };
    const struct {
        float opacity;
        float stored;
        uint8_t alpha;
        bool layered;
    } steps[] = {{0.5f, 0.5f, 128, true}, {1.0f, 1.0f, 255, false}, {-3.0f, 0.0f, 0, true}, {NAN, 1.0f, 255, false}};
    for (const auto& step : steps) {
        host.setOpacity(step.opacity);
        EXPECT_EQ(host.opacity(), step.stored);
        EXPECT_EQ(host.layeredAlpha(), step.alpha);
        EXPECT_EQ(layered(), step.layered);
    }
}

TEST_F(NativeWindowHost, TitleEndsWithTheApplicationName)
{
    UIWindow window;
    EXPECT_EQ(hostOf(window).title(), u"Morvellan Tintscope");
    window.setWindowTitle(u"Options");
    EXPECT_EQ(hostOf(window).title(), u"Options \u2013 Morvellan Tintscope");
    window.setWindowTitle(u"");
    EXPECT_EQ(hostOf(window).title(), u"Morvellan Tintscope");
}

TEST_F(NativeWindowHost, NativeResizeGivesTheClientSizeOnce)
{
    const auto owned = topLevel(WindowType::SystemMenu);
    UIWidget& window = *owned;
    showSized(window, {150, 100});
    EventLog log(window);
    platform::NativeWindow& native = hostOf(window).nativeWindow();
    native.resizeTo({300, 200});
    const Size client = native.clientSize();
    const Margins frame = native.frameMargins();
    EXPECT_EQ(client, (Size{300 - frame.left - frame.right, 200 - frame.top - frame.bottom}));
    EXPECT_EQ(window.size(), client);
    EXPECT_EQ(log.take(), std::vector<std::string>{eventText(UIResizeEvent(client, {}))});
    native.resizeTo({300, 200});
    EXPECT_TRUE(log.take().empty());

    // Widget sizes are client sizes: the host adds the frame.
    window.resize(120, 90);
    EXPECT_EQ(native.clientSize(), (Size{120, 90}));
    // The minimum is a client size too; a framed window is not clamped below it.
    ASSERT_GT(frame.top + frame.bottom, 0);
    // (Wider than the system's own minimum for a captioned window.)
    window.setMinimumSize({240, 80});
    window.resize(10, 10);
    EXPECT_EQ(window.size(), (Size{240, 80}));
    EXPECT_EQ(native.clientSize(), (Size{240, 80}));
}

TEST_F(NativeWindowHost, MinimumTrackingSizeIsTheLayoutHintPlusTheFrame)
{
    UIWindow window;
    FixedWidget child(&window, {200, 100});
    child.setVisible(true);
    UINativeWindow& host = hostOf(window);
    host.setWindowType(0x1E0);
    const Size hint = WidgetLayout::layoutSizeHint(window);
    ASSERT_GE(hint.width, 200);
    ASSERT_GE(hint.height, 100);
    const Margins frame = host.frameMargins();
    EXPECT_EQ(host.nativeWindow().queryMinimumTrackingSize(),
              (Size{hint.width + frame.left + frame.right, hint.height + frame.top + frame.bottom}));
}

TEST_F(NativeWindowHost, KeysBecomePressAndReleaseWithAutoRepeatPairs)
{
    const auto owned = topLevel();
    UIWidget& window = *owned;
    showSized(window, {100, 80});
    EventLog log(window);
    const NativeHandle handle = hostOf(window).handle();
    // A key message as the loop hands it over: the character that the
    // keyboard translation queued for it (if any) already waits behind it.
    const auto key = [&](WindowMessageId id, uintptr_t code, intptr_t lParam, uintptr_t queued = 0,
                         WindowMessageId queuedId = WindowMessageId::Character) {
        if (queued)
            platform::postMessage(handle, messageNumber(queuedId), queued, lParam);
        platform::sendMessage(handle, messageNumber(id), code, lParam);
        platform::dispatchPendingMessages();
    };
    key(WindowMessageId::KeyDown, kKeyA, 1, 'a');
    key(WindowMessageId::KeyDown, kKeyA, 1 | kPreviouslyDown, 'a');
    key(WindowMessageId::KeyUp, kKeyA, 1 | kKeyUpBits);
    EXPECT_EQ(log.take(),
              (std::vector<std::string>{
                  "KeyPress key=65 text=a repeat=0 modifiers=0",
                  "KeyRelease key=65 text=a repeat=1 modifiers=0",
                  "KeyPress key=65 text=a repeat=1 modifiers=0",
                  "KeyRelease key=65 text=a repeat=0 modifiers=0",
              }));

    // Alt+F4 is the system's: no key event, but a close request.
    window.channel(UIWidget::Channel::Close).connect([](UIEvent& event) { event.ignore(); });
    key(WindowMessageId::SystemKeyDown, kKeyF4, 1 | kAltContext);
    EXPECT_EQ(log.take(), std::vector<std::string>{"Close accepted=1"});
    EXPECT_TRUE(window.isCreated());

    // A dead key reaches the widget only as the character it composes.
    key(WindowMessageId::KeyDown, kKeyDeadAcute, 1, 0xB4, WindowMessageId::DeadCharacter);
    EXPECT_TRUE(log.take().empty());
    key(WindowMessageId::Character, 0xE9, 1);
    EXPECT_EQ(log.take(),
              (std::vector<std::string>{"KeyPress key=0 text=\xC3\xA9 repeat=0 modifiers=0",
                                        "KeyRelease key=0 text=\xC3\xA9 repeat=0 modifiers=0"}));
}

TEST_F(NativeWindowHost, MinimizingPostsOneStateChangeAndMinimizes)
{
    const auto owned = topLevel(WindowType::SystemMenu);
    UIWidget& window = *owned;
    showSized(window, {100, 80});
    EventLog log(window);
    post(window, WindowMessageId::SystemCommand, uintptr_t(platform::SystemCommand::Minimize));
    EXPECT_EQ(log.take(), std::vector<std::string>{"WindowStateChange"});
    EXPECT_TRUE(hostOf(window).windowState() & WindowState::Minimized);
}

TEST_F(NativeWindowHost, ShowRequestShowsAndRaisesAHiddenWindow)
{
    const auto owned = topLevel();
    UIWidget& window = *owned;
    window.resize(100, 80);
    ASSERT_FALSE(hostOf(window).isVisible());
    platform::sendMessage(hostOf(window).handle(), messageNumber(WindowMessageId::ShowRequest), 0, 0);
    platform::dispatchPendingMessages();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(hostOf(window).windowState(), uint32_t(WindowState::Foreground));
}

TEST_F(NativeWindowHost, WheelReachesTheChildUnderThePointerInItsCoordinates)
{
    const auto owned = topLevel();
    UIWidget& window = *owned;
    window.layout().setEnabled(false);
    UIWidget child(&window);
    child.create(u"Child");
    child.setGeometry({50, 40, 100, 80});
    child.setVisible(true);
    showSized(window, {200, 150});
    EventLog log(child);
    const Point origin = hostOf(window).nativeWindow().clientOrigin();
    post(window, WindowMessageId::Wheel, uintptr_t(uint16_t(-120)) << 16,
         pointParameter({origin.x + 60, origin.y + 50}));
    EXPECT_EQ(log.take(), std::vector<std::string>{"Wheel x=10 y=10 delta=-120 direction=3"});
}

TEST_F(NativeWindowHost, ModalWindowDisablesExactlyTheOthersAndNestsInOrder)
{
    const auto windowA = topLevel();
    const auto windowB = topLevel();
    const auto windowC = topLevel();
    const auto windowD = topLevel(WindowType::Popup, windowC.get());
    const auto windowE = topLevel();
    UIWidget &a = *windowA, &b = *windowB, &c = *windowC, &d = *windowD, &e = *windowE;
    showSized(a, {100, 80});
    showSized(b, {100, 80});
    b.disable(); // a window disabled before stays disabled afterwards
    c.resize(120, 90);
    d.resize(60, 40);
    e.resize(60, 40);
    hostOf(c).setModality(Modality::Application);
    hostOf(e).setModality(Modality::Application);
    const auto enabled = [](UIWidget& w) { return hostOf(w).isEnabled(); };

    Script script;
    std::vector<std::string> seen;
    script.then([&] { d.setVisible(true); });
    script.then([&] {
        EXPECT_FALSE(enabled(a));
        EXPECT_FALSE(enabled(b));
        EXPECT_TRUE(enabled(d));
        e.setVisible(true); // nested: returns when e closes
        seen.push_back("e returned");
        EXPECT_TRUE(enabled(c));
        EXPECT_FALSE(enabled(a));
    });
    script.then([&] {
        EXPECT_FALSE(enabled(c));
        EXPECT_EQ(hostOf(a).modalDisableCount(), 2);
        e.close();
    });
    script.then([&] { c.close(); });
    script.start();
    c.setVisible(true);
    seen.push_back("c returned");

    EXPECT_EQ(seen, (std::vector<std::string>{"e returned", "c returned"}));
    EXPECT_TRUE(enabled(a));
    EXPECT_FALSE(enabled(b));
    EXPECT_EQ(hostOf(a).modalDisableCount(), 0);
}

TEST_F(NativeWindowHost, TwentyWindowsLeaveNoHandleOrClassBehind)
{
    constexpr std::array kinds = {platform::HandleKind::Window, platform::HandleKind::WindowClass,
                                  platform::HandleKind::Icon, platform::HandleKind::DeviceContext,
                                  platform::HandleKind::Bitmap};
    std::array<int64_t, kinds.size()> before{};
    for (size_t i = 0; i < kinds.size(); ++i)
        before[i] = platform::liveHandleCount(kinds[i]);
    std::vector<String> classes;
    for (int i = 0; i < 20; ++i) {
        const auto owned = topLevel();
        UIWidget& window = *owned;
        window.resize(40 + i, 30);
        // Under Wine each window taken off the screen costs two seconds.
        if (i % 10 == 0) {
            window.setVisible(true);
            window.update();
        }
        classes.push_back(hostOf(window).className());
        EXPECT_EQ(platform::liveHandleCount(platform::HandleKind::Window), before[0] + 1);
    }
    platform::dispatchPendingMessages();
    for (size_t i = 0; i < kinds.size(); ++i)
        EXPECT_EQ(platform::liveHandleCount(kinds[i]), before[i]) << int(kinds[i]);
    for (const String& name : classes)
        EXPECT_FALSE(platform::NativeWindow::isClassRegistered(name));
}

TEST_F(NativeWindowHost, TopLevelWindowCountFollowsItsFilterBits)
{
    UIManager& manager = UIManager::instance();
    const int32_t before[] = {manager.countTopLevelWindows(0), manager.countTopLevelWindows(UIManager::VisibleOnly)};
    const auto styled = [](StringView style) {
        auto widget = std::make_unique<UIWidget>();
        widget->setFlag(UIWidget::Flag::Window, true);
        widget->create(style);
        return widget;
    };
    const auto shown = topLevel();
    showSized(*shown, {50, 40});
    const auto menu = styled(u"UIMenu");
    const auto tip = styled(u"UIToolTip");
    const auto balloon = styled(u"UIBalloonTip");
    UIWidget child(shown.get()); // not a window
    manager.addOtherTopLevels(2);
    const struct {
        uint32_t filter;
        int32_t added;
    } cases[] = {
        {0, 4},
        {UIManager::SkipMenus, 3},
        {UIManager::SkipMenus | UIManager::SkipToolTips | UIManager::SkipBalloonTips, 1},
        {UIManager::AddOtherTopLevels, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(manager.countTopLevelWindows(c.filter), before[0] + c.added) << c.filter;
    EXPECT_EQ(manager.countTopLevelWindows(UIManager::VisibleOnly), before[1] + 1);
    manager.addOtherTopLevels(-2);
}

// Paints itself in one colour.
class FillWidget : public UIWidget {
public:
    FillWidget(UIWidget* parent, uint32_t color) : UIWidget(parent), color(color) { create(u"FillWidget"); }
    uint32_t color;

protected:
    void paintEvent(UIPaintEvent&) override { paintBuffer().fillRect(rect(), color); }
};

} // namespace

TEST_F(NativeWindowHost, FlushesPutTheCanvasOnTheScreenInPlace)
{
    constexpr uint32_t kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu, kGreen = 0xFF00FF00u, kWhite = 0xFFFFFFFFu;
    const auto owned = topLevel();
    UIWidget& window = *owned;
    window.layout().setEnabled(false);
    FillWidget high(&window, kRed);
    high.setGeometry({10, 10, 61, 41});
    high.setVisible(true);
    FillWidget low(&window, kBlue);
    low.setGeometry({100, 90, 51, 60}); // down to the last row
    low.setVisible(true);
    showSized(window, {203, 150});
    platform::NativeWindow& native = hostOf(window).nativeWindow();
    ASSERT_EQ(window.size(), (Size{203, 150}));

    struct Probe {
        Point at;
        uint32_t afterUpdate;
        uint32_t afterChildUpdate; // `high` turned green and repainted alone
    };
    // Corners of both children and the window: a row counted from the wrong
    // end or a shifted rectangle shows at one of them.
    const Probe probes[] = {
        {{10, 10}, kRed, kGreen},     {{70, 50}, kRed, kGreen},     {{71, 50}, kWhite, kWhite},
        {{70, 51}, kWhite, kWhite},   {{9, 10}, kWhite, kWhite},    {{100, 90}, kBlue, kBlue},
        {{150, 149}, kBlue, kBlue},   {{151, 149}, kWhite, kWhite}, {{0, 0}, kWhite, kWhite},
        {{202, 149}, kWhite, kWhite},
    };
    window.update();
    for (const Probe& p : probes)
        EXPECT_EQ(native.presentedPixel(p.at), p.afterUpdate) << p.at.x << "," << p.at.y;

    high.color = kGreen;
    high.update();
    for (const Probe& p : probes)
        EXPECT_EQ(native.presentedPixel(p.at), p.afterChildUpdate) << p.at.x << "," << p.at.y;
}

// The start-up benchmark stops its clock at this signal: it must come once,
// with the painted pixels already on the screen.
TEST_F(NativeWindowHost, FirstPaintHandlerRunsOnceWithThePixelsPresented)
{
    constexpr uint32_t kRed = 0xFFFF0000u;
    const auto owned = topLevel();
    UIWidget& window = *owned;
    window.layout().setEnabled(false);
    FillWidget child(&window, kRed);
    child.setGeometry({0, 0, 20, 20});
    child.setVisible(true);
    showSized(window, {40, 30});
    platform::NativeWindow& native = hostOf(window).nativeWindow();

    std::vector<std::optional<uint32_t>> seen;
    UINativeWindow::setFirstPaintHandler([&] { seen.push_back(native.presentedPixel({5, 5})); });
    for (int paint = 0; paint < 2; ++paint) {
        hostOf(window).invalidate();
        platform::dispatchPendingMessages();
    }
    UINativeWindow::setFirstPaintHandler(nullptr);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], kRed);
}
