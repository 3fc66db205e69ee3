// The size grip dragged through the mouse routing of a headless window:
// jitter below the threshold is ignored, the rest resizes the window so
// that the grab point stays under the pointer; a maximised window makes
// the grip inert.
#include "app/Application.h"
#include "platform/MessageLoop.h"
#include "platform/NativeWindow.h"
#include "platform/headless/HeadlessInput.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UICursorTable.h"
#include "ui/core/UIMouseRouter.h"
#include "ui/core/UINativeWindow.h"
#include "ui/widgets/UISizeGrip.h"

using namespace widgettest;

namespace {

constexpr uint32_t kLeft = platform::LeftButton;
constexpr Size kWindowSize{200, 150};
constexpr Rect kGripRect{188, 138, 12, 12};

class SizeGripTest : public WidgetTest {
protected:
    SizeGripTest()
    {
        platform::headless::resetInput();
        window = makeWindow(kWindowSize);
        grip = std::make_unique<UISizeGrip>(window.get());
        grip->setGeometry(kGripRect);
        grip->show();
        router = std::make_unique<UIMouseRouter>(*window);
    }
    void press(Point p)
    {
        router->press(p, kLeft, kLeft, 0);
        processEvents();
    }
    void moveTo(Point p, uint32_t buttons = kLeft)
    {
        router->move(p, buttons, 0);
        processEvents();
    }
    void release(Point p)
    {
        router->release(p, kLeft, 0, 0);
        processEvents();
    }

    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<UISizeGrip> grip;
    std::unique_ptr<UIMouseRouter> router;
};

} // namespace

TEST_F(SizeGripTest, IgnoresJitterAndResizesByTheRest)
{
    // Grabbed 6 px left of and above the grip's bottom-right corner, which
    // is the window's: the window's corner keeps 6 px from the pointer.
    const Point grab{194, 144};
    struct Step {
        const char* name;
        Point pointer;
        uint32_t buttons;
        Size expected;
    };
    const Step steps[] = {
        {"1 px both ways is jitter", {195, 145}, kLeft, kWindowSize},
        {"2 px across resizes", {196, 145}, kLeft, {202, 151}},
        {"1 px from the last recorded point is jitter again", {197, 146}, kLeft, {202, 151}},
        {"a drag of +50,+30", {244, 174}, kLeft, {250, 180}},
        {"a negative width keeps the width", {-20, 200}, kLeft, {250, 206}},
        {"a move without the left button does nothing", {300, 250}, 0, {250, 206}},
        {"shrinking", {150, 100}, kLeft, {156, 106}},
    };
    press(grab);
    EXPECT_TRUE(grip->isDragging());
    for (const Step& step : steps) {
        moveTo(step.pointer, step.buttons);
        EXPECT_EQ(window->size(), step.expected) << step.name;
    }
    release({150, 100});
    EXPECT_FALSE(grip->isDragging());
    moveTo({100, 80});
    EXPECT_EQ(window->size(), (Size{156, 106})) << "after the release";
}

TEST_F(SizeGripTest, SizeHintIsAtLeastTenPixels)
{
    const std::pair<const char16_t*, Size> cases[] = {
        {u"4,30", {10, 30}}, {u"12,12", {12, 12}}, {u"0,0", {10, 10}}, {u"-5,20", {10, 20}}};
    for (const auto& [value, expected] : cases) {
        grip->setStyleProperty(u"size", value);
        EXPECT_EQ(grip->sizeHint(), expected) << toUtf8(value);
    }
}

namespace {

// A grip in a window with a native window of the headless window manager,
// whose state can be changed by system commands.
class SizeGripWindowStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
        UINativeWindow::install();
        window = std::make_unique<LoggingWidget>("window", log, nullptr, true);
        window->layout().setEnabled(false);
        window->color = 0xFF000000u;
        static_cast<UINativeWindow*>(window->host())->setWindowType(WindowType::SystemMenu | WindowType::MaximizeBox);
        window->resize(kWindowSize.width, kWindowSize.height);
        window->show();
        grip = std::make_unique<UISizeGrip>(window.get());
        grip->setSkin(u"UISizeGrip_Background",
                      UISkin::create(skinImage(), {SkinOrientation::Horizontal, 1, 2, 2, {}, {}}));
        grip->setGeometry(kGripRect);
        grip->show();
        platform::dispatchPendingMessages();
    }
    void TearDown() override
    {
        grip.reset();
        window.reset();
        platform::dispatchPendingMessages();
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }
    static UIImage skinImage()
    {
        UIImage image(2, 2, false);
        image.fill(kSkinColor);
        return image;
    }
    void systemCommand(platform::SystemCommand command)
    {
        auto* host = static_cast<UINativeWindow*>(window->host());
        platform::postMessage(host->handle(), platform::messageNumber(platform::WindowMessageId::SystemCommand),
                              uintptr_t(command), 0);
        platform::dispatchPendingMessages();
        window->update();
    }
    uint32_t gripPixel() const { return grip->paintBuffer().pixel(5, 5) & 0xFFFFFFu; }

    static constexpr uint32_t kSkinColor = 0xFF00FF00u;
    Log log;
    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<UISizeGrip> grip;

private:
    std::unique_ptr<Application> m_application;
};

} // namespace

TEST_F(SizeGripWindowStateTest, MaximisedWindowMakesTheGripInert)
{
    struct Step {
        platform::SystemCommand command;
        bool hidden;
    };
    const Step steps[] = {
        {platform::SystemCommand::Maximize, true},
        {platform::SystemCommand::Restore, false},
        {platform::SystemCommand::Minimize, true},
        {platform::SystemCommand::Restore, false},
    };
    for (const Step& step : steps) {
        systemCommand(step.command);
        const int name = static_cast<int>(step.command);
        EXPECT_EQ(grip->isHiddenByWindowState(), step.hidden) << name;
        EXPECT_EQ(grip->cursorAt({5, 5}), int32_t(step.hidden ? CursorId::Arrow : CursorId::SizeNorthWestSouthEast))
            << name;
        if (!step.hidden) {
            EXPECT_EQ(gripPixel(), kSkinColor & 0xFFFFFFu) << name;
        }
    }
    systemCommand(platform::SystemCommand::Maximize);
    EXPECT_EQ(gripPixel(), 0u) << "a maximised window shows its background where the grip is";
}
