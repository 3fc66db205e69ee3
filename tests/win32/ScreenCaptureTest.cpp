// Screen capture and the magnifier's drag-out sequence on Wine's real
// screen, with a topmost window painted in known colours.
#include "picker/MagnifierController.h"
#include "picker/PickerModel.h"
#include "platform/HandleCounts.h"
#include "platform/Monitors.h"
#include "platform/ScreenCapture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <vector>

namespace {

// Four quadrants of known colours (0xAARRGGBB as captured).
constexpr std::array<uint32_t, 4> kQuadrants = {0xFFC81E28u, 0xFF0ADC5Au, 0xFF1E3CFAu, 0xFFFFFF00u};
constexpr Rect kWindowRect{200, 150, 120, 80};

COLORREF toColorRef(uint32_t argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

LRESULT CALLBACK paintQuadrants(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const int w = kWindowRect.width / 2, h = kWindowRect.height / 2;
    for (int i = 0; i < 4; ++i) {
        const RECT r{(i % 2) * w, (i / 2) * h, (i % 2) * w + w, (i / 2) * h + h};
        HBRUSH brush = CreateSolidBrush(toColorRef(kQuadrants[i]));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
    EndPaint(window, &paint);
    return 0;
}

// A borderless topmost window showing the quadrants at kWindowRect.
class QuadrantWindow {
public:
    QuadrantWindow()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = paintQuadrants;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TintscopeCaptureTestWindow";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"",
                                   WS_POPUP | WS_VISIBLE, kWindowRect.x, kWindowRect.y, kWindowRect.width,
                                   kWindowRect.height, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~QuadrantWindow() { DestroyWindow(m_window); }

    // The screen point in the middle of quadrant i.
    static Point centreOf(int i)
    {
        return {kWindowRect.x + (i % 2) * kWindowRect.width / 2 + kWindowRect.width / 4,
                kWindowRect.y + (i / 2) * kWindowRect.height / 2 + kWindowRect.height / 4};
    }

    // Pumps messages until the screen shows the quadrants (the display
    // server maps and draws the window on its own schedule).
    bool waitUntilShown() const
    {
        const DWORD deadline = GetTickCount() + 10000;
        while (GetTickCount() < deadline) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            bool all = true;
            for (int i = 0; i < 4 && all; ++i)
                all = screenPixel(centreOf(i)) == kQuadrants[i];
            if (all)
                return true;
            Sleep(20);
        }
        return false;
    }

    static uint32_t screenPixel(Point p)
    {
        uint32_t pixel = 0;
        platform::captureScreen({p.x, p.y, 1, 1}, reinterpret_cast<uint8_t*>(&pixel), 4);
        return pixel;
    }

private:
    HWND m_window = nullptr;
};

std::array<int64_t, platform::kHandleKindCount> liveCounts()
{
    std::array<int64_t, platform::kHandleKindCount> counts{};
    for (int i = 0; i < platform::kHandleKindCount; ++i)
        counts[i] = platform::liveHandleCount(static_cast<platform::HandleKind>(i));
    return counts;
}

class FakeHost : public MagnifierHost {
public:
    Size magnifierSize() const override { return {40, 30}; }
    // Well away from the painted window.
    Rect mainWindowRect() const override { return {700, 500, 300, 250}; }
    void setMagnifierCursor(MagnifierCursor) override {}
    void showImage(const UIImage& image) override { shown = image; }
    UIImage shown;
};

TEST(ScreenCapture, ReadsAPaintedWindowExactlyAndOpaqueAndOffMonitorPixelsTransparent)
{
    QuadrantWindow window;
    ASSERT_TRUE(window.waitUntilShown());
    std::vector<uint32_t> pixels(static_cast<size_t>(kWindowRect.width) * kWindowRect.height);
    ASSERT_TRUE(platform::captureScreen(kWindowRect, reinterpret_cast<uint8_t*>(pixels.data()), kWindowRect.width * 4));
    // Corners: the copy is not shifted by a pixel.
    EXPECT_EQ(pixels.front(), kQuadrants[0]);
    EXPECT_EQ(pixels[kWindowRect.width - 1], kQuadrants[1]);
    EXPECT_EQ(pixels[pixels.size() - kWindowRect.width], kQuadrants[2]);
    EXPECT_EQ(pixels.back(), kQuadrants[3]);

    const Rect desktop = platform::virtualDesktopRect();
    const Rect straddling{desktop.right() - 4, desktop.y + 10, 8, 1};
    platform::captureScreen(straddling, reinterpret_cast<uint8_t*>(pixels.data()), 8 * 4);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(pixels[x] >> 24, x < 4 ? 0xFFu : 0u) << x;

    // Regression: an area reaching past the screen's left edge came back
    // black as a whole under Wine, so a view near the edge showed nothing.
    const int32_t left = desktop.x - 10;
    const Rect pastEdge{left, kWindowRect.y, kWindowRect.x - left + kWindowRect.width, 1};
    std::vector<uint32_t> row(static_cast<size_t>(pastEdge.width));
    platform::captureScreen(pastEdge, reinterpret_cast<uint8_t*>(row.data()), pastEdge.width * 4);
    EXPECT_EQ(row[0] >> 24, 0u);
    EXPECT_EQ(row[static_cast<size_t>(kWindowRect.x - left)], kQuadrants[0]);
}

TEST(ScreenCapture, DragOutReleaseAndPressPicksTheColourThatWasUnderThePointer)
{
    QuadrantWindow window;
    ASSERT_TRUE(window.waitUntilShown());
    PickerModel model(nullptr);
    FakeHost host;
    MagnifierController controller(model, host);

    MagnifierEvent press;
    press.position = {5, 5};
    press.button = press.buttons = MagnifierEvent::Left;
    press.hovered = true;
    controller.mousePress(press);

    MagnifierEvent move;
    move.buttons = MagnifierEvent::Left;
    for (int i = 0; i < 3; ++i) {
        move.screenPosition = QuadrantWindow::centreOf(i);
        controller.mouseMove(move);
    }
    const Point under = QuadrantWindow::centreOf(2);
    MagnifierEvent release;
    release.button = MagnifierEvent::Left;
    release.screenPosition = under;
    controller.mouseRelease(release);
    ASSERT_TRUE(model.isFrozen());
    // Re-render from the frozen desktop before picking.
    controller.resize(host.magnifierSize());

    press.position = {20, 15};
    controller.mousePress(press);
    EXPECT_EQ(model.color().value(), kQuadrants[2]);
}

TEST(ScreenCapture, RepeatedLiveCapturesLeaveNoHandleBehind)
{
    const auto before = liveCounts();
    {
        PickerModel model(nullptr);
        model.setZoom(3.0);
        // Two captures fill the model's image buffers (current and spare
        // source and display images); later captures reuse them.
        model.captureAt({10, 10, 400, 220});
        model.captureAt({11, 10, 400, 220});
        const auto steady = liveCounts();
        for (int i = 0; i < 10000; ++i)
            model.captureAt({10 + i % 2, 10, 400, 220});
        EXPECT_EQ(liveCounts(), steady);
    }
    EXPECT_EQ(liveCounts(), before);
}

} // namespace
