#pragma once
// The icon a window keeps in the system's notification area, and the
// registered window messages that go with it.
//
// Each request carries one icon record: the window that owns the icon and
// receives its callback message, the icon's id, and the fields the request
// sets. The icon handle in a record is only referenced: the caller owns it
// and must keep it alive while the shell shows it.

#include "platform/NativeHandle.h"
#include "platform/Text.h"

#include <cstdint>

namespace platform {

// The request kinds, with the shell's own values.
enum class NotificationIconRequest : uint32_t { Add = 0, Modify = 1, Delete = 2 };

// Which fields of the record a request sets (the shell's flag values).
enum NotificationIconField : uint32_t {
    NotificationIconCallback = 0x1,
    NotificationIconImage = 0x2,
    NotificationIconToolTip = 0x4,
    NotificationIconState = 0x8,
};

// The record's tooltip buffer holds this many code units with the
// terminator: longer tooltips are cut to one less.
inline constexpr size_t kNotificationToolTipCapacity = 128;

struct NotificationIconRecord {
    NativeHandle window = nullptr;
    uint32_t id = 0;
    uint32_t fields = 0; // NotificationIconField bits
    uint32_t callbackMessage = 0;
    void* icon = nullptr;
    String toolTip;
    bool hidden = false;
};

// Sends one request to the shell; false when the shell refused it.
bool sendNotificationIconRequest(NotificationIconRequest request, const NotificationIconRecord& record);

// The process-wide number of a named window message (the same name gives
// the same number in every program); 0 on failure.
uint32_t registerWindowMessage(StringView name);
// Lets the message reach the window through the message filtering of
// systems that have one (a program of lower integrity may send it);
// nothing happens where the system does not filter.
void allowWindowMessage(NativeHandle window, uint32_t message);
// Puts the window at the top of the top-most windows without moving,
// sizing or activating it, and without reordering its owner.
void raiseTopMost(NativeHandle window);
// The system's active window of the calling thread, or null.
NativeHandle activeWindow();

} // namespace platform
