// The system takes every message beep the toolkit plays (natively the
// headless recorder, under Wine the real calls).
#include "platform/Sound.h"

#include <gtest/gtest.h>

TEST(Sound, EveryBeepKindIsTaken)
{
    using platform::BeepKind;
    for (const BeepKind kind : {BeepKind::Simple, BeepKind::Hand, BeepKind::Exclamation, BeepKind::Asterisk}) {
        platform::stopSound();
        EXPECT_TRUE(platform::messageBeep(kind)) << uint32_t(kind);
    }
    platform::stopSound();
}
