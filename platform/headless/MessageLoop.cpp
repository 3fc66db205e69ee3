#include "platform/headless/HeadlessWindows.h"
#include "platform/MessageLoop.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
constexpr uint32_t kQuitMessage = 0x0012;
}

namespace headless {
WindowSystem& windowSystem()
{
    static WindowSystem system;
    return system;
}

WindowEntry* findWindow(NativeHandle handle)
{
    for (auto& entry : windowSystem().windows)
        if (entry.handle == handle)
            return &entry;
    return nullptr;
}
} // namespace headless

WaitResult waitMessage(Message& message)
{
    auto& queue = headless::windowSystem().queue;
    if (queue.empty()) {
        // A real loop would block for ever here: in a test that is a bug.
        std::fputs("headless message loop: waiting on an empty queue would never return\n", stderr);
        std::abort();
    }
    message = queue.front();
    queue.pop_front();
    return message.message == kQuitMessage ? WaitResult::Quit : WaitResult::Message;
}

void dispatchMessage(const Message& message)
{
    headless::translateKeyMessage(message);
    sendMessage(message.window, message.message, message.wParam, message.lParam);
}

bool postMessage(NativeHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (window && !headless::findWindow(window))
        return false;
    headless::windowSystem().queue.push_back({window, message, wParam, lParam});
    return true;
}

intptr_t sendMessage(NativeHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (HiddenWindow* owner = HiddenWindow::owner(window)) {
        MessageRecord record{window, message, wParam, lParam, 0};
        if (owner->handleMessage(record))
            return record.result;
    } else if (headless::WindowEntry* entry = headless::findWindow(window); entry && entry->topLevel) {
        return headless::deliverToTopLevel(*entry->topLevel, message, wParam, lParam);
    }
    return 0;
}

void postQuitMessage(int exitCode)
{
    headless::windowSystem().queue.push_back({nullptr, kQuitMessage, uintptr_t(exitCode), 0});
}

uint32_t currentThreadId() { return 1; }

bool initialiseOle() { return true; }

void uninitialiseOle() {}

} // namespace platform

namespace platform {
void discardPendingQuit()
{
    std::erase_if(headless::windowSystem().queue, [](const Message& m) { return m.message == kQuitMessage; });
}
} // namespace platform
