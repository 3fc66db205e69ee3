// Saving and restoring a real top-level window's place through the
// settings, on Wine's monitors.
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/SettingsSchema.h"
#include "platform/FileSystem.h"
#include "platform/Monitors.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// A plain native window seen through the interface the settings use.
class NativeTestWindow : public GeometryWindow {
public:
    NativeTestWindow()
    {
        m_window = CreateWindowExW(0, L"STATIC", L"geometry", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    }
    ~NativeTestWindow() override { DestroyWindow(m_window); }

    Rect outerRect() const override
    {
        RECT r{};
        GetWindowRect(m_window, &r);
        return Rect::fromEdges(r.left, r.top, r.right, r.bottom);
    }
    Size minimumSize() const override { return {120, 80}; }
    void resize(Size size) override
    {
        SetWindowPos(m_window, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void move(Point p) override
    {
        SetWindowPos(m_window, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

private:
    HWND m_window = nullptr;
};

String temporaryFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, path);
    return platform::joinPath(reinterpret_cast<const char16_t*>(path),
                              u"tintscope-geometry-" + decimalText(int64_t(GetCurrentProcessId())));
}

TEST(WindowGeometry, WindowSavedOffEveryMonitorIsCentredOnThePrimaryWorkArea)
{
    Settings settings(u"config.dat", u"Morvellan Tintscope", temporaryFolder());
    settings.applySchema(defaultSettingsSchema());
    settings.set(SettingsKeys::kWindowMainLeft, Variant(int32_t(-30000)));
    settings.set(SettingsKeys::kWindowMainTop, Variant(int32_t(-30000)));
    settings.set(SettingsKeys::kWindowMainWidth, Variant(int32_t(400)));
    settings.set(SettingsKeys::kWindowMainHeight, Variant(int32_t(270)));

    NativeTestWindow window;
    settings.restoreWindowGeometry(window, u"Main");

    const Rect work = platform::primaryWorkArea();
    const Rect placed = window.outerRect();
    EXPECT_EQ(placed.size(), (Size{400, 270}));
    EXPECT_EQ(placed.x, work.x + (work.width - 400) / 2);
    EXPECT_EQ(placed.y, work.y + (work.height - 270) / 2);
}

TEST(WindowGeometry, SavedPlaceOnTheScreenRoundTrips)
{
    Settings settings(u"config.dat", u"Morvellan Tintscope", temporaryFolder());
    settings.applySchema(defaultSettingsSchema());
    NativeTestWindow window;
    window.resize({333, 222});
    window.move({40, 50});
    settings.saveWindowGeometry(window, u"Main");
    EXPECT_EQ(settings.get(SettingsKeys::kWindowMainLeft).toInt32(), 40);
    EXPECT_EQ(settings.get(SettingsKeys::kWindowMainWidth).toInt32(), 333);

    NativeTestWindow other;
    settings.restoreWindowGeometry(other, u"Main");
    EXPECT_EQ(other.outerRect(), (Rect{40, 50, 333, 222}));
}

} // namespace
