#include "picker/NotificationIconController.h"

#include "app/Application.h"
#include "app/Language.h"
#include "app/TranslatedTexts.h"
#include "picker/ShowHideTarget.h"
#include "platform/InputState.h"
#include "platform/Shell.h"
#include "ui/core/PackageImage.h"
#include "ui/core/UINativeWindow.h"
#include "ui/widgets/UIMenu.h"

#include <memory>

namespace {

constexpr StringView kIconImage = u"window_icon_small";
constexpr StringView kHomePageImage = u"menu_home_page";
constexpr StringView kHideImage = u"menu_hide";
constexpr StringView kShowImage = u"menu_show";
// The text item 0 has until the menu first opens.
constexpr StringView kPendingText = u"...";

UIMenuItem::Icons iconsOf(const UIImage& image) { return {image, UIImage(), UIImage(), UIImage()}; }

int32_t index(NotificationIconController::MenuItem item) { return static_cast<int32_t>(item); }

} // namespace

NotificationIconController::NotificationIconController(UIWidget& window, ShowHideTarget& target)
    : m_window(window)
    , m_target(target)
{
    window.channel(UIWidget::Channel::HotKey).connect(this, [this](UIEvent& event) {
        hotKeyPressed(static_cast<UIHotKeyEvent&>(event).id());
    });
}

void NotificationIconController::setUp()
{
    if (m_icon)
        return;
    // Made here rather than with the window: its message window and the
    // shell's round trip to add it are no part of getting the window up.
    m_icon = std::make_unique<NotificationIcon>(m_window);
    const Application* application = Application::instance();
    m_icon->setToolTip(application ? StringView(application->applicationName()) : StringView());
    m_icon->setIcon(packageImage(kIconImage));
    m_hideImage = packageImage(kHideImage);
    m_showImage = packageImage(kShowImage);

    auto menu = std::make_unique<UIMenu>(&m_window);
    menu->addItem(String(kPendingText)).setReceiver([this](UIMenuItem&) { toggle(); });
    menu->addItem(translate(Texts::NotificationIcon::visitHomePage), packageImage(kHomePageImage), UIImage(), UIImage(),
                  UIImage(), [](UIMenuItem&) {
                      if (const Application* app = Application::instance())
                          platform::openAddress(app->homePageUrl());
                  });
    menu->addSeparator();
    menu->addItem(translate(Texts::NotificationIcon::exit)).setReceiver([this](UIMenuItem&) {
        UINotifyEvent event;
        exitRequested.emit(event);
    });
    // The menu and the icon belong to this object, which outlives both.
    menu->aboutToOpen.connect([this](UIEvent&) { updateMenu(); });
    m_icon->setMenu(std::move(menu));
    m_icon->show();
    m_icon->clicked.connect([this](UIEvent& event) {
        if (static_cast<UIMouseEvent&>(event).button() == platform::LeftButton)
            toggle();
    });
}

void NotificationIconController::updateMenu()
{
    UIMenu* menu = m_icon ? m_icon->menu() : nullptr;
    if (!menu)
        return;
    UIMenuItem& item = menu->item(index(MenuItem::ShowHide));
    item.setEnabled(true);
    if (m_target.isShown()) {
        item.setText(translate(Texts::NotificationIcon::hide));
        item.setIcons(iconsOf(m_hideImage));
        item.setEnabled(m_target.isOnlyOpenWindow());
    } else {
        item.setText(translate(Texts::NotificationIcon::show));
        item.setIcons(iconsOf(m_showImage));
    }
}

void NotificationIconController::retranslate()
{
    if (UIMenu* menu = m_icon ? m_icon->menu() : nullptr) {
        menu->item(index(MenuItem::HomePage)).setText(translate(Texts::NotificationIcon::visitHomePage));
        menu->item(index(MenuItem::Exit)).setText(translate(Texts::NotificationIcon::exit));
    }
}

void NotificationIconController::toggle()
{
    if (m_target.isShown() && m_target.isOnlyOpenWindow())
        m_target.hide();
    else
        m_target.showAndRaise();
}

void NotificationIconController::hotKeyPressed(int32_t id)
{
    if (id == kShowHideHotKeyId)
        toggle();
}

void NotificationIconController::registerStoredHotKey(int64_t settingValue)
{
    registerHotKey(kShowHideHotKeyId, hotKeyFromSetting(settingValue));
}

bool NotificationIconController::registerHotKey(int32_t id, const HotKeyValue& hotKey)
{
    auto* host = dynamic_cast<UINativeWindow*>(m_window.host());
    return m_hotKeys.registerHotKey(host ? host->handle() : nullptr, id, hotKey);
}
