#pragma once
// Controls of the headless shell, for tests. Only the headless build has
// this header's functions.

#include "platform/Text.h"

#include <vector>

namespace platform::headless {

// Every address handed to platform::openAddress since the last reset, in
// order. The headless shell opens nothing and accepts every request.
const std::vector<String>& openedAddresses();
void resetOpenedAddresses();

} // namespace platform::headless
