#pragma once
// A bench-only view into start-up: with its switch set in the environment,
// it writes to standard error how many milliseconds after its construction
// each named stage ended, so the benchmark's start-up figure can be taken
// apart. Silent, and next to free, when the switch is not set.

#include "platform/Clock.h"

#include <cstdio>
#include <cstdlib>
#include <string>

class StageTimer {
public:
    explicit StageTimer(const char* switchName)
        : m_enabled(std::getenv(switchName) != nullptr)
        , m_start(platform::monotonicMilliseconds())
    {}

    // Writes "stage <name> <ms> ms".
    void mark(const char* stage) const
    {
        if (!m_enabled)
            return;
        const std::string line =
            "stage " + std::string(stage) + ' ' + std::to_string(platform::monotonicMilliseconds() - m_start) + " ms\n";
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
    }

private:
    bool m_enabled;
    uint64_t m_start;
};
