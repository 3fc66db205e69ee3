#include "platform/Sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace platform {

void stopSound() { PlaySoundW(nullptr, nullptr, 0); }
bool messageBeep(BeepKind kind) { return MessageBeep(UINT(kind)) != FALSE; }
bool playNotificationSound() { return PlaySoundW(L"SystemNotification", nullptr, SND_ALIAS | SND_ASYNC) != FALSE; }

} // namespace platform
