#pragma once
// NotificationIcon: the program's icon in the system's notification area
// (icon id 1), hosted by a hidden message window that receives its
// callback messages and the shell's "TaskbarCreated" broadcast.
//
// The icon is added hidden when the host is made and deleted when it goes;
// `show` makes it appear. Mouse activity on the icon reaches the owner as
// UIMouseEvents on the four signals, each with the pointer's screen
// position, the buttons held and the keyboard modifiers at that moment. A
// right click opens the context menu at the pointer, unless the owner's
// window is disabled.
//
// Ownership: the host owns its message window, the native icon made from
// the image and the menu. The owner window is not owned and must outlive
// the host.

#include "platform/HiddenWindow.h"
#include "platform/NativeIcon.h"
#include "platform/NotificationArea.h"
#include "platform/Text.h"
#include "ui/core/UIEvent.h"
#include "ui/core/UIImage.h"
#include "ui/core/UISignal.h"

#include <cstdint>
#include <memory>

class UIMenu;
class UIWidget;

class NotificationIcon : private platform::HiddenWindow {
public:
    static constexpr StringView kClassName = u"C97B81D7-852C-45cc-9F97-597D225C9B3E";
    static constexpr StringView kCallbackMessageName = u"D2F33579-5A5F-43ff-8E19-74B1974E8488";
    static constexpr StringView kTaskbarCreatedName = u"TaskbarCreated";
    static constexpr uint32_t kIconId = 1;

    explicit NotificationIcon(UIWidget& owner);
    ~NotificationIcon() override;

    // Types MouseMove, MousePress, MouseRelease and Click.
    UISignal moved;
    UISignal pressed;
    UISignal released;
    UISignal clicked;

    // Whether the shell took the icon (false without a notification area).
    bool isAdded() const { return m_added; }
    bool isVisible() const { return m_visible; }
    void show();
    void setIcon(const UIImage& image);
    const UIImage& icon() const { return m_image; }
    // Cut to what the shell shows (127 code units).
    void setToolTip(StringView text);
    const String& toolTip() const { return m_toolTip; }
    // Replaces (and destroys) the previous menu.
    void setMenu(std::unique_ptr<UIMenu> menu);
    UIMenu* menu() const { return m_menu.get(); }
    // The message window's handle (null when it could not be made).
    NativeHandle messageWindow() const { return handle(); }

private:
    bool handleMessage(platform::MessageRecord& record) override;
    void mouseMessage(uint32_t message);
    void emit(UISignal& signal, UIEventType type, uint32_t button);
    void openMenu();
    void recreate();
    bool request(platform::NotificationIconRequest kind, uint32_t fields);
    void add();
    void sendIcon();
    void sendToolTip();

    UIWidget& m_owner;
    uint32_t m_callbackMessage = 0;
    uint32_t m_taskbarCreatedMessage = 0;
    bool m_added = false;
    bool m_visible = false;
    UIImage m_image;
    platform::NativeIcon m_nativeIcon;
    String m_toolTip;
    std::unique_ptr<UIMenu> m_menu;
    // Released when the host goes, so a handler that destroyed it is noticed.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
