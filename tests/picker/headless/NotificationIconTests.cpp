// The notification icon and the show/hide hot key on the headless shell:
// the toggle from every trigger, the menu's first item, hot-key
// registration, and the icon surviving a taskbar restart.
#include "app/Application.h"
#include "app/HotKeyValue.h"
#include "picker/NotificationIconController.h"
#include "picker/WindowShowHide.h"
#include "platform/GlobalHotKeys.h"
#include "platform/HandleCounts.h"
#include "platform/MessageLoop.h"
#include "platform/NativeWindow.h"
#include "platform/headless/HeadlessInput.h"
#include "platform/headless/HeadlessNotificationArea.h"
#include "platform/headless/HeadlessShell.h"
#include "ui/core/PackageImage.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"
#include "ui/widgets/UIMenu.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

using platform::WindowMessageId;
namespace headless = platform::headless;

constexpr uint32_t kF5 = 0x74;
constexpr uint32_t kF12 = 0x7B;
constexpr uint32_t kA = 0x41;
constexpr int64_t kControlShiftF12 = 12884902011;

class NotificationIconTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
        m_application->setHomePageUrl(u"https://tintscope.example/");
        UINativeWindow::install();
        headless::setNotificationAreaAvailable(true);
        headless::resetOpenedAddresses();
        window = makeWindow();
        target = std::make_unique<WindowShowHide>(*window);
        controller = std::make_unique<NotificationIconController>(*window, *target);
        controller->exitRequested.connect([this](UIEvent&) { ++exits; });
        controller->setUp();
        settle();
    }
    void TearDown() override
    {
        controller.reset();
        other.reset();
        window.reset();
        settle();
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }

    static std::unique_ptr<UIWindow> makeWindow()
    {
        auto made = std::make_unique<UIWindow>();
        made->resize(120, 80);
        made->show();
        return made;
    }
    static void settle() { platform::dispatchPendingMessages(); }
    NativeHandle iconWindow() { return controller->icon()->messageWindow(); }
    void clickIcon(WindowMessageId up)
    {
        const auto down =
            up == WindowMessageId::LeftButtonUp ? WindowMessageId::LeftButtonDown : WindowMessageId::RightButtonDown;
        ASSERT_TRUE(headless::sendIconMouseMessage(iconWindow(), NotificationIcon::kIconId, uint32_t(down)));
        ASSERT_TRUE(headless::sendIconMouseMessage(iconWindow(), NotificationIcon::kIconId, uint32_t(up)));
        settle();
    }
    UIMenu& menu() { return *controller->icon()->menu(); }

    std::unique_ptr<UIWindow> window;
    std::unique_ptr<UIWindow> other;
    std::unique_ptr<WindowShowHide> target;
    std::unique_ptr<NotificationIconController> controller;
    int exits = 0;

private:
    std::unique_ptr<Application> m_application;
};

} // namespace

TEST_F(NotificationIconTest, ToggleHidesOnlyAShownLoneWindowFromEveryTrigger)
{
    enum class Trigger { LeftClick, MenuItem, HotKey };
    struct Case {
        const char* name;
        Trigger trigger;
        bool shown;
        bool otherOpen;
        bool shownAfter;
    };
    const Case cases[] = {
        {"left click, shown alone", Trigger::LeftClick, true, false, false},
        {"left click, hidden", Trigger::LeftClick, false, false, true},
        {"left click, another window open", Trigger::LeftClick, true, true, true},
        {"menu item, shown alone", Trigger::MenuItem, true, false, false},
        {"menu item, hidden with another window", Trigger::MenuItem, false, true, true},
        {"hot key, shown alone", Trigger::HotKey, true, false, false},
        {"hot key, another window open", Trigger::HotKey, true, true, true},
        {"hot key, hidden", Trigger::HotKey, false, false, true},
    };
    controller->registerStoredHotKey(kControlShiftF12);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->setVisible(c.shown);
        other = c.otherOpen ? makeWindow() : nullptr;
        settle();
        switch (c.trigger) {
        case Trigger::LeftClick:
            clickIcon(WindowMessageId::LeftButtonUp);
            break;
        case Trigger::MenuItem:
            clickIcon(WindowMessageId::RightButtonUp);
            ASSERT_TRUE(menu().isVisible());
            menu().activate(0);
            break;
        case Trigger::HotKey:
            ASSERT_TRUE(headless::pressGlobalHotKey(platform::HotKeySystemControl | platform::HotKeySystemShift, kF12));
            break;
        }
        settle();
        EXPECT_EQ(window->isVisible(), c.shownAfter);
        EXPECT_TRUE(!other || other->isVisible());
    }
}

