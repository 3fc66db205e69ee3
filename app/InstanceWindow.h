#pragma once
// The invisible window through which a second copy of the program asks the
// running one to show itself. Its class name is the instance name, so the
// second copy can find it among the desktop's windows.

#include "platform/HiddenWindow.h"

#include <cstdint>

class Application;

// Sent by a second copy; forwarded (posted) to the main window.
inline constexpr uint32_t kShowRequestMessage = 0xD000;

class InstanceWindow : public platform::HiddenWindow {
public:
    InstanceWindow(Application& application, String instanceName);
    bool handleMessage(platform::MessageRecord& record) override;

    // Finds the running copy's instance window (the first invisible
    // top-level window of the instance class that is not `own`), sends it
    // the show request and waits until it is handled. False if none found.
    static bool notifyRunningCopy(StringView instanceName, NativeHandle own);

private:
    Application& m_application;
};
