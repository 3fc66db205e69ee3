// How long a window's flush to the screen takes, compared with a bare
// block copy of the same size between two memory bitmaps measured in the
// same run (a BitBlt between memory device contexts on Windows).
//
// Each line: operation, case, median microseconds, ratio to the baseline.
// Cases: `update` of the whole window (paint, compose and copy to the
// screen) and `update` (rect) of the whole client area (the copy alone),
// at the default magnifier window size and at a near full-screen size. When
// the window comes out smaller than asked, its ratios are to a copy of the
// window's real size.
#include "app/Application.h"
#include "platform/MemoryBlit.h"
#include "platform/NativeWindow.h"
#include "tests/bench/BenchTiming.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"

#include <cstdio>

namespace {

using bench::medianMicroseconds;
using bench::report;
using bench::sizeText;

const Size kSizes[] = {{400, 220}, {1920, 1040}};

// A child that fills itself, so the full update composes real pixels.
class FilledWidget : public UIWidget {
public:
    FilledWidget(UIWidget* parent, uint32_t color) : UIWidget(parent), m_color(color) { create(u"FilledWidget"); }

protected:
    void paintEvent(UIPaintEvent&) override
    {
        UICanvas canvas(paintBuffer());
        canvas.fillRect(rect(), m_color);
    }

private:
    uint32_t m_color;
};

} // namespace

int main()
{
    Application application(u"Tintscope Flush Benchmark", u"1");
    UINativeWindow::install();
    for (const Size size : kSizes) {
        platform::MemoryBlit blit(size);
        const double baseline = medianMicroseconds([&] { blit.copy(); });
        report("blit", sizeText(size), baseline, baseline);

        UIWindow window;
        window.layout().setEnabled(false);
        FilledWidget child(&window, 0xFFCC0000u);
        child.setGeometry({size.width / 4, size.height / 4, size.width / 2, size.height / 2});
        child.setVisible(true);
        window.resize(size.width, size.height);
        window.setVisible(true);
        platform::dispatchPendingMessages();
        // The system may keep the window smaller than asked (Wine clamps it
        // to the screen): compare with a copy of what is really flushed.
        double windowBaseline = baseline;
        if (window.size() != size) {
            std::printf("note: the window is %s\n", sizeText(window.size()).c_str());
            platform::MemoryBlit windowBlit(window.size());
            windowBaseline = medianMicroseconds([&] { windowBlit.copy(); });
            report("blit", sizeText(window.size()), windowBaseline, windowBaseline);
        }

        report("update", sizeText(size) + " full", medianMicroseconds([&] { window.update(); }), windowBaseline);
        const Rect all = window.rect();
        report("update", sizeText(size) + " copy", medianMicroseconds([&] { window.update(all); }), windowBaseline);
        platform::dispatchPendingMessages();
    }
    return 0;
}
