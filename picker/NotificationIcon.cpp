#include "picker/NotificationIcon.h"

#include "platform/InputState.h"
#include "platform/NativeWindow.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UIMenu.h"

namespace {

using platform::WindowMessageId;

UINativeWindow* nativeHostOf(const UIWidget& widget) { return dynamic_cast<UINativeWindow*>(widget.host()); }

} // namespace

NotificationIcon::NotificationIcon(UIWidget& owner) : HiddenWindow(String(kClassName)), m_owner(owner)
{
    m_taskbarCreatedMessage = platform::registerWindowMessage(kTaskbarCreatedName);
    m_callbackMessage = platform::registerWindowMessage(kCallbackMessageName);
    // The shell runs at a higher integrity level than the program may: let
    // its broadcast through.
    if (handle())
        platform::allowWindowMessage(handle(), m_taskbarCreatedMessage);
    add();
}

NotificationIcon::~NotificationIcon()
{
    m_alive.reset();
    m_menu.reset();
    m_nativeIcon.reset();
    if (m_added)
        request(platform::NotificationIconRequest::Delete, 0);
}

void NotificationIcon::show()
{
    if (m_visible)
        return;
    m_visible = true;
    request(platform::NotificationIconRequest::Modify, platform::NotificationIconState);
}

void NotificationIcon::setIcon(const UIImage& image)
{
    m_image = image;
    sendIcon();
}

void NotificationIcon::setToolTip(StringView text)
{
    m_toolTip = String(text.substr(0, platform::kNotificationToolTipCapacity - 1));
    sendToolTip();
}

void NotificationIcon::setMenu(std::unique_ptr<UIMenu> menu) { m_menu = std::move(menu); }

void NotificationIcon::add()
{
    m_added = request(platform::NotificationIconRequest::Add,
                      platform::NotificationIconCallback | platform::NotificationIconState);
}

void NotificationIcon::sendIcon()
{
    // The shell keeps showing the old icon until told otherwise, so the old
    // handle goes only after the new one was sent.
    platform::NativeIcon previous = std::move(m_nativeIcon);
    m_nativeIcon = m_image.toNativeIcon(false);
    request(platform::NotificationIconRequest::Modify, platform::NotificationIconImage);
}

void NotificationIcon::sendToolTip()
{
    request(platform::NotificationIconRequest::Modify, platform::NotificationIconToolTip);
}

bool NotificationIcon::request(platform::NotificationIconRequest kind, uint32_t fields)
{
    if (!handle())
        return false;
    const platform::NotificationIconRecord record{
        handle(), kIconId, fields, m_callbackMessage, m_nativeIcon.handle(), m_toolTip, !m_visible};
    return platform::sendNotificationIconRequest(kind, record);
}

void NotificationIcon::recreate()
{
    const bool wasVisible = m_visible;
    m_visible = false;
    m_nativeIcon.reset();
    add();
    if (!m_image.isEmpty())
        sendIcon();
    if (!m_toolTip.empty())
        sendToolTip();
    if (wasVisible)
        show();
}

bool NotificationIcon::handleMessage(platform::MessageRecord& record)
{
    if (record.message == m_taskbarCreatedMessage && m_taskbarCreatedMessage != 0) {
        recreate();
        return true;
    }
    if (record.message == m_callbackMessage && m_callbackMessage != 0) {
        if (record.wParam == kIconId)
            mouseMessage(uint32_t(record.lParam));
        return true;
    }
    return false;
}

void NotificationIcon::mouseMessage(uint32_t message)
{
    const std::weak_ptr<bool> alive = m_alive;
    const auto living = [&alive] { return !alive.expired(); };
    switch (WindowMessageId(message)) {
    case WindowMessageId::MouseMove:
        emit(moved, UIEventType::MouseMove, 0);
        break;
    case WindowMessageId::LeftButtonDown:
        emit(pressed, UIEventType::MousePress, platform::LeftButton);
        break;
    case WindowMessageId::LeftButtonUp:
        emit(released, UIEventType::MouseRelease, platform::LeftButton);
        if (living())
            emit(clicked, UIEventType::Click, platform::LeftButton);
        break;
    case WindowMessageId::RightButtonDown:
        emit(pressed, UIEventType::MousePress, platform::RightButton);
        break;
    case WindowMessageId::RightButtonUp:
        emit(released, UIEventType::MouseRelease, platform::RightButton);
        if (living())
            openMenu();
        if (living())
            emit(clicked, UIEventType::Click, platform::RightButton);
        break;
    default:
        break;
    }
}

void NotificationIcon::emit(UISignal& signal, UIEventType type, uint32_t button)
{
    UIMouseEvent event(type, platform::mouseButtonsHeld(), button, platform::cursorPosition(),
                       platform::keyboardModifiers());
    signal.emit(event);
}

void NotificationIcon::openMenu()
{
    UINativeWindow* owner = nativeHostOf(m_owner);
    if (!m_menu || (owner ? !owner->nativeWindow().isEnabled() : !m_owner.isEnabled()))
        return;
    // Without the foreground, a click elsewhere would not reach the program
    // and the menu would stay open.
    if (owner && !owner->nativeWindow().isForegroundAndActive())
        owner->nativeWindow().bringToForeground();
    m_menu->popup(platform::cursorPosition());
    // Above the taskbar, which is top-most itself.
    if (UINativeWindow* menuHost = nativeHostOf(*m_menu); menuHost && m_menu->isVisible())
        platform::raiseTopMost(menuHost->handle());
}
