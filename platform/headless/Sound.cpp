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
bool messageBeep(BeepKind kind)
{
    calls().push_back({headless::SoundCall::Kind::Beep, uint32_t(kind)});
    return true;
}

bool playNotificationSound()
{
    calls().push_back({headless::SoundCall::Kind::Alias});
    return true;
}

namespace headless {

const std::vector<SoundCall>& soundCalls() { return calls(); }
void resetSoundCalls() { calls().clear(); }

} // namespace headless

} // namespace platform
