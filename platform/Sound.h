#pragma once
// The system's sounds: message beeps and the notification sound.

#include <cstdint>

namespace platform {

// The message beep values of the system.
enum class BeepKind : uint32_t {
    Simple = 0xFFFFFFFF,
    Hand = 0x10,
    Exclamation = 0x30,
    Asterisk = 0x40,
};

// Stops any sound this program is playing.
void stopSound();
// Both answer whether the system took the sound; a system without a sound
// device may still refuse it.
bool messageBeep(BeepKind kind);
// The system sound "SystemNotification", played without waiting.
bool playNotificationSound();

} // namespace platform
