// How long one live step of the main window takes: from a pointer-move
// message over the dragged-out magnifier to the end of the flush of the
// magnified picture to the window. The real MainWindow in a real window:
// the left button is pressed on the magnifier through the system's input,
// then each step posts a mouse-move message whose position lies outside the
// window and runs the thread's queue until the window has shown the new
// capture (the road of docs/ARCHITECTURE.md: window procedure, mouse
// routing, the posted event, the magnifier's handler, `captureAt`, the
// picture's repaint, composition and the copy to the screen).
//
// Each line: operation, case, median microseconds, ratio to `captureAt` of
// the same rectangles at the same zoom alone (the floor of a step), measured
// just before and after the steps in the same run; `repaint` is the
// magnifier's repaint alone. Cases: the default magnifier size and a
// 1920x1040 window, at zoom 15.
#include "app/Application.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/StartupChecks.h"
#include "picker/BackdropPicture.h"
#include "picker/MainWindow.h"
#include "picker/PickerModel.h"
#include "platform/InputState.h"
#include "platform/MessageLoop.h"
#include "platform/Monitors.h"
#include "platform/NativeWindow.h"
#include "tests/bench/BenchTiming.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::Clock;
using bench::report;
using bench::sizeText;

constexpr double kZoom = 15.0;
constexpr int kSteps = 101;
constexpr int kWarmUpSteps = 8;
// The pointer moves one pixel per step along this many pixels, so every
// step captures a new rectangle.
constexpr int32_t kPathLength = 64;
constexpr int kMaxTurnsPerStep = 1000;

struct Case {
    const char* label;
    // The magnifier's size, or the window's client size.
    Size size;
    bool sizeIsWindow;
};

const Case kCases[] = {
    {"", {400, 220}, false},
    {"window 1920x1040 ", {1920, 1040}, true},
};

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

