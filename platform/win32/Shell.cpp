#include "platform/Shell.h"
#include "platform/win32/Wide.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

bool openAddress(StringView address)
{
    const String target(address);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", win32::wide(target), nullptr, nullptr, SW_SHOWDEFAULT);
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace platform
