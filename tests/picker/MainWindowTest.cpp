// The main window on the headless platform: colour refresh and tint, copy,
// stored format, always on top, geometry and the exit path, the deferred
// notification icon, and the magnifier's keyboard use. The screen's pixels
// encode their own position.
#ifndef _WIN32

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/SettingsSchema.h"
#include "picker/ColorFormat.h"
#include "picker/ColorIndicator.h"
#include "picker/ColorOperations.h"
#include "picker/MainWindow.h"
#include "picker/PickerModel.h"
#include "platform/InputState.h"
#include "platform/headless/HeadlessClipboard.h"
#include "platform/headless/HeadlessInput.h"
#include "platform/headless/HeadlessNotificationArea.h"
#include "platform/headless/HeadlessScreen.h"
#include "tests/app/ScratchFolder.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UIClipboard.h"
#include "ui/core/UIWindowHost.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UIComboBox.h"
#include "ui/widgets/UILabel.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using widgettest::WidgetTest;

uint32_t screenColour(int32_t x, int32_t y) { return 0xFF000000u | uint32_t(x & 0xFFF) << 12 | uint32_t(y & 0xFFF); }

constexpr Rect kWorkArea{0, 0, 1920, 1040};

class MainWindowTest : public WidgetTest {
protected:
    MainWindowTest()
    {
        settings.applySchema(defaultSettingsSchema());
        platform::headless::setScreenPixels(screenColour);
        platform::headless::resetClipboard();
        platform::headless::resetInput();
    }
    ~MainWindowTest() override
    {
        window.reset();
        platform::headless::resetScreenPixels();
        platform::headless::resetMonitors();
        platform::headless::resetInput();
    }
    MainWindow& build()
    {
        window.reset();
        window = std::make_unique<MainWindow>(settings, model);
        window->restoreGeometry();
        window->show();
        return *window;
    }
    // Live capture around a screen point, then a pick in the middle of it.
    void pickAround(Point screen)
    {
        model.captureAt({screen.x - 20, screen.y - 15, 40, 30});
        model.pick({20, 15});
    }
    void send(UIWidget& target, UIEventType type, uint32_t button = platform::LeftButton)
    {
        UIMouseEvent event(type, 0, button, {2, 2}, 0);
        UIWidget::sendEvent(&target, event);
    }
    String clipboard() { return platform::headless::clipboardChangeCount() ? clipboardText(nullptr) : String(); }
    Settings reread() const { return Settings(String(SettingsKeys::kFileName), u"Tintscope test", scratch.path()); }

    ScratchFolder scratch;
    Settings settings{String(SettingsKeys::kFileName), u"Tintscope test", scratch.path()};
    PickerModel model{&settings};
    std::unique_ptr<MainWindow> window;
};

