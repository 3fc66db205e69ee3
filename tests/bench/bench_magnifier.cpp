// How long the magnifier's work on a pointer move takes, compared with a
// plain memcpy of the same output size measured in the same run.
//
// Each line: operation, case, median microseconds, ratio to the memcpy.
// Cases: magnify of a live-capture-sized source at the sizes of the default
// and of a maximised magnifier; render of views of a frozen desktop (with
// an image holder standing in for the magnifier picture, as in the
// program); on Windows the full live capture through the screen.
#include "picker/Magnifier.h"
#include "picker/PickerModel.h"
#include "platform/Monitors.h"

#ifndef _WIN32
#include "platform/headless/HeadlessScreen.h"
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Median over `samples` timings of one call, each timing a batch of calls
// long enough (about 0.5 ms) for the clock to resolve it.
double medianMicroseconds(const std::function<void()>& operation, int samples = 41)
{
    operation(); // warm caches and buffers
    const auto once = Clock::now();
    operation();
    const double single = std::chrono::duration<double, std::micro>(Clock::now() - once).count();
    const int batch = std::clamp(static_cast<int>(500.0 / std::max(single, 0.01)), 1, 10000);
    std::vector<double> timings;
    timings.reserve(samples);
    for (int s = 0; s < samples; ++s) {
        const auto start = Clock::now();
        for (int i = 0; i < batch; ++i)
            operation();
        timings.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / batch);
    }
    std::nth_element(timings.begin(), timings.begin() + samples / 2, timings.end());
    return timings[samples / 2];
}

double memcpyMicroseconds(Size size)
{
    const size_t bytes = static_cast<size_t>(size.width) * size.height * 4;
    std::vector<uint8_t> from(bytes, 0x5A), to(bytes);
    return medianMicroseconds([&] {
        std::memcpy(to.data(), from.data(), bytes);
        // Keep the copy from being optimised away.
        asm volatile("" : : "r"(to.data()) : "memory");
    });
}

std::string sizeText(Size size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

void report(const char* operation, const std::string& label, double micros, double baseline)
{
    std::printf("%-9s %-24s %10.1f  %5.2fx\n", operation, label.c_str(), micros, micros / baseline);
    std::fflush(stdout);
}

UIImage noiseImage(Size size)
{
    UIImage image(size.width, size.height, true);
    uint32_t state = 12345;
    for (int32_t y = 0; y < size.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int32_t x = 0; x < size.width; ++x) {
            state = state * 1664525u + 1013904223u;
            row[x] = state | 0xFF000000u;
        }
    }
    return image;
}

const Size kSizes[] = {{400, 220}, {1920, 1040}};
const double kZooms[] = {1.2, 2.618, 15.0, 100.0};

void benchMagnify()
{
    for (const Size size : kSizes) {
        const double baseline = memcpyMicroseconds(size);
        report("memcpy", sizeText(size), baseline, baseline);
        const UIImage source = noiseImage(size);
        for (const double zoom : kZooms) {
            const int32_t k = magnificationFactor(zoom);
            UIImage output;
            const double micros = medianMicroseconds([&] {
                magnifyInto(source, source.rect(), {size.width / 2, size.height / 2}, size, k, output);
            });
            report("magnify", sizeText(size) + " k=" + std::to_string(k), micros, baseline);
        }
    }
}

void benchRender()
{
#ifndef _WIN32
    platform::headless::setMonitors({{0, 0, 3840, 2160}}, {0, 0, 3840, 2120});
    platform::headless::setScreenPixels([](int32_t x, int32_t y) { return uint32_t(x * 7919 + y * 104729); });
#endif
    PickerModel model(nullptr);
    model.freeze();
    const Size desktop = model.sourceImage().size();
    const std::string frozen = sizeText(desktop) + " ";
    for (const Size size : kSizes) {
        const double baseline = memcpyMicroseconds(size);
        for (const double zoom : {1.0, 2.618, 15.0}) {
            model.setZoom(zoom);
            UIImage shown; // the magnifier picture's share of the display image
            int32_t step = 0;
            const double micros = medianMicroseconds([&] {
                // A pan: every call shows a different view.
                step = (step + 1) % 64;
                model.render({desktop.width / 3 + step, desktop.height / 3 + step, size.width, size.height});
                shown = model.displayImage();
            });
            report("render", frozen + sizeText(size) + " k=" + std::to_string(model.factor()), micros, baseline);
        }
    }
}

#ifdef _WIN32
void benchCapture()
{
    const Size size{400, 220};
    const double baseline = memcpyMicroseconds(size);
    PickerModel model(nullptr);
    for (const double zoom : {1.0, 15.0}) {
        model.setZoom(zoom);
        UIImage shown;
        int32_t step = 0;
        const double micros = medianMicroseconds(
            [&] {
                // The pointer moves one pixel per event, so every call
                // captures.
                step = (step + 1) % 64;
                model.captureAt({200 + step, 200, size.width, size.height});
                shown = model.displayImage();
            },
            21);
        report("captureAt", sizeText(size) + " k=" + std::to_string(model.factor()), micros, baseline);
    }
}
#endif

} // namespace

int main()
{
    benchMagnify();
    benchRender();
#ifdef _WIN32
    benchCapture();
#endif
    return 0;
}
