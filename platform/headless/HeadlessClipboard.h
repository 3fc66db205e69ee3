#pragma once
// Controls of the headless clipboard and sound, for tests. Only the
// headless build has this header's functions.

#include "platform/FileSystem.h"
#include "platform/NativeHandle.h"
#include "platform/Sound.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace platform::headless {

// Another program holds the clipboard open for `ms` of fake time from now.
void holdClipboard(uint64_t ms);
// What another program put on the clipboard: the raw block of one format
// (the content is emptied first).
void setClipboardBlock(uint32_t format, Bytes block);
std::optional<Bytes> clipboardBlock(uint32_t format);
// How often the content was replaced, and by which window last.
uint32_t clipboardChangeCount();
NativeHandle clipboardOwner();
// Empty, not held, no change counted.
void resetClipboard();

// Every sound call, in order.
struct SoundCall {
    enum class Kind { Stop, Beep, Alias } kind;
    uint32_t beep = 0;
    bool operator==(const SoundCall&) const = default;
};
const std::vector<SoundCall>& soundCalls();
void resetSoundCalls();

} // namespace platform::headless
