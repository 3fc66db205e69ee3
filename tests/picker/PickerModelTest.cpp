// The picker model and the magnifier's pointer handlers on the headless
// screen, whose pixels encode their own screen position.
#ifndef _WIN32

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/SettingsSchema.h"
#include "picker/ColorFormat.h"
#include "picker/Magnifier.h"
#include "picker/MagnifierController.h"
#include "platform/headless/HeadlessScreen.h"
#include "tests/app/ScratchFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Opaque colour carrying the screen position (12 bits per coordinate).
uint32_t screenColour(int32_t x, int32_t y)
{
    return 0xFF000000u | uint32_t((x + 2048) & 0xFFF) << 12 | uint32_t((y + 2048) & 0xFFF);
}

class FakeHost : public MagnifierHost {
public:
    Size magnifierSize() const override { return {40, 30}; }
    Rect mainWindowRect() const override { return {1000, 600, 60, 50}; }
    void setMagnifierCursor(MagnifierCursor c) override { cursor = c; }
    void showImage(const UIImage& image) override { shown = image; }

    MagnifierCursor cursor = MagnifierCursor::Arrow;
    UIImage shown;
};

// An event at a magnifier position (hovered) or, for off-magnifier moves
// and releases, at a screen position.
MagnifierEvent at(Point position, uint32_t button, uint32_t buttons = 0)
{
    MagnifierEvent e;
    e.position = position;
    e.button = button;
    e.buttons = buttons;
    e.hovered = true;
    return e;
}
MagnifierEvent onScreen(Point screen, uint32_t button, uint32_t buttons)
{
    MagnifierEvent e;
    e.screenPosition = screen;
    e.button = button;
    e.buttons = buttons;
    return e;
}
constexpr uint32_t kLeft = MagnifierEvent::Left, kRight = MagnifierEvent::Right;

class PickerModelTest : public ::testing::Test {
protected:
    PickerModelTest() { settings.applySchema(defaultSettingsSchema()); }
    void SetUp() override { platform::headless::setScreenPixels(screenColour); }
    void TearDown() override
    {
        platform::headless::resetScreenPixels();
        platform::headless::resetMonitors();
    }
    double storedZoom() const { return settings.get(SettingsKeys::kZoomFactor).toDouble(); }
    void wheel(int32_t delta)
    {
        MagnifierEvent e;
        e.wheelDelta = delta;
        controller.wheel(e);
    }

    ScratchFolder scratch;
    Settings settings{String(SettingsKeys::kFileName), u"Tintscope test", scratch.path()};
    PickerModel model{&settings};
    FakeHost host;
    MagnifierController controller{model, host};
};

TEST_F(PickerModelTest, ZoomOneShowsTheCaptureAndJustAboveOneMagnifiesByTwo)
{
    model.captureAt({100, 200, 40, 30});
    EXPECT_TRUE(model.displayImage().isSharedWith(model.sourceImage()));
    EXPECT_EQ(model.displayImage().pixel(0, 0), screenColour(100, 200));
    EXPECT_EQ(model.displayImage().pixel(39, 29), screenColour(139, 229));

    model.setZoom(1.2);
    // The centre pixel (120, 215) fills columns 19..20 and rows 14..15.
    const UIImage& shown = model.displayImage();
    EXPECT_EQ(shown.pixel(19, 14), screenColour(120, 215));
    EXPECT_EQ(shown.pixel(20, 15), screenColour(120, 215));
    EXPECT_EQ(shown.pixel(21, 15), screenColour(121, 215));
    EXPECT_EQ(shown.pixel(18, 13), screenColour(119, 214));
}

TEST_F(PickerModelTest, WheelStepsByTheGoldenRatioClampsAtOneAndStores)
{
    wheel(120); // no source yet: nothing happens
    EXPECT_EQ(model.zoom(), 1.0);

    model.captureAt({0, 0, 40, 30});
    const double up[] = {2.6180339887, 4.2360679775, 5.8541019662};
    const int32_t factors[] = {3, 5, 6};
    for (int i = 0; i < 3; ++i) {
        wheel(120);
        EXPECT_NEAR(model.zoom(), up[i], 1e-9);
        EXPECT_EQ(model.factor(), factors[i]);
        EXPECT_EQ(storedZoom(), model.zoom());
    }
    model.setZoom(2.0);
    wheel(-120);
    EXPECT_EQ(model.zoom(), 1.0);
    EXPECT_EQ(storedZoom(), 1.0);

    settings.set(SettingsKeys::kZoomFactor, Variant(250.0));
    EXPECT_EQ(PickerModel(&settings).zoom(), 100.0); // clamped on start
}

TEST_F(PickerModelTest, SameZoomAgainNeitherRendersNorStoresButAStepBelowOneDoes)
{
    model.captureAt({0, 0, 40, 30});
    model.setZoom(3.0);
    const UIImage atThree = model.displayImage();
    settings.set(SettingsKeys::kZoomFactor, Variant(7.0));
    model.setZoom(3.0);
    EXPECT_TRUE(model.displayImage().isSharedWith(atThree));
    EXPECT_EQ(storedZoom(), 7.0);

    // Compared before clamping: 1.0 - step is not 1.0. (The view is moved
    // off the capture's own rectangle, which at zoom 1 is the capture.)
    model.render({5, 5, 40, 30});
    model.setZoom(1.0);
    const UIImage atOne = model.displayImage();
    model.setZoom(1.0 - PickerModel::zoomStep());
    EXPECT_EQ(model.zoom(), 1.0);
    EXPECT_EQ(storedZoom(), 1.0);
    EXPECT_FALSE(model.displayImage().isSharedWith(atOne));
}

