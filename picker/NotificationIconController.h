#pragma once
// The main window's side of the notification icon and the show/hide hot
// key: the icon's set-up and menu ("Hide"/"Show", "Visit Home Page...",
// "Exit"), the show/hide toggle, and the window's global hot keys.
//
// The toggle hides the window only when it is shown and the only open
// window of the program; otherwise it shows it, so with the options or
// about window open it never hides the main window behind them.
//
// Ownership: owns the icon (which owns the menu) and the hot-key list; the
// window and the target are not owned and must outlive the controller.

#include "picker/NotificationIcon.h"
#include "picker/WindowHotKeys.h"
#include "ui/core/UIImage.h"
#include "ui/core/UISignal.h"
#include "ui/core/UISignalReceiver.h"

#include <cstdint>
#include <memory>

class ShowHideTarget;
class UIWidget;

class NotificationIconController : public UISignalReceiver {
public:
    static constexpr int32_t kShowHideHotKeyId = 1;
    // The menu's items.
    enum class MenuItem : int32_t { ShowHide = 0, HomePage = 1, Separator = 2, Exit = 3 };

    // Takes the window's hot-key events; the icon comes with setUp.
    NotificationIconController(UIWidget& window, ShowHideTarget& target);

    // Sent by "Exit".
    UISignal exitRequested;

    // Null until setUp.
    NotificationIcon* icon() { return m_icon.get(); }
    WindowHotKeys& hotKeys() { return m_hotKeys; }

    // After the window was first shown: adds the icon with its tooltip (the
    // application name), the small window icon and the menu, and shows it.
    // Once only; later calls do nothing.
    void setUp();
    // Item 0 as the next menu shows it: "Hide" while the window is shown
    // (enabled only when it is the only open window), else "Show".
    void updateMenu();
    void retranslate();
    void toggle();
    // The window's hot-key event: id 1 toggles.
    void hotKeyPressed(int32_t id);
    // The stored show/hide hot key (0 for none), registered when usable; a
    // refusal leaves the program without one and says nothing.
    void registerStoredHotKey(int64_t settingValue);
    bool registerHotKey(int32_t id, const HotKeyValue& hotKey);
    // Closing or minimizing hides into the notification area only when the
    // setting says so and the icon is really there to bring the window back.
    bool hidesToNotificationArea(bool setting) const
    {
        return setting && m_icon && m_icon->isAdded() && m_icon->isVisible();
    }

private:
    UIWidget& m_window;
    ShowHideTarget& m_target;
    std::unique_ptr<NotificationIcon> m_icon;
    WindowHotKeys m_hotKeys;
    UIImage m_hideImage;
    UIImage m_showImage;
};