TEST_F(NotificationIconTest, FirstMenuItemFollowsTheWindowWhenTheMenuOpens)
{
    struct Case {
        const char* name;
        bool shown;
        bool otherOpen;
        const char16_t* text;
        bool hideIcon;
        bool enabled;
    };
    const Case cases[] = {
        {"shown alone", true, false, u"Hide", true, true},
        {"shown beside another window", true, true, u"Hide", true, false},
        {"hidden", false, false, u"Show", false, true},
        {"hidden beside another window", false, true, u"Show", false, true},
    };
    EXPECT_EQ(menu().item(0).text(), u"...");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->setVisible(c.shown);
        other = c.otherOpen ? makeWindow() : nullptr;
        settle();
        clickIcon(WindowMessageId::RightButtonUp);
        ASSERT_TRUE(menu().isVisible());
        const UIMenuItem& item = menu().item(0);
        EXPECT_EQ(item.text(), c.text);
        EXPECT_EQ(item.isEnabled(), c.enabled);
        const UIImage& expected = c.hideIcon ? packageImage(u"menu_hide") : packageImage(u"menu_show");
        EXPECT_EQ(item.icon(UIMenuItem::IconState::Normal).size(), expected.size());
        menu().setVisible(false);
    }
}

TEST_F(NotificationIconTest, MenuOpensAtThePointerOnlyWhileTheWindowIsEnabled)
{
    headless::setCursorPosition({300, 200});
    window->disable();
    settle();
    clickIcon(WindowMessageId::RightButtonUp);
    EXPECT_FALSE(menu().isVisible());

    window->enable();
    settle();
    clickIcon(WindowMessageId::RightButtonUp);
    ASSERT_TRUE(menu().isVisible());
    EXPECT_EQ(menu().position(), Point(300, 200));
    ASSERT_FALSE(headless::topMostRaises().empty());
    EXPECT_EQ(headless::topMostRaises().back(), dynamic_cast<UINativeWindow&>(*menu().host()).handle());

    menu().activate(int32_t(NotificationIconController::MenuItem::HomePage));
    settle();
    ASSERT_EQ(headless::openedAddresses().size(), 1u);
    EXPECT_EQ(headless::openedAddresses()[0], u"https://tintscope.example/");
    menu().activate(int32_t(NotificationIconController::MenuItem::Exit));
    settle();
    EXPECT_EQ(exits, 1);
}