void sendButton(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// Runs the queue until `done` holds (or a while has passed without it).
template <typename Done>
bool pumpUntil(Done done)
{
    for (int turn = 0; turn < kMaxTurnsPerStep; ++turn) {
        platform::dispatchPendingMessages();
        if (done())
            return true;
        if (turn > 10)
            Sleep(1);
    }
    return done();
}

class LiveBench {
public:
    LiveBench(Settings& settings) : m_model(&settings), m_window(settings, m_model)
    {
        m_window.show();
        platform::dispatchPendingMessages();
        m_model.setZoom(kZoom);
        m_floor.setZoom(kZoom);
    }

    void run(const Case& benchCase)
    {
        if (!place(benchCase))
            return;
        const Size size = m_window.magnifier().size();
        const Rect outer = host().windowRect();
        const Rect desktop = platform::virtualDesktopRect();
        // The pointer's path: right of the window, the captured rectangle
        // on the desktop where it fits.
        const Point start{
            std::max(outer.x + outer.width + 1, desktop.x + desktop.width - size.width / 2 - kPathLength - 1),
            desktop.y + desktop.height / 2};
        if (start.x - size.width / 2 + kPathLength + size.width > desktop.x + desktop.width)
            std::printf("note: the captured rectangle leaves the desktop (%s)\n", sizeText(desktop.size()).c_str());
        if (!press())
            return;

        // The floor: the same rectangles captured alone, on a model of its
        // own, in a block before the steps and one after them. (Not between
        // steps: there each capture would also pay for Wine's copy of the
        // window's last picture to the X server, which belongs to the step.)
        std::vector<double> steps, floors;
        const auto captureAlone = [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                const Rect rect = expectedRect(start, size, i);
                const auto begin = Clock::now();
                m_floor.captureAt(rect);
                if (i >= kWarmUpSteps)
                    floors.push_back(microsecondsSince(begin));
            }
        };
        const int half = kWarmUpSteps + kSteps / 2;
        captureAlone(0, half);
        for (int i = 0; i < kWarmUpSteps + kSteps; ++i) {
            const Rect expected = expectedRect(start, size, i);
            const double step = liveStep({expected.x + size.width / 2, expected.y + size.height / 2}, expected);
            if (step < 0) {
                std::printf("live: step %d showed no capture of %d,%d %s\n", i, expected.x, expected.y,
                            sizeText(expected.size()).c_str());
                release();
                return;
            }
            if (i >= kWarmUpSteps)
                steps.push_back(step);
        }
        captureAlone(half, kWarmUpSteps + kSteps);
        // The magnifier's repaint alone (paint, composition, copy to the
        // window): the share of a step after the capture.
        BackdropPicture& picture = m_window.magnifier();
        const double repaint = bench::medianMicroseconds([&] { picture.update(); }, 21);
        release();

        const std::string label = benchCase.label + sizeText(size) + " k=" + std::to_string(m_model.factor());
        const double floor = median(floors);
        report("captureAt", label, floor, floor);
        report("repaint", label, repaint, floor);
        report("live", label, median(steps), floor);
    }

private:
    // Step i's pointer moves one pixel further along the path, so every
    // step captures a new rectangle (centred on the pointer).
    static Rect expectedRect(Point start, Size size, int i)
    {
        const Point pointer{start.x + i % kPathLength, start.y};
        return {pointer.x - size.width / 2, pointer.y - size.height / 2, size.width, size.height};
    }

    UINativeWindow& host() { return *static_cast<UINativeWindow*>(m_window.host()); }

    // Sizes the window so the case's size holds and puts it near the
    // desktop's top-left corner.
    bool place(const Case& benchCase)
    {
        host().moveTo(platform::virtualDesktopRect().topLeft());
        for (int attempt = 0; attempt < 4; ++attempt) {
            const Size now = benchCase.sizeIsWindow ? m_window.size() : m_window.magnifier().size();
            if (now == benchCase.size)
                return true;
            m_window.resize(m_window.width() + benchCase.size.width - now.width,
                            m_window.height() + benchCase.size.height - now.height);
            platform::dispatchPendingMessages();
        }
        std::printf("note: the window is %s, its magnifier %s\n", sizeText(m_window.size()).c_str(),
                    sizeText(m_window.magnifier().size()).c_str());
        return true;
    }

    // The left button goes down on the magnifier through the system's
    // input, so the window captures the pointer and the button reads as
    // held, as in a real drag.
    bool press()
    {
        const Point centre =
            m_window.magnifier().mapToScreen({m_window.magnifier().width() / 2, m_window.magnifier().height() / 2});
        SetCursorPos(centre.x, centre.y);
        pumpUntil([] { return true; });
        sendButton(MOUSEEVENTF_LEFTDOWN);
        if (!pumpUntil([] { return (platform::mouseButtonsHeld() & platform::LeftButton) != 0; })) {
            std::printf("live: the press on the magnifier did not arrive\n");
            return false;
        }
        return true;
    }

    // Let go over the magnifier, where a release freezes nothing.
    void release()
    {
        sendButton(MOUSEEVENTF_LEFTUP);
        pumpUntil([] { return (platform::mouseButtonsHeld() & platform::LeftButton) == 0; });
    }

    // One step; -1 when the window never showed the capture.
    double liveStep(Point pointer, const Rect& expected)
    {
        const Point origin = host().nativeWindow().clientOrigin();
        const int32_t x = pointer.x - origin.x, y = pointer.y - origin.y;
        const auto lParam = intptr_t((uint32_t(uint16_t(int16_t(y))) << 16) | uint16_t(int16_t(x)));
        const auto start = Clock::now();
        platform::postMessage(host().handle(), platform::messageNumber(platform::WindowMessageId::MouseMove),
                              MK_LBUTTON, lParam);
        // A live capture's source is the captured rectangle itself.
        if (!pumpUntil([&] {
                return m_model.sourceOrigin() == expected.topLeft() && m_model.sourceImage().size() == expected.size();
            }))
            return -1;
        return microsecondsSince(start);
    }

    PickerModel m_model;
    MainWindow m_window;
    PickerModel m_floor{nullptr};
};

} // namespace

int main()
{
    Application application(u"Tintscope Live Benchmark", u"1");
    if (!openStartupResources(application)
        || !UIManager::instance().loadStyle(u"default", application.applicationFolder())) {
        std::printf("live: no data package or style set beside the program\n");
        return 1;
    }
    UINativeWindow::install();
    Settings settings(String(SettingsKeys::kFileName), application.applicationName());
    settings.applySchema(defaultSettingsSchema());
    {
        LiveBench bench(settings);
        for (const Case& benchCase : kCases)
            bench.run(benchCase);
    }
    platform::dispatchPendingMessages();
    return 0;
}
