// Menus on the fake clock and the headless screen: hover and activation,
// submenu timing and placement, the keyboard, and the menu button's rearm.
#include "platform/headless/HeadlessInput.h"
#include "platform/headless/HeadlessScreen.h"
#include "platform/headless/HeadlessSystemInfo.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UIMenu.h"

#include <string>
#include <vector>

using namespace widgettest;

namespace {

constexpr uint32_t kShowDelay = 250;
const Rect kWorkArea{0, 0, 1000, 700};

class MenuTest : public WidgetTest {
protected:
    MenuTest()
    {
        platform::headless::setMonitorAreas({{kWorkArea, kWorkArea}});
        platform::headless::setMenuShowDelay(kShowDelay);
        window = makeWindow({300, 200});
        root = makeMenu();
        sub = makeMenu();
        root->addItem(u"Open");
        root->addItem(u"Disabled").setEnabled(false);
        root->addSeparator();
        root->addItem(u"More").setSubmenu(sub.get());
        root->addItem(u"Wrap").setCheckable(true);
        sub->addItem(u"Inner");
        root->triggered.connect([this](UIEvent& e) { record("root", e); });
        sub->triggered.connect([this](UIEvent& e) { record("sub", e); });
        root->closed.connect([this](UIEvent&) { events.push_back("root closed"); });
        sub->closed.connect([this](UIEvent&) { events.push_back("sub closed"); });
    }
    ~MenuTest() override
    {
        platform::headless::resetSystemInfo();
        platform::headless::resetMonitors();
    }

