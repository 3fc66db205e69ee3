#include "platform/Clipboard.h"
#include "platform/Clock.h"

namespace platform {

std::unique_ptr<Clipboard> Clipboard::open(NativeHandle owner)
{
    if (!owner)
        return nullptr;
    for (int32_t attempt = 1;; ++attempt) {
        if (std::unique_ptr<Clipboard> clipboard = tryOpen(owner))
            return clipboard;
        if (attempt == kOpenAttempts)
            return nullptr;
        sleepMilliseconds(kOpenRetryMs);
    }
}

} // namespace platform
