#include "platform/Shell.h"
#include "platform/headless/HeadlessShell.h"

namespace platform {

namespace {

std::vector<String>& opened()
{
    static std::vector<String> addresses;
    return addresses;
}

} // namespace

bool openAddress(StringView address)
{
    opened().emplace_back(address);
    return true;
}

namespace headless {

const std::vector<String>& openedAddresses() { return opened(); }

void resetOpenedAddresses() { opened().clear(); }

} // namespace headless

} // namespace platform