    std::unique_ptr<UIMenu> makeMenu()
    {
        auto menu = std::make_unique<UIMenu>(window.get());
        menu->setStyleProperty(u"padding", u"4,4,4,4");
        menu->setStyleProperty(u"itemPadding", u"6,3,12,3");
        menu->setStyleProperty(u"itemIconSpace", u"24");
        menu->setStyleProperty(u"itemArrowSpace", u"16");
        return menu;
    }
    void record(const std::string& menu, UIEvent& event)
    {
        const auto index = static_cast<int32_t>(static_cast<UINotifyEvent&>(event).value());
        UIMenu& holder = menu == "root" ? *root : *sub;
        events.push_back(menu + " triggered " + std::to_string(index)
                         + (holder.item(index).isChecked() ? " checked" : "")
                         + (root->isVisible() ? " while open" : ""));
    }
    static Point centreOf(const UIMenu& menu, int32_t index)
    {
        const Rect& r = menu.item(index).rect();
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    static void mouse(UIMenu& menu, UIEventType type, Point at)
    {
        UIMouseEvent event(type, 0, type == UIEventType::MouseMove ? 0u : uint32_t{platform::LeftButton}, at, 0);
        UIWidget::sendEvent(&menu, event);
    }
    static void key(UIMenu& menu, uint32_t code)
    {
        UIKeyEvent event(UIEventType::KeyPress, code, 0);
        UIWidget::sendEvent(&menu, event);
    }
    // Hovers "More" and waits out the show delay.
    void openSubmenu()
    {
        mouse(*root, UIEventType::MouseMove, centreOf(*root, 3));
        platform::headless::advanceClock(kShowDelay);
    }

    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<UIMenu> root;
    std::unique_ptr<UIMenu> sub;
    std::vector<std::string> events;
};

} // namespace

TEST_F(MenuTest, OnlyEnabledItemsAreHoveredOrActivated)
{
    struct Case {
        const char* name;
        int32_t index;
        int32_t hovered;
    };
    const Case cases[] = {{"enabled", 0, 0}, {"disabled", 1, -1}, {"separator", 2, -1}};
    for (const Case& c : cases) {
        events.clear();
        root->popup({100, 100});
        mouse(*root, UIEventType::MouseMove, centreOf(*root, c.index));
        EXPECT_EQ(root->hoveredIndex(), c.hovered) << c.name;
        root->setHoveredIndex(c.index);
        EXPECT_EQ(root->hoveredIndex(), c.hovered) << c.name << ": set directly";
        key(*root, UIMenu::kEnterKey);
        mouse(*root, UIEventType::MouseRelease, centreOf(*root, c.index));
        const std::vector<std::string> expected =
            c.hovered < 0 ? std::vector<std::string>{} : std::vector<std::string>{"root closed", "root triggered 0"};
        EXPECT_EQ(events, expected) << c.name;
        EXPECT_EQ(root->isVisible(), c.hovered < 0) << c.name;
        root->hide();
    }
}

TEST_F(MenuTest, CheckableItemFlipsAndTheChainClosesBeforeTriggered)
{
    root->popup({100, 100});
    mouse(*root, UIEventType::MouseRelease, centreOf(*root, 4));
    root->popup({100, 100});
    mouse(*root, UIEventType::MouseRelease, centreOf(*root, 4));
    root->popup({100, 100});
    openSubmenu();
    mouse(*sub, UIEventType::MouseRelease, centreOf(*sub, 0));
    EXPECT_EQ(events,
              (std::vector<std::string>{"root closed", "root triggered 4 checked", "root closed", "root triggered 4",
                                        "sub closed", "root closed", "sub triggered 0"}));
    EXPECT_FALSE(sub->isVisible());
}

TEST_F(MenuTest, SubmenuOpensAfterTheShowDelayBesideItsItem)
{
    struct Case {
        const char* name;
        Point at;
        bool onTheLeft;
    };
    const Case cases[] = {{"room on the right", {100, 100}, false},
                          {"near the right edge", {kWorkArea.right() - 150, 100}, true}};
    for (const Case& c : cases) {
        root->popup(c.at);
        mouse(*root, UIEventType::MouseMove, centreOf(*root, 3));
        platform::headless::advanceClock(kShowDelay - 1);
        EXPECT_FALSE(sub->isVisible()) << c.name << ": not before the delay";
        platform::headless::advanceClock(1);
        ASSERT_TRUE(sub->isVisible()) << c.name;
        EXPECT_EQ(root->openSubmenu(), sub.get()) << c.name;
        const Rect item = root->item(3).rect();
        const int32_t expectedX = c.onTheLeft ? root->x() - sub->width() : root->x() + item.right();
        EXPECT_EQ(sub->x(), expectedX) << c.name;
        EXPECT_EQ(sub->y(), root->y() + item.y - 4) << c.name << ": first item level with its opener";
        EXPECT_TRUE(kWorkArea.contains(sub->geometry())) << c.name;
        mouse(*root, UIEventType::MouseMove, centreOf(*root, 0));
        platform::headless::advanceClock(kShowDelay);
        EXPECT_FALSE(sub->isVisible()) << c.name << ": closed when another item is hovered";
        root->hide();
    }
}

TEST_F(MenuTest, PopupStaysInsideTheWorkAreaOfItsMonitor)
{
    const Rect second{1000, 0, 800, 600};
    platform::headless::setMonitorAreas({{kWorkArea, kWorkArea}, {second, second}});
    struct Case {
        const char* name;
        Point at;
        Rect area;
    };
    const Case cases[] = {
        {"inside", {100, 100}, kWorkArea},
        {"past the right edge", {990, 100}, kWorkArea},
        {"past the bottom opens upwards", {100, 690}, kWorkArea},
        {"second monitor's corner", {1790, 590}, second},
    };
    for (const Case& c : cases) {
        root->popup(c.at);
        EXPECT_TRUE(c.area.contains(root->geometry())) << c.name;
        if (c.area.contains(Rect{c.at.x, c.at.y, root->width(), root->height()})) {
            EXPECT_EQ(root->position(), c.at) << c.name;
        }
        root->hide();
    }
    root->popup({100, 690});
    EXPECT_EQ(root->geometry().bottom(), 690) << "above the point when there is no room below";
}

TEST_F(MenuTest, KeyboardWalksEnabledItemsAndEscapeClosesOneLevel)
{
    root->popup({100, 100});
    std::vector<int32_t> hovered;
    for (uint32_t code : {UIMenu::kDownKey, UIMenu::kDownKey, UIMenu::kDownKey, UIMenu::kDownKey, UIMenu::kUpKey}) {
        key(*root, code);
        hovered.push_back(root->hoveredIndex());
    }
    EXPECT_EQ(hovered, (std::vector<int32_t>{0, 3, 4, 0, 4})) << "disabled items and separators are skipped";
    key(*root, UIMenu::kUpKey);
    key(*root, UIMenu::kRightKey);
    ASSERT_TRUE(sub->isVisible()) << "Right opens the hovered item's submenu";
    key(*root, UIMenu::kLeftKey);
    EXPECT_FALSE(sub->isVisible()) << "Left closes it";
    EXPECT_TRUE(root->isVisible());

    openSubmenu();
    ASSERT_TRUE(sub->isVisible());
    key(*root, UIMenu::kEscapeKey);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_TRUE(root->isVisible()) << "Escape closes one level";
    key(*root, UIMenu::kEscapeKey);
    EXPECT_FALSE(root->isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"sub closed", "sub closed", "root closed"}));
}

TEST_F(MenuTest, MenuButtonOpensBelowItselfAndThePressThatClosesDoesNotReopen)
{
    UIButton button(window.get());
    button.setGeometry({20, 30, 80, 24});
    button.show();
    button.setMenu(root.get());
    const auto press = [&] {
        UIMouseEvent event(UIEventType::MousePress, platform::LeftButton, platform::LeftButton, {5, 5}, 0);
        UIWidget::sendEvent(&button, event);
        UIMouseEvent release(UIEventType::MouseRelease, 0, platform::LeftButton, {5, 5}, 0);
        UIWidget::sendEvent(&button, release);
    };
    press();
    ASSERT_TRUE(root->isVisible());
    EXPECT_EQ(root->position(), button.mapToScreen({0, button.height()}));
    EXPECT_TRUE(button.isChecked()) << "the pressed look while open";

    // The host closes the menu on the press, before the button sees it.
    root->hide();
    EXPECT_FALSE(button.isChecked());
    press();
    EXPECT_FALSE(root->isVisible()) << "the closing press does not reopen";
    platform::headless::advanceClock(UIButton::kMenuRearmDelayMs);
    press();
    EXPECT_TRUE(root->isVisible()) << "armed again after the rearm delay";
    root->hide();
}