TEST_F(PickerModelTest, DoubleClickZoomsToFifteenOnTheClickedPixelAndBack)
{
    model.captureAt({300, 400, 40, 30});
    const uint32_t clicked = model.displayImage().pixel(7, 25);
    controller.mouseDoubleClick(at({7, 25}, kLeft));
    EXPECT_EQ(model.factor(), 16);
    // The clicked pixel's block covers columns 12..27 and rows 7..22.
    EXPECT_EQ(host.shown.pixel(12, 7), clicked);
    EXPECT_EQ(host.shown.pixel(27, 22), clicked);
    EXPECT_NE(host.shown.pixel(11, 7), clicked);
    EXPECT_NE(host.shown.pixel(28, 22), clicked);

    controller.mouseDoubleClick(at({0, 0}, kLeft));
    EXPECT_EQ(model.zoom(), 1.0);
    EXPECT_EQ(host.shown.pixel(20, 15), clicked);
}

TEST_F(PickerModelTest, PickReadsTheDisplayAndTransparentBlackMeansNothingPicked)
{
    // Between the monitors the screen is black and on no monitor, so it
    // reads as all four bytes 0.
    platform::headless::setMonitors({{0, 0, 100, 100}, {200, 0, 100, 100}}, {0, 0, 100, 100});
    platform::headless::setScreenPixels(
        [](int32_t x, int32_t y) { return x >= 100 && x < 200 ? 0u : screenColour(x, y); });
    model.setFormatIndex(8);
    int notified = 0;
    model.setColorChangedHandler([&] { ++notified; });

    controller.mousePress(at({5, 5}, kLeft, kLeft));
    EXPECT_EQ(notified, 0); // no display image yet
    model.captureAt({80, 10, 40, 30});
    controller.mousePress(at({5, 5}, kLeft, kLeft));
    EXPECT_EQ(host.cursor, MagnifierCursor::Pipette);
    EXPECT_EQ(model.color(), Color::fromValue(screenColour(85, 15)));
    EXPECT_EQ(model.colorText(), formatColor(model.color(), 8));
    controller.mousePress(at({40, 5}, kLeft, kLeft)); // just outside the image
    EXPECT_EQ(notified, 1);

    controller.mouseMove(at({30, 5}, 0, kLeft));
    EXPECT_EQ(notified, 2);
    EXPECT_FALSE(model.hasColor());
}

TEST_F(PickerModelTest, ViewHalfOutsideTheFrozenDesktopShowsTransparentWhite)
{
    platform::headless::setMonitors({{0, 0, 320, 200}}, {0, 0, 320, 180});
    model.freeze();
    model.render({300, 180, 40, 30});
    const UIImage& shown = model.displayImage();
    EXPECT_EQ(shown.pixel(19, 19), screenColour(319, 199));
    EXPECT_EQ(shown.pixel(20, 19), kMagnifierFill);
    EXPECT_EQ(shown.pixel(19, 20), kMagnifierFill);
    model.render({1000, 1000, 40, 30});
    EXPECT_EQ(model.displayImage().pixel(39, 29), kMagnifierFill);
}

TEST_F(PickerModelTest, DragOutReleaseAndPanOnADesktopWithANegativeOrigin)
{
    platform::headless::setMonitors({{0, 0, 800, 600}, {-640, -100, 640, 480}}, {0, 0, 800, 560});
    controller.mouseMove(onScreen({1010, 610}, 0, kLeft)); // still over the window
    EXPECT_TRUE(model.sourceImage().isEmpty());
    controller.mouseMove(onScreen({-300, 50}, 0, kLeft));
    EXPECT_EQ(host.shown.pixel(20, 15), screenColour(-300, 50));

    controller.mouseRelease(onScreen({-300, 50}, kLeft, 0));
    ASSERT_TRUE(model.isFrozen());
    EXPECT_EQ(model.sourceImage().size(), (Size{1440, 700}));
    // Rendered again from the frozen desktop, the view shows the same pixels.
    controller.resize(host.magnifierSize());
    EXPECT_EQ(host.shown.pixel(20, 15), screenColour(-300, 50));
    EXPECT_EQ(host.shown.pixel(0, 0), screenColour(-320, 35));

    // Dragging the image 10 pixels right shows the pixels 10 further left.
    MagnifierEvent press = at({20, 15}, kRight, kRight), drag = at({30, 15}, 0, kRight);
    press.screenPosition = {500, 500};
    drag.screenPosition = {510, 500};
    controller.mousePress(press);
    EXPECT_EQ(host.cursor, MagnifierCursor::HandOpen);
    controller.mouseMove(drag);
    controller.mousePress(at({20, 15}, kLeft, kLeft));
    EXPECT_EQ(model.color(), Color::fromValue(screenColour(-310, 50)));
}

TEST_F(PickerModelTest, ReleaseInsideKeepsTheLiveCaptureAndAFreezeIsAlwaysReplaced)
{
    controller.mouseMove(onScreen({200, 100}, 0, kLeft));
    controller.mouseRelease(onScreen({1020, 620}, kLeft, 0));
    EXPECT_FALSE(model.isFrozen());
    wheel(120); // zooms into the live capture's centre
    EXPECT_EQ(host.shown.pixel(20, 15), screenColour(200, 100));

    // Regression: a drag out to the very rectangle on view after a freeze
    // showed the whole desktop magnified instead of capturing again.
    controller.mouseMove(onScreen({200, 100}, 0, kLeft));
    controller.mouseRelease(onScreen({200, 100}, kLeft, 0));
    ASSERT_TRUE(model.isFrozen());
    controller.mouseMove(onScreen({200, 100}, 0, kLeft));
    EXPECT_FALSE(model.isFrozen());
    EXPECT_EQ(host.shown.size(), host.magnifierSize());
}

} // namespace

#endif
