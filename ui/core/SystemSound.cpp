#include "ui/core/SystemSound.h"
#include "platform/Sound.h"

bool playSystemSound(SystemSound sound)
{
    using platform::BeepKind;
    platform::stopSound();
    switch (sound) {
    case SystemSound::Notification:
        return platform::playNotificationSound();
    case SystemSound::Information:
    case SystemSound::Question:
        return platform::messageBeep(BeepKind::Asterisk);
    case SystemSound::Warning:
        return platform::messageBeep(BeepKind::Exclamation);
    case SystemSound::Critical:
        return platform::messageBeep(BeepKind::Hand);
    default:
        return platform::messageBeep(BeepKind::Simple);
    }
}
