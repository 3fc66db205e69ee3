// The fake clock and its timers, which every timing test of the toolkit
// relies on: order, repetition and changes made from inside callbacks.
#include "platform/Clock.h"
#include "platform/SystemTimers.h"
#include "platform/headless/HeadlessInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Firing {
    std::string name;
    uint64_t at; // milliseconds since the test started
    friend bool operator==(const Firing&, const Firing&) = default;
};

std::ostream& operator<<(std::ostream& out, const Firing& f) { return out << f.name << "@" << f.at; }

class FakeClock : public testing::Test {
protected:
    void TearDown() override
    {
        for (const uintptr_t id : m_started)
            platform::stopSystemTimer(id);
        EXPECT_EQ(platform::runningSystemTimerCount(), 0u);
    }

    uintptr_t start(std::string name, uint32_t interval, std::function<void()> also = {})
    {
        const uintptr_t id = platform::startSystemTimer(interval, [this, name, also] {
            m_log.push_back({name, platform::monotonicMilliseconds() - m_origin});
            if (also)
                also();
        });
        m_started.push_back(id);
        return id;
    }

    const uint64_t m_origin = platform::monotonicMilliseconds();
    std::vector<Firing> m_log;
    std::vector<uintptr_t> m_started;
};

} // namespace

// However the span is cut into steps, the timers fire at their due times, in
// due-time order, ties in start order, as often as they fall due.
TEST_F(FakeClock, TimersFireInDueOrderWhateverTheSteps)
{
    const std::vector<Firing> expected = {
        {"b", 20}, {"c", 20}, {"a", 30}, {"b", 40}, {"c", 40}, {"a", 60}, {"b", 60}, {"c", 60},
    };
    // A clock starting at 0 would hide code that takes 0 for "never".
    EXPECT_GT(m_origin, 0u);
    for (const uint64_t step : {60u, 1u, 7u, 20u, 59u}) {
        SCOPED_TRACE(step);
        const uint64_t origin = platform::monotonicMilliseconds();
        m_log.clear();
        std::vector<uintptr_t> ids = {start("a", 30), start("b", 20), start("c", 20)};
        for (uint64_t done = 0; done < 60; done += std::min<uint64_t>(step, 60 - done))
            platform::headless::advanceClock(std::min<uint64_t>(step, 60 - done));
        for (Firing& f : m_log)
            f.at -= origin - m_origin;
        EXPECT_EQ(m_log, expected);
        EXPECT_EQ(platform::monotonicMilliseconds(), origin + 60);
        for (const uintptr_t id : ids)
            platform::stopSystemTimer(id);
    }
}

TEST_F(FakeClock, ZeroIntervalFiresEveryMillisecond)
{
    start("z", 0);
    platform::headless::advanceClock(3);
    EXPECT_EQ(m_log, (std::vector<Firing>{{"z", 1}, {"z", 2}, {"z", 3}}));
}

// "a" and "b" both fall due at 10, 20 and 30; "a" runs first each time and
// stops a timer from inside its callback.
TEST_F(FakeClock, CallbackStopsATimer)
{
    struct Case {
        const char* name;
        bool stopOwn;
        std::vector<Firing> expected;
    };
    const Case cases[] = {
        {"own", true, {{"a", 10}, {"b", 10}, {"b", 20}, {"b", 30}}},
        // "b" was due at the same moment but had not run yet: it never runs.
        {"other", false, {{"a", 10}, {"a", 20}, {"a", 30}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_log.clear();
        const uint64_t origin = platform::monotonicMilliseconds();
        uintptr_t a = 0, b = 0;
        a = start("a", 10, [&] { platform::stopSystemTimer(c.stopOwn ? a : b); });
        b = start("b", 10);
        platform::headless::advanceClock(30);
        for (Firing& f : m_log)
            f.at -= origin - m_origin;
        EXPECT_EQ(m_log, c.expected);
        EXPECT_EQ(platform::runningSystemTimerCount(), 1u);
        platform::stopSystemTimer(a);
        platform::stopSystemTimer(b);
    }
}

// A timer started from a callback is first due one interval after that
// moment, and fires within the same advance.
TEST_F(FakeClock, CallbackStartsATimer)
{
    uintptr_t a = 0;
    a = start("a", 10, [&] {
        platform::stopSystemTimer(a);
        start("c", 5);
    });
    platform::headless::advanceClock(30);
    EXPECT_EQ(m_log, (std::vector<Firing>{{"a", 10}, {"c", 15}, {"c", 20}, {"c", 25}, {"c", 30}}));
}
