#include "app/InstanceWindow.h"
#include "app/Application.h"
#include "platform/MessageLoop.h"
#include "platform/TopLevelWindows.h"

InstanceWindow::InstanceWindow(Application& application, String instanceName)
    : HiddenWindow(std::move(instanceName))
    , m_application(application)
{}

bool InstanceWindow::handleMessage(platform::MessageRecord& record)
{
    if (record.message != kShowRequestMessage)
        return false;
    if (NativeHandle mainWindow = m_application.mainWindowHandle())
        platform::postMessage(mainWindow, kShowRequestMessage, record.wParam, record.lParam);
    record.result = 0;
    return true;
}

bool InstanceWindow::notifyRunningCopy(StringView instanceName, NativeHandle own)
{
    NativeHandle target = nullptr;
    platform::enumerateTopLevelWindows([&](NativeHandle window) {
        if (window != own && !platform::isWindowVisible(window) && platform::windowClassName(window) == instanceName) {
            target = window;
            return false;
        }
        return true;
    });
    if (!target)
        return false;
    platform::sendMessage(target, kShowRequestMessage, 0, 0);
    return true;
}
