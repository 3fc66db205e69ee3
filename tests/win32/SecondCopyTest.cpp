// Starts the real program while this test plays the running copy: the
// program must end with exit code -1 and our main window must be asked to
// show itself (message 0xD000, both parameters 0).
#include "app/Application.h"
#include "app/InstanceGuard.h"
#include "app/InstanceWindow.h"
#include "app/ProductInfo.h"
#include "platform/FileSystem.h"
#include "platform/HiddenWindow.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

class MainWindowStandIn : public platform::HiddenWindow {
public:
    MainWindowStandIn() : HiddenWindow(u"TintscopeTestMainWindow") {}
    int requests = 0;
    bool parametersZero = true;
    bool handleMessage(platform::MessageRecord& record) override
    {
        if (record.message != kShowRequestMessage)
            return false;
        ++requests;
        parametersZero = parametersZero && record.wParam == 0 && record.lParam == 0;
        return true;
    }
};

String programPath() { return platform::joinPath(platform::folderOf(platform::executablePath()), u"tintscope.exe"); }

// Starts the program and pumps our messages until it ends (it waits for
// our instance window to answer its request).
DWORD runProgramToEnd()
{
    String commandLine = u"\"" + programPath() + u"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(commandLine.data()), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return 0xDEADBEEF;
    const DWORD deadline = GetTickCount() + 30000;
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0
           && GetTickCount() < deadline) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    DWORD exitCode = 0xDEADBEEF;
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    else
        GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

TEST(SecondCopy, EndsWithMinusOneAndAsksTheRunningCopyToShowItself)
{
    ASSERT_EQ(platform::pathKind(programPath()), platform::PathKind::File);
    Application running(kProductName, kProductVersion);
    ASSERT_EQ(running.instanceGuard().state(), InstanceGuard::State::FirstCopy);
    MainWindowStandIn mainWindow;
    running.setMainWindowHandle(mainWindow.handle());

    EXPECT_EQ(runProgramToEnd(), DWORD(-1));

    // The request was posted to the main window; deliver what is queued.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    EXPECT_EQ(mainWindow.requests, 1);
    EXPECT_TRUE(mainWindow.parametersZero);
}

} // namespace
