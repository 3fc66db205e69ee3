#pragma once
// Controls of the headless notification area and global hot keys, for
// tests: the requests the program made, the icons the "shell" shows, and
// the user's side (clicking an icon, restarting the taskbar, pressing a hot
// key). Only the headless build has this header's functions.

#include "platform/NotificationArea.h"

#include <optional>
#include <vector>

namespace platform::headless {

struct NotificationIconCall {
    NotificationIconRequest request;
    NotificationIconRecord record;
};

// Every icon request since the last reset, in order (refused ones too).
const std::vector<NotificationIconCall>& notificationIconCalls();
void resetNotificationIconCalls();
// With false, every request is refused (no notification area).
void setNotificationAreaAvailable(bool available);
// The icon as the shell holds it now: the fields of its add and modify
// requests merged; nothing once deleted or before it was added.
std::optional<NotificationIconRecord> shownNotificationIcon(NativeHandle window, uint32_t id);
// The shell forgets every icon and sends "TaskbarCreated" to every window.
void restartTaskbar();
// Sends the icon's callback message for a mouse message number
// (WindowMessageId values) as the shell does: the icon id first, the mouse
// message second. False when no such icon is held.
bool sendIconMouseMessage(NativeHandle window, uint32_t id, uint32_t mouseMessage);
bool isWindowMessageAllowed(NativeHandle window, uint32_t message);
// Every window handed to raiseTopMost, in order.
const std::vector<NativeHandle>& topMostRaises();

struct GlobalHotKeyRegistration {
    NativeHandle window;
    int32_t id;
    uint32_t systemModifiers;
    uint32_t key;
};
// The hot keys registered now, in registration order.
const std::vector<GlobalHotKeyRegistration>& globalHotKeys();
// Sends the hot-key message to the window that registered the combination;
// false when none did.
bool pressGlobalHotKey(uint32_t systemModifiers, uint32_t key);

} // namespace platform::headless
