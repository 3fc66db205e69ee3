#pragma once
// The settings file's name and every settings key the program reads or
// writes. Keys are a group name, "/" and an item name; the file groups
// entries by the part before the last "/".

#include "platform/Text.h"

namespace SettingsKeys {

inline constexpr StringView kFileName = u"config.dat";

inline constexpr StringView kLanguage = u"general/language";
inline constexpr StringView kMinimizeToNotificationArea = u"general/minimizeToNotificationArea";
inline constexpr StringView kCloseToNotificationArea = u"general/closeToNotificationArea";
inline constexpr StringView kHotkeyShowAndHide = u"general/hotkeyShowAndHide";
inline constexpr StringView kColorFormat = u"general/colorFormat";
inline constexpr StringView kZoomFactor = u"general/zoomFactor";
inline constexpr StringView kWindowMainLeft = u"windows/windowMainLeft";
inline constexpr StringView kWindowMainTop = u"windows/windowMainTop";
inline constexpr StringView kWindowMainWidth = u"windows/windowMainWidth";
inline constexpr StringView kWindowMainHeight = u"windows/windowMainHeight";
inline constexpr StringView kWindowMainTopMost = u"windows/windowMainTopMost";

// Window geometry lives under kWindowPrefix + window name + one of the
// edge suffixes; the main window's name is kMainWindowName.
inline constexpr StringView kWindowPrefix = u"windows/window";
inline constexpr StringView kLeftSuffix = u"Left";
inline constexpr StringView kTopSuffix = u"Top";
inline constexpr StringView kWidthSuffix = u"Width";
inline constexpr StringView kHeightSuffix = u"Height";
inline constexpr StringView kMainWindowName = u"Main";

} // namespace SettingsKeys
