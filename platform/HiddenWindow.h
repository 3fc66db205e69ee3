#pragma once
// An invisible helper window that routes its messages to an owner object.
//
// The window is created at (-10000, -10000) with size 0 x 0, never shown,
// and its class is registered for it and unregistered with it. Messages go
// to handleMessage(); unhandled ones get the system's default processing.
//
// A window that only receives what is posted or sent to it by handle can be
// message-only: it is then no top-level window at all (cheaper to make, on
// Wine no X window), but other programs cannot find it by its class and
// broadcasts do not reach it.

#include "platform/NativeHandle.h"
#include "platform/Text.h"

#include <cstdint>

namespace platform {

struct MessageRecord {
    NativeHandle window = nullptr;
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
    intptr_t result = 0;
};

class HiddenWindow {
public:
    enum class Reach {
        // A top-level window: findable by class, reached by broadcasts.
        TopLevel,
        // Reached only through its handle.
        MessageOnly,
    };

    explicit HiddenWindow(String className, Reach reach = Reach::TopLevel);
    virtual ~HiddenWindow();

    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

    // Returns true when the message was handled; record.result is then
    // the window procedure's answer.
    virtual bool handleMessage(MessageRecord& record) = 0;

    const String& className() const { return m_className; }
    // nullptr when the window could not be created.
    NativeHandle handle() const { return m_handle; }

    // Called by the window procedure; finds the owner of a window.
    static HiddenWindow* owner(NativeHandle window);

private:
    String m_className;
    NativeHandle m_handle = nullptr;
};

} // namespace platform
