#pragma once
// The headless build's stand-in for the window manager: a registry of the
// hidden windows that exist and one thread message queue.

#include "platform/HiddenWindow.h"
#include "platform/MessageLoop.h"

#include <deque>
#include <vector>

namespace platform::headless {

struct WindowEntry {
    HiddenWindow* owner;
    NativeHandle handle;
    String className;
};

struct WindowSystem {
    std::vector<WindowEntry> windows; // in creation order
    std::deque<Message> queue;
    uintptr_t nextHandle = 0x1000;
};

WindowSystem& windowSystem();

} // namespace platform::headless
