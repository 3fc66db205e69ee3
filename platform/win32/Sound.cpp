#include "platform/Sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace platform {

namespace {

using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);

// The sound library is loaded when a sound is first played, not with the
// program: it and what it loads in turn are a noticeable part of start-up,
// and most runs play no sound at all.
PlaySoundFunction g_playSound = nullptr;

PlaySoundFunction playSound()
{
    static const bool loaded = [] {
        if (const HMODULE library = LoadLibraryW(L"winmm.dll"))
            g_playSound =
                reinterpret_cast<PlaySoundFunction>(reinterpret_cast<void*>(GetProcAddress(library, "PlaySoundW")));
        return true;
    }();
    (void)loaded;
    return g_playSound;
}

} // namespace

// Before the library is loaded no sound of ours can be playing.
void stopSound()
{
    if (g_playSound)
        g_playSound(nullptr, nullptr, 0);
}

bool messageBeep(BeepKind kind) { return MessageBeep(UINT(kind)) != FALSE; }

bool playNotificationSound()
{
    const PlaySoundFunction play = playSound();
    return play && play(L"SystemNotification", nullptr, SND_ALIAS | SND_ASYNC) != FALSE;
}

} // namespace platform
