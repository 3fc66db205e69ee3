#pragma once
// Handing addresses to the system shell.

#include "platform/Text.h"

namespace platform {

// Asks the shell to open the address (a web address or a path) with its
// "open" verb in the default window state, as if the user had opened it.
// Returns whether the shell accepted the request; what the opened program
// then does is out of our hands.
bool openAddress(StringView address);

} // namespace platform
