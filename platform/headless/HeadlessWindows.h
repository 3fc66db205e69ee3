#pragma once
// The headless build's stand-in for the window manager: a registry of the
// hidden windows that exist and one thread message queue.

#include "platform/HiddenWindow.h"
#include "platform/MessageLoop.h"

#include <deque>
#include <vector>

namespace platform {
class NativeWindow;
}

namespace platform::headless {

// A hidden window has an `owner`; a top-level window of the toolkit has a
// `topLevel` instead.
struct WindowEntry {
    HiddenWindow* owner;
    NativeHandle handle;
    String className;
    NativeWindow* topLevel = nullptr;
};

struct WindowSystem {
    std::vector<WindowEntry> windows; // in creation order
    std::deque<Message> queue;
    uintptr_t nextHandle = 0x1000;
};

WindowSystem& windowSystem();

// The registry entry of a window, or nullptr.
WindowEntry* findWindow(NativeHandle handle);
// Runs a top-level window's procedure (the client, then the headless
// default processing).
intptr_t deliverToTopLevel(NativeWindow& window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// What TranslateMessage would post after a key-down message: the character
// message of letters, digits and a few control keys (nothing for others).
void translateKeyMessage(const Message& message);

} // namespace platform::headless
