// No native graphics handle outlives its owner: thousands of mixed drawing
// operations leave every live count where it was.
#include "platform/HandleCounts.h"
#include "platform/win32/GdiHandles.h"
#include "ui/core/ImageFormats.h"
#include "ui/core/UICanvas.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <memory>

namespace {

constexpr std::array kAllKinds = {
    platform::HandleKind::Pen,    platform::HandleKind::Brush,         platform::HandleKind::Font,
    platform::HandleKind::Bitmap, platform::HandleKind::DeviceContext, platform::HandleKind::Icon,
    platform::HandleKind::Cursor, platform::HandleKind::Region,        platform::HandleKind::ImagingObject,
};

std::array<int64_t, kAllKinds.size()> snapshot()
{
    std::array<int64_t, kAllKinds.size()> counts{};
    for (size_t i = 0; i < kAllKinds.size(); ++i)
        counts[i] = platform::liveHandleCount(kAllKinds[i]);
    return counts;
}

// Deliberately leaks a pen through the counted wrapper (the test frees it
// again), so the test can prove a leak shows in the counts.
std::unique_ptr<platform::win32::UniquePen> leakPen()
{
    return std::make_unique<platform::win32::UniquePen>(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
}

} // namespace

TEST(HandleCounts, TenThousandDrawingOperationsLeakNothing)
{
    ImageFormats formats;
    UIImage sprite(8, 8, true);
    sprite.fill(0x80FF8000u);
    UIImage opaque(8, 8, false);
    opaque.fill(0xFF336699u);
    const platform::Bytes pix = sprite.toPix();
    const UIFont fonts[] = {
        UIFont::defaultFont(), UIFont(u"tahoma", 9.0f, platform::FontStyle::Bold),
        UIFont(u"courier new", 14.0f, platform::FontStyle::Italic | platform::FontStyle::Underline)};

    const auto run = [&](int total) {
        int operations = 0;
        for (int round = 0; operations < total; ++round) {
            UIImage target(32, 24, round % 2 == 0);
            UICanvas canvas(target);
            for (int step = 0; step < 25; ++step, ++operations) {
                const uint32_t color = 0xFF000000u | static_cast<uint32_t>(round * 7919 + step * 104729);
                switch ((round + step) % 12) {
                case 0:
                    canvas.setPen(color, static_cast<float>(1 + step % 3), static_cast<PenStyle>(step % 5));
                    canvas.drawLine({0, step % 24}, {31, (step * 3) % 24});
                    break;
                case 1:
                    canvas.setBrush(color);
                    canvas.drawEllipse({1, 1, 20, 15});
                    break;
                case 2:
                    canvas.fillRect({0, 0, 32, 24}, UIBrush::gradient({color, ~color | 0xFF000000u, color}));
                    break;
                case 3:
                    canvas.setFont(fonts[step % 3]);
                    canvas.drawText({0, 0, 20, 12}, u"Tintscope", Alignment::Center, ElideMode::Middle);
                    break;
                case 4:
                    canvas.drawImage({0, 0, 16, 16}, sprite, {},
                                     step % 2 ? ImageScaling::Smooth : ImageScaling::Nearest);
                    break;
                case 5:
                    canvas.drawImage(Point{3, 3}, opaque);
                    break;
                case 6:
                    canvas.drawTiledImage({0, 0, 30, 20}, sprite);
                    break;
                case 7:
                    canvas.setClipRect({step % 5, 2, 10, 10});
                    canvas.drawPolygon({{0, 0}, {20, 5}, {5, 20}}, step % 2 ? FillRule::Winding : FillRule::Alternate);
                    canvas.setClipRect({});
                    break;
                case 8:
                    canvas.drawRect({2, 2, 10, 8});
                    canvas.invertRect({0, 0, 4, 4});
                    break;
                case 9: {
                    platform::NativeIcon icon = sprite.toNativeIcon(step % 2 == 0, 2, 2);
                    platform::NativeBitmap bitmap = opaque.toNativeBitmap();
                    const UIImage back = UIImage::fromNativeBitmap(bitmap.handle());
                    EXPECT_FALSE(back.isEmpty());
                    break;
                }
                case 10: {
                    const UIImage loaded = formats.loadFromMemory(pix.data(), pix.size(), u"png"); // wrong type: fails
                    const UIImage scaled = sprite.scaled(5, 11);
                    canvas.drawImage({0, 0, 5, 11}, scaled);
                    EXPECT_TRUE(loaded.isEmpty());
                    break;
                }
                default:
                    canvas.textSize(u"measure me");
                    fonts[step % 3].textSize(u"and me");
                    break;
                }
            }
        }
    };

    // Warm-up: the shared measuring context and its font are made once and
    // live as long as the process, and the system caches what it likes.
    run(300);
    const auto before = snapshot();
    const int64_t systemBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    run(10000);
    EXPECT_EQ(snapshot(), before);
    // Wine always reports 0 here; a real system counts its own objects.
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), systemBefore);
}

TEST(HandleCounts, ALeakShowsInTheCounts)
{
    const int64_t pens = platform::liveHandleCount(platform::HandleKind::Pen);
    auto leaked = leakPen();
    EXPECT_EQ(platform::liveHandleCount(platform::HandleKind::Pen), pens + 1);
    leaked.reset();
    EXPECT_EQ(platform::liveHandleCount(platform::HandleKind::Pen), pens);

    const int64_t bitmaps = platform::liveHandleCount(platform::HandleKind::Bitmap);
    {
        UIImage image(4, 4, true);
        const UIImage shared = image;
        EXPECT_EQ(platform::liveHandleCount(platform::HandleKind::Bitmap), bitmaps + 1);
    }
    EXPECT_EQ(platform::liveHandleCount(platform::HandleKind::Bitmap), bitmaps);
}
