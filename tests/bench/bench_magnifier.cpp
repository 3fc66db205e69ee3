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
#include "tests/bench/BenchTiming.h"

#ifndef _WIN32
#include "platform/headless/HeadlessScreen.h"
#endif

#include <string>
#include <vector>

namespace {

using bench::medianMicroseconds;
using bench::memcpyMicroseconds;
using bench::report;
using bench::sizeText;

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
