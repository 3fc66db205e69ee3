#include "platform/Sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace platform {

void stopSound() { PlaySoundW(nullptr, nullptr, 0); }
void messageBeep(BeepKind kind) { MessageBeep(UINT(kind)); }
void playNotificationSound() { PlaySoundW(L"SystemNotification", nullptr, SND_ALIAS | SND_ASYNC); }

} // namespace platform
