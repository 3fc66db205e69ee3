#include "platform/Sound.h"
#include "platform/headless/HeadlessClipboard.h"

namespace platform {

namespace {

std::vector<headless::SoundCall>& calls()
{
    static std::vector<headless::SoundCall> recorded;
    return recorded;
}

} // namespace

void stopSound() { calls().push_back({headless::SoundCall::Kind::Stop}); }
void messageBeep(BeepKind kind) { calls().push_back({headless::SoundCall::Kind::Beep, uint32_t(kind)}); }
void playNotificationSound() { calls().push_back({headless::SoundCall::Kind::Alias}); }

namespace headless {

const std::vector<SoundCall>& soundCalls() { return calls(); }
void resetSoundCalls() { calls().clear(); }

} // namespace headless

} // namespace platform
