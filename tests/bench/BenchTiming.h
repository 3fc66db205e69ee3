#pragma once
// Timing helpers shared by the benchmark programs. Each report line reads:
// operation, case, median microseconds, ratio to a memcpy baseline measured
// in the same run.

#include "platform/Geometry.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

// Median over `samples` timings of one call, each timing a batch of calls
// long enough (about 0.5 ms) for the clock to resolve it.
inline double medianMicroseconds(const std::function<void()>& operation, int samples = 41)
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

// A memcpy of a 32-bit image of the given size.
inline double memcpyMicroseconds(Size size)
{
    const size_t bytes = static_cast<size_t>(size.width) * size.height * 4;
    std::vector<uint8_t> from(bytes, 0x5A), to(bytes);
    return medianMicroseconds([&] {
        std::memcpy(to.data(), from.data(), bytes);
        // Keep the copy from being optimised away.
        asm volatile("" : : "r"(to.data()) : "memory");
    });
}

inline std::string sizeText(Size size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

inline void report(const char* operation, const std::string& label, double micros, double baseline)
{
    std::printf("%-9s %-24s %10.1f  %5.2fx\n", operation, label.c_str(), micros, micros / baseline);
    std::fflush(stdout);
}

} // namespace bench