TEST(IndicatorTint, DarkColoursGetTheLightFrameUpToASumOf350)
{
    struct Case {
        Color color;
        bool light;
    };
    const Case cases[] = {
        {Color::fromRgb(0, 0, 0), true},
        {Color::fromRgb(100, 100, 150), true},  // 350
        {Color::fromRgb(100, 100, 151), false}, // 351
        {Color::fromRgb(255, 255, 255), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(indicatorTint(c.color), c.light ? lighten(c.color, 0.6) : darken(c.color, 0.3))
            << int(c.color.r) + c.color.g + c.color.b;

    UIImage shape(2, 1, true);
    shape.setPixel(0, 0, 0x80123456u);
    shape.setPixel(1, 0, 0x00FFFFFFu);
    const UIImage tinted = tintedShape(shape, Color::fromValue(0xFFA0B0C0u));
    EXPECT_EQ(tinted.pixel(0, 0), 0x80A0B0C0u);
    EXPECT_EQ(tinted.pixel(1, 0), 0x00A0B0C0u);
}

TEST_F(MainWindowTest, BeforeAPickTheIndicatorIsInertAndCopiesNothing)
{
    MainWindow& w = build();
    ColorIndicator& indicator = w.colorIndicator();
    EXPECT_EQ(indicator.colorLayer().image.pixel(0, 0), 0u);
    send(indicator, UIEventType::Enter);
    send(indicator, UIEventType::MousePress);
    EXPECT_FALSE(indicator.copyFrameLayer().visible);
    EXPECT_FALSE(indicator.pressedFrameLayer().visible);
    send(indicator, UIEventType::Click);
    EXPECT_EQ(platform::headless::clipboardChangeCount(), 0u);
}

TEST_F(MainWindowTest, APickFillsTheIndicatorAndTheClickCopiesTheTrimmedTextOfEveryFormat)
{
    MainWindow& w = build();
    pickAround({300, 400});
    const Color picked = Color::fromValue(screenColour(300, 400));
    ColorIndicator& indicator = w.colorIndicator();
    EXPECT_EQ(indicator.colorLayer().image.pixel(26, 26), picked.value());
    const uint32_t tint = indicatorTint(picked).value() & 0x00FFFFFFu;
    const UIImage& frame = indicator.copyFrameLayer().image;
    for (int32_t x = 0; x < frame.width(); ++x)
        ASSERT_EQ(frame.pixel(x, 0) & 0x00FFFFFFu, tint);

    // Hovered: the copy frame; pressed: the pressed frame; released while
    // still hovered: the copy frame again.
    send(indicator, UIEventType::MouseMove, 0);
    ASSERT_TRUE(indicator.testFlag(UIWidget::Flag::Hovered));
    send(indicator, UIEventType::Enter);
    EXPECT_TRUE(indicator.copyFrameLayer().visible);
    send(indicator, UIEventType::MousePress);
    EXPECT_TRUE(indicator.pressedFrameLayer().visible);
    EXPECT_FALSE(indicator.copyFrameLayer().visible);
    send(indicator, UIEventType::MouseRelease);
    EXPECT_FALSE(indicator.pressedFrameLayer().visible);
    EXPECT_TRUE(indicator.copyFrameLayer().visible);

    for (int32_t format = 0; format < kColorFormatCount; ++format) {
        w.formatCombo().setCurrentIndex(format);
        send(indicator, UIEventType::Click);
        EXPECT_EQ(clipboard(), trimmed(formatColor(picked, format))) << format;
        EXPECT_EQ(w.colorLabel().text(), formatColor(picked, format));
    }
    w.formatCombo().setCurrentIndex(int32_t(ColorFormat::Rgb));
    platform::headless::setScreenPixels([](int32_t, int32_t) { return 0xFF123456u; });
    pickAround({10, 10});
    ASSERT_TRUE(w.copyColor());
    EXPECT_EQ(clipboard(), u"18, 52, 86");
}

TEST_F(MainWindowTest, TheFormatIsStoredAtOnceAndAStoredFormatOutOfRangeReadsAsBgr)
{
    pickAround({18, 52});
    const Color picked = model.color();
    struct Case {
        int32_t stored, shown;
    };
    for (const Case& c : {Case{7, 7}, Case{12, 2}, Case{-1, 2}, Case{0, 0}}) {
        settings.set(SettingsKeys::kColorFormat, Variant(c.stored));
        build();
        EXPECT_EQ(window->formatCombo().currentIndex(), c.shown) << c.stored;
        EXPECT_EQ(model.formatIndex(), c.shown);
        EXPECT_EQ(window->colorLabel().text(), formatColor(picked, c.shown));
        // Filling the combo box stores nothing: the file keeps its default.
        EXPECT_EQ(reread().get(SettingsKeys::kColorFormat).toInt32(), MainWindow::kDefaultFormat);
    }
    window->formatCombo().setCurrentIndex(7);
    window->formatCombo().setCurrentIndex(-1); // no item: ignored
    EXPECT_EQ(model.formatIndex(), 7);
    EXPECT_EQ(reread().get(SettingsKeys::kColorFormat).toInt32(), 7);
}

TEST_F(MainWindowTest, AlwaysOnTopFollowsTheSettingAndTheButton)
{
    settings.set(SettingsKeys::kWindowMainTopMost, Variant(true));
    MainWindow& w = build();
    auto topMost = [&] { return (w.host()->windowType() & WindowType::TopMost) != 0; };
    EXPECT_TRUE(topMost());
    for (bool expected : {false, true}) {
        UINotifyEvent click;
        w.topMostButton().clicked.emit(click);
        EXPECT_EQ(topMost(), expected);
        EXPECT_EQ(settings.get(SettingsKeys::kWindowMainTopMost).toBool(), expected);
    }
}

TEST_F(MainWindowTest, StoredPlaceComesBackOrIsCentredWhenOffEveryMonitor)
{
    platform::headless::setMonitors({{0, 0, 1920, 1080}}, kWorkArea);
    struct Case {
        Rect stored;
        Point expected;
    };
    const Case cases[] = {
        {{100, 120, 500, 300}, {100, 120}},
        {{-1, -1, 400, 270}, {760, 385}},     // first start
        {{5000, 3000, 400, 270}, {760, 385}}, // a monitor that has gone
        {{1700, 900, 400, 270}, {760, 385}},  // partly off the work area
    };
    for (const Case& c : cases) {
        settings.set(SettingsKeys::kWindowMainLeft, Variant(c.stored.x));
        settings.set(SettingsKeys::kWindowMainTop, Variant(c.stored.y));
        settings.set(SettingsKeys::kWindowMainWidth, Variant(c.stored.width));
        settings.set(SettingsKeys::kWindowMainHeight, Variant(c.stored.height));
        MainWindow& w = build();
        EXPECT_EQ(w.position(), c.expected) << c.stored.x;
        EXPECT_EQ(w.size(), c.stored.size());
    }
    // A close without a notification icon exits, writing the place.
    window->move(40, 50);
    UIEvent close(UIEventType::Close);
    close.accept();
    UIWidget::sendEvent(window.get(), close);
    const Settings written = reread();
    EXPECT_EQ(written.get(SettingsKeys::kWindowMainLeft).toInt32(), 40);
    EXPECT_EQ(written.get(SettingsKeys::kWindowMainTop).toInt32(), 50);
}

TEST_F(MainWindowTest, TheNotificationIconComesOnceFromTheEventLoopAndThenTakesTheClose)
{
    MainWindow& w = build();
    w.setUpNotificationIcon();
    // Start-up (up to the first paint) does not wait for the shell.
    const size_t before = platform::headless::notificationIconCalls().size();
    platform::headless::advanceClock(50);
    const size_t calls = platform::headless::notificationIconCalls().size();
    EXPECT_GT(calls, before);
    platform::headless::advanceClock(50);
    EXPECT_EQ(platform::headless::notificationIconCalls().size(), calls);
    UIEvent close(UIEventType::Close);
    close.accept();
    UIWidget::sendEvent(&w, close);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, ArrowKeysOnTheFrozenDesktopMoveThePickByScreenPixels)
{
    MainWindow& w = build();
    model.captureAt({500, 300, 40, 30});
    UIKeyEvent early(UIEventType::KeyPress, 0x27, 0);
    UIWidget::sendEvent(&w.magnifier(), early);
    EXPECT_FALSE(model.hasColor()); // not frozen yet

    model.freeze();
    model.setZoom(2.0); // blocks of 3
    model.pick({20, 15});
    const Color start = model.color();
    struct Case {
        uint32_t key;
        uint32_t modifiers;
        int32_t dx, dy;
    };
    const Case cases[] = {{0x27, 0, 1, 0}, {0x28, 0, 0, 1}, {0x25, platform::ShiftModifier, -10, 0}, {0x26, 0, 0, -1}};
    int32_t x = int32_t(start.value() >> 12 & 0xFFF), y = int32_t(start.value() & 0xFFF);
    for (const Case& c : cases) {
        UIKeyEvent key(UIEventType::KeyPress, c.key, c.modifiers);
        UIWidget::sendEvent(&w.magnifier(), key);
        x += c.dx;
        y += c.dy;
        EXPECT_EQ(model.color().value(), screenColour(x, y)) << c.key;
    }
    UIKeyEvent copy(UIEventType::KeyPress, 0x43, platform::ControlModifier);
    UIWidget::sendEvent(&w.magnifier(), copy);
    EXPECT_EQ(clipboard(), trimmed(model.colorText()));
}

} // namespace

#endif
