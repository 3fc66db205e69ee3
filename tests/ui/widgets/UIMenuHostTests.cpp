// Menus on native windows (the headless window manager natively, real
// windows under Wine): a press inside the open chain keeps it open, a press
// anywhere else closes it.
#include "app/Application.h"
#include "platform/MessageLoop.h"
#include "platform/NativeWindow.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"
#include "ui/widgets/UIMenu.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::messageNumber;
using platform::WindowMessageId;

constexpr uintptr_t kEscape = 27;

void post(UIWidget& window, WindowMessageId id, uintptr_t wParam = 0)
{
    auto* host = dynamic_cast<UINativeWindow*>(window.host());
    ASSERT_TRUE(host);
    ASSERT_TRUE(platform::postMessage(host->handle(), messageNumber(id), wParam, 0));
    platform::dispatchPendingMessages();
}

class MenuHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
        UINativeWindow::install();
        window = std::make_unique<UIWindow>();
        window->resize(200, 100);
        window->show();
        root = std::make_unique<UIMenu>(window.get());
        sub = std::make_unique<UIMenu>(window.get());
        root->addItem(u"First");
        root->addItem(u"More").setSubmenu(sub.get());
        sub->addItem(u"Inner");
        platform::dispatchPendingMessages();
    }
    void TearDown() override
    {
        sub.reset();
        root.reset();
        window.reset();
        platform::dispatchPendingMessages();
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }

    std::unique_ptr<UIWindow> window;
    std::unique_ptr<UIMenu> root;
    std::unique_ptr<UIMenu> sub;

private:
    std::unique_ptr<Application> m_application;
};

} // namespace

TEST_F(MenuHostTest, PressesInsideTheChainKeepItOpenOthersCloseIt)
{
    struct Case {
        const char* name;
        int which; // 0 root, 1 submenu, 2 the window below
        WindowMessageId message;
        uintptr_t wParam;
        bool rootOpen;
        bool subOpen;
    };
    const Case cases[] = {
        {"press on the root menu", 0, WindowMessageId::LeftButtonDown, 0, true, true},
        {"press on the submenu", 1, WindowMessageId::LeftButtonDown, 0, true, true},
        {"press on the owner window", 2, WindowMessageId::LeftButtonDown, 0, false, false},
        {"Escape in the submenu", 1, WindowMessageId::KeyDown, kEscape, true, false},
    };
    for (const Case& c : cases) {
        root->popup(window->mapToScreen({10, 10}));
        root->activate(1);
        platform::dispatchPendingMessages();
        ASSERT_TRUE(root->isVisible() && sub->isVisible()) << c.name;
        EXPECT_EQ(UINativeWindow::openPopupMenu(), root.get()) << c.name;
        UIWidget* targets[] = {root.get(), sub.get(), window.get()};
        post(*targets[c.which], c.message, c.wParam);
        EXPECT_EQ(root->isVisible(), c.rootOpen) << c.name;
        EXPECT_EQ(sub->isVisible(), c.subOpen) << c.name;
        root->hide();
        EXPECT_EQ(UINativeWindow::openPopupMenu(), nullptr) << c.name;
    }
}
