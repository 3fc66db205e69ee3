// What both implementations promise about input state and timers without
// driving a clock: these run natively and under Wine.
#include "platform/InputState.h"
#include "platform/SystemTimers.h"

#include <gtest/gtest.h>

#include <set>

TEST(InputState, EverySystemCursorIsADistinctHandle)
{
    constexpr platform::SystemCursor kShapes[] = {
        platform::SystemCursor::Arrow,
        platform::SystemCursor::Cross,
        platform::SystemCursor::Wait,
        platform::SystemCursor::TextBeam,
        platform::SystemCursor::Hand,
        platform::SystemCursor::SizeAll,
        platform::SystemCursor::SizeHorizontal,
        platform::SystemCursor::SizeVertical,
        platform::SystemCursor::SizeDiagonalDown,
        platform::SystemCursor::SizeDiagonalUp,
        platform::SystemCursor::No,
    };
    std::set<NativeHandle> handles;
    for (const platform::SystemCursor shape : kShapes) {
        const NativeHandle handle = platform::systemCursor(shape);
        EXPECT_NE(handle, nullptr) << int(shape);
        // Shared: asking again gives the same handle, nothing to release.
        EXPECT_EQ(platform::systemCursor(shape), handle) << int(shape);
        handles.insert(handle);
    }
    EXPECT_EQ(handles.size(), std::size(kShapes));
}

TEST(InputState, DoubleClickSettingsAreUsable)
{
    EXPECT_GT(platform::doubleClickTime(), 0u);
    EXPECT_FALSE(platform::doubleClickSize().isEmpty());
}

TEST(SystemTimers, StoppingCountsBackAndIgnoresUnknownIds)
{
    const size_t before = platform::runningSystemTimerCount();
    const uintptr_t first = platform::startSystemTimer(1000, [] {});
    const uintptr_t second = platform::startSystemTimer(0, [] {});
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(platform::runningSystemTimerCount(), before + 2);

    platform::stopSystemTimer(first);
    platform::stopSystemTimer(first);
    platform::stopSystemTimer(0);
    EXPECT_EQ(platform::runningSystemTimerCount(), before + 1);
    platform::stopSystemTimer(second);
    EXPECT_EQ(platform::runningSystemTimerCount(), before);
}

TEST(InputState, TheMovedPointerReadsBackWhereItWasPut)
{
    const Point before = platform::cursorPosition();
    for (const Point target : {Point{40, 30}, Point{123, 77}}) {
        ASSERT_TRUE(platform::moveCursorTo(target));
        EXPECT_EQ(platform::cursorPosition(), target);
    }
    platform::moveCursorTo(before);
}
