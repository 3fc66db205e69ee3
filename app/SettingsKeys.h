#pragma once
// The settings file's name and every settings key the program reads or
// writes. Keys are a group name, "/" and an item name; the file groups
// entries by the part before the last "/".

#include "platform/Text.h"

namespace SettingsKeys {

inline constexpr StringView FileName = u"config.dat";

inline constexpr StringView Language = u"general/language";
inline constexpr StringView MinimizeToNotificationArea = u"general/minimizeToNotificationArea";
inline constexpr StringView CloseToNotificationArea = u"general/closeToNotificationArea";
inline constexpr StringView HotkeyShowAndHide = u"general/hotkeyShowAndHide";
inline constexpr StringView ColorFormat = u"general/colorFormat";
inline constexpr StringView ZoomFactor = u"general/zoomFactor";
inline constexpr StringView WindowMainLeft = u"windows/windowMainLeft";
inline constexpr StringView WindowMainTop = u"windows/windowMainTop";
inline constexpr StringView WindowMainWidth = u"windows/windowMainWidth";
inline constexpr StringView WindowMainHeight = u"windows/windowMainHeight";
inline constexpr StringView WindowMainTopMost = u"windows/windowMainTopMost";

// Window geometry lives under WindowPrefix + window name + one of the
// edge suffixes; the main window's name is MainWindowName.
inline constexpr StringView WindowPrefix = u"windows/window";
inline constexpr StringView LeftSuffix = u"Left";
inline constexpr StringView TopSuffix = u"Top";
inline constexpr StringView WidthSuffix = u"Width";
inline constexpr StringView HeightSuffix = u"Height";
inline constexpr StringView MainWindowName = u"Main";

} // namespace SettingsKeys
