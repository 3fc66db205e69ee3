#pragma once
// The thread's native message queue: what the event service's loops are
// built on. Windows are addressed by opaque handles.

#include "platform/NativeHandle.h"

#include <cstdint>

namespace platform {

struct Message {
    NativeHandle window = nullptr;
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

enum class WaitResult { Message, Quit, Error };

// Blocks until the thread has a message (no window filter, no range).
WaitResult waitMessage(Message& message);
// Translates keyboard input, then hands the message to its window.
void dispatchMessage(const Message& message);
bool postMessage(NativeHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// Delivers at once and waits for the result.
intptr_t sendMessage(NativeHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
void postQuitMessage(int exitCode);

uint32_t currentThreadId();

// OLE for the calling thread (drag-and-drop needs it). On Windows it starts
// from the message loop's first timer tick, once the first window is up;
// drop targets made before then are registered when it starts. False when
// it could not start.
bool initialiseOle();
void uninitialiseOle();

} // namespace platform

namespace platform {
// Removes a quit request still waiting in the thread's queue, so a loop
// started later is not ended by a request meant for an earlier one.
void discardPendingQuit();
} // namespace platform
