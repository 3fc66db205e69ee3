#pragma once
// A bench-only view into start-up: with its switch set in the environment,
// it writes to standard error how many milliseconds after its construction
// each named stage ended, so the benchmark's start-up figure can be taken
// apart. Silent, and next to free, when the switch is not set.

#include <chrono>
#include <cstdio>
#include <cstdlib>

class StageTimer {
public:
    explicit StageTimer(const char* switchName)
        : m_enabled(std::getenv(switchName) != nullptr)
        , m_start(std::chrono::steady_clock::now())
    {}

    // Writes "stage <name> <ms>".
    void mark(const char* stage) const
    {
        if (!m_enabled)
            return;
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - m_start;
        std::fprintf(stderr, "stage %-12s %8.1f ms\n", stage, elapsed.count());
        std::fflush(stderr);
    }

private:
    bool m_enabled;
    std::chrono::steady_clock::time_point m_start;
};
