#pragma once
// The system sounds the toolkit plays: message beeps by kind and the
// notification sound. Unlike the failure beep (UIManager) these play
// whatever the failure-beep switch says; callers that honour the switch
// check it themselves.

#include <cstdint>

// The sound kinds; the numbers are the stored ones. Any other value plays
// the simple beep.
enum class SystemSound : int32_t {
    Simple = 0,
    Information = 2,
    Warning = 3,
    Question = 4,
    Critical = 5,
    Notification = 6,
};

// Stops any sound playing, then plays the kind's sound (the notification
// without waiting for it). Answers whether the system took it.
bool playSystemSound(SystemSound sound);
