#include "platform/MessageLoop.h"
#include "platform/NotificationArea.h"
#include "platform/headless/HeadlessNotificationArea.h"
#include "platform/headless/HeadlessWindows.h"

#include <algorithm>
#include <map>
#include <utility>

namespace platform {

namespace {

constexpr uint32_t kFirstRegisteredMessage = 0xC000;

struct NotificationArea {
    std::vector<headless::NotificationIconCall> calls;
    std::map<std::pair<NativeHandle, uint32_t>, NotificationIconRecord> icons;
    std::map<String, uint32_t> registeredMessages;
    std::vector<std::pair<NativeHandle, uint32_t>> allowed;
    std::vector<NativeHandle> raised;
    bool available = true;
};

NotificationArea& area()
{
    static NotificationArea instance;
    return instance;
}

void merge(NotificationIconRecord& held, const NotificationIconRecord& request)
{
    if (request.fields & NotificationIconCallback)
        held.callbackMessage = request.callbackMessage;
    if (request.fields & NotificationIconImage)
        held.icon = request.icon;
    if (request.fields & NotificationIconToolTip)
        held.toolTip = request.toolTip.substr(0, kNotificationToolTipCapacity - 1);
    if (request.fields & NotificationIconState)
        held.hidden = request.hidden;
    held.fields |= request.fields;
}

} // namespace

bool sendNotificationIconRequest(NotificationIconRequest request, const NotificationIconRecord& record)
{
    NotificationArea& state = area();
    state.calls.push_back({request, record});
    if (!state.available)
        return false;
    const auto key = std::make_pair(record.window, record.id);
    const auto held = state.icons.find(key);
    switch (request) {
    case NotificationIconRequest::Add: {
        if (held != state.icons.end())
            return false;
        NotificationIconRecord added{record.window, record.id, 0, 0, nullptr, {}, false};
        merge(added, record);
        state.icons.emplace(key, std::move(added));
        return true;
    }
    case NotificationIconRequest::Modify:
        if (held == state.icons.end())
            return false;
        merge(held->second, record);
        return true;
    case NotificationIconRequest::Delete:
        if (held == state.icons.end())
            return false;
        state.icons.erase(held);
        return true;
    }
    return false;
}

uint32_t registerWindowMessage(StringView name)
{
    auto& messages = area().registeredMessages;
    const auto found = messages.find(String(name));
    if (found != messages.end())
        return found->second;
    const auto number = kFirstRegisteredMessage + uint32_t(messages.size());
    messages.emplace(String(name), number);
    return number;
}

void allowWindowMessage(NativeHandle window, uint32_t message) { area().allowed.emplace_back(window, message); }

void raiseTopMost(NativeHandle window) { area().raised.push_back(window); }

NativeHandle activeWindow() { return nullptr; }

namespace headless {

const std::vector<NotificationIconCall>& notificationIconCalls() { return area().calls; }

void resetNotificationIconCalls() { area().calls.clear(); }

void setNotificationAreaAvailable(bool available) { area().available = available; }

std::optional<NotificationIconRecord> shownNotificationIcon(NativeHandle window, uint32_t id)
{
    const auto found = area().icons.find({window, id});
    if (found == area().icons.end())
        return std::nullopt;
    return found->second;
}

void restartTaskbar()
{
    area().icons.clear();
    const uint32_t message = registerWindowMessage(u"TaskbarCreated");
    std::vector<NativeHandle> handles;
    for (const WindowEntry& entry : windowSystem().windows)
        handles.push_back(entry.handle);
    // A window that goes while another one handles the message is skipped.
    for (NativeHandle handle : handles)
        if (findWindow(handle))
            sendMessage(handle, message, 0, 0);
}

bool sendIconMouseMessage(NativeHandle window, uint32_t id, uint32_t mouseMessage)
{
    const auto icon = shownNotificationIcon(window, id);
    if (!icon || !icon->callbackMessage)
        return false;
    sendMessage(window, icon->callbackMessage, id, intptr_t(mouseMessage));
    return true;
}

bool isWindowMessageAllowed(NativeHandle window, uint32_t message)
{
    const auto& allowed = area().allowed;
    return std::find(allowed.begin(), allowed.end(), std::make_pair(window, message)) != allowed.end();
}

const std::vector<NativeHandle>& topMostRaises() { return area().raised; }

} // namespace headless

} // namespace platform