TEST_F(NotificationIconTest, HotKeysRegisterOnlyWhenUsable)
{
    const uint32_t control = uint32_t(HotKeyModifier::Control);
    struct Case {
        const char* name;
        int32_t id;
        HotKeyValue hotKey;
        bool registered;
    };
    const Case cases[] = {
        {"F5 alone", 2, {0, kF5, 0}, true},
        {"a letter alone", 3, {0, kA, 0}, false},
        {"Control+A", 4, {0, kA, control}, true},
        {"no key", 5, {0, 0, control}, false},
        {"an id above 0xBFFF", 0xC000, {0, kF12, 0}, false},
        {"an id already registered", 2, {0, kF12, control}, false},
        {"a negative id", -1, {0, kF12, control}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t before = headless::globalHotKeys().size();
        EXPECT_EQ(controller->registerHotKey(c.id, c.hotKey), c.registered);
        EXPECT_EQ(headless::globalHotKeys().size(), before + (c.registered ? 1 : 0));
    }
}

TEST_F(NotificationIconTest, StoredHotKeyRegistersSilentlyAndGoesWithTheController)
{
    EXPECT_EQ(hotKeyToSetting({0, kF12, uint32_t(HotKeyModifier::Control) | uint32_t(HotKeyModifier::Shift)}),
              kControlShiftF12);
    controller->registerStoredHotKey(kA); // "A" alone: nothing, and no complaint
    EXPECT_TRUE(headless::globalHotKeys().empty());
    controller->registerStoredHotKey(kControlShiftF12);
    ASSERT_EQ(headless::globalHotKeys().size(), 1u);
    const auto& registered = headless::globalHotKeys()[0];
    EXPECT_EQ(registered.id, NotificationIconController::kShowHideHotKeyId);
    EXPECT_EQ(registered.key, kF12);
    EXPECT_EQ(registered.systemModifiers, platform::HotKeySystemControl | platform::HotKeySystemShift);

    const NativeHandle icon = iconWindow();
    controller.reset();
    EXPECT_TRUE(headless::globalHotKeys().empty());
    EXPECT_FALSE(headless::shownNotificationIcon(icon, NotificationIcon::kIconId));
}

TEST_F(NotificationIconTest, TaskbarRestartBringsTheIconBackAsItWas)
{
    const String longTip(200, u'x');
    for (const bool visible : {true, false}) {
        SCOPED_TRACE(visible ? "visible" : "hidden");
        controller.reset();
        NotificationIcon icon(*window);
        EXPECT_TRUE(
            headless::isWindowMessageAllowed(icon.messageWindow(), platform::registerWindowMessage(u"TaskbarCreated")));
        icon.setToolTip(longTip);
        if (visible)
            icon.show();
        headless::resetNotificationIconCalls();
        headless::restartTaskbar();
        const auto shown = headless::shownNotificationIcon(icon.messageWindow(), NotificationIcon::kIconId);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->toolTip, longTip.substr(0, 127));
        EXPECT_EQ(shown->hidden, !visible);
        EXPECT_EQ(icon.isVisible(), visible);
        bool iconSent = false;
        for (const auto& call : headless::notificationIconCalls())
            iconSent |= (call.record.fields & platform::NotificationIconImage) != 0;
        EXPECT_EQ(iconSent, !icon.icon().isEmpty());
    }
}

TEST_F(NotificationIconTest, WithoutANotificationAreaClosingDoesNotHide)
{
    EXPECT_TRUE(controller->hidesToNotificationArea(true));
    EXPECT_FALSE(controller->hidesToNotificationArea(false));
    controller.reset();
    headless::setNotificationAreaAvailable(false);
    controller = std::make_unique<NotificationIconController>(*window, *target);
    EXPECT_FALSE(controller->hidesToNotificationArea(true));
}

TEST_F(NotificationIconTest, AThousandMenusAndIconUpdatesLeaveNothingBehind)
{
    UIImage images[2] = {UIImage(16, 16, true), UIImage(16, 16, true)};
    images[0].fill(0xFF2080C0u);
    images[1].fill(0x80C08020u);
    const auto cycle = [&](int rounds) {
        for (int i = 0; i < rounds; ++i) {
            clickIcon(WindowMessageId::RightButtonUp);
            ASSERT_TRUE(menu().isVisible());
            menu().setVisible(false);
            controller->icon()->setIcon(images[i % 2]);
        }
        settle();
    };
    cycle(2);
    const size_t widgets = UIManager::instance().widgetCount();
    std::array<int64_t, platform::kHandleKindCount> before{};
    for (int kind = 0; kind < platform::kHandleKindCount; ++kind)
        before[size_t(kind)] = platform::liveHandleCount(static_cast<platform::HandleKind>(kind));
    cycle(1000);
    EXPECT_EQ(UIManager::instance().widgetCount(), widgets);
    for (int kind = 0; kind < platform::kHandleKindCount; ++kind)
        EXPECT_EQ(platform::liveHandleCount(static_cast<platform::HandleKind>(kind)), before[size_t(kind)]);
}
