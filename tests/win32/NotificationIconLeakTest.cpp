// The notification icon on the real shell leaves nothing behind: replacing
// its image a thousand times and opening and closing its menu keep every
// live handle count where it was. (The headless suite runs a thousand menu
// cycles; here each hide waits two seconds for a window manager that Xvfb
// does not have, so a few cycles stand for them.)
#include "app/Application.h"
#include "picker/NotificationIconController.h"
#include "picker/WindowShowHide.h"
#include "platform/HandleCounts.h"
#include "platform/MessageLoop.h"
#include "platform/NotificationArea.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"
#include "ui/widgets/UIMenu.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

constexpr uint32_t kRightButtonUp = 0x0205;
constexpr int kIconUpdates = 1000;
constexpr int kMenuCycles = 5;

std::array<int64_t, platform::kHandleKindCount> snapshot()
{
    std::array<int64_t, platform::kHandleKindCount> counts{};
    for (int kind = 0; kind < platform::kHandleKindCount; ++kind)
        counts[size_t(kind)] = platform::liveHandleCount(static_cast<platform::HandleKind>(kind));
    return counts;
}

} // namespace

TEST(NotificationIconLeaks, IconUpdatesAndMenusLeaveTheCountsUnchanged)
{
    auto application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
    UINativeWindow::install();
    {
        UIWindow window;
        window.resize(120, 80);
        window.show();
        WindowShowHide target(window);
        NotificationIconController controller(window, target);
        controller.setUp();
        NotificationIcon& icon = *controller.icon();
        ASSERT_TRUE(icon.isAdded());
        const uint32_t callback = platform::registerWindowMessage(NotificationIcon::kCallbackMessageName);
        UIImage images[2] = {UIImage(16, 16, true), UIImage(16, 16, true)};
        images[0].fill(0xFF2080C0u);
        images[1].fill(0x80C08020u);

        const auto cycle = [&](int menus, int updates) {
            for (int i = 0; i < menus; ++i) {
                platform::sendMessage(icon.messageWindow(), callback, NotificationIcon::kIconId, kRightButtonUp);
                platform::dispatchPendingMessages();
                ASSERT_TRUE(icon.menu()->isVisible());
                icon.menu()->setVisible(false);
                platform::dispatchPendingMessages();
            }
            for (int i = 0; i < updates; ++i)
                icon.setIcon(images[i % 2]);
        };
        // Warm-up: the menu's window and the first native icon are made once.
        cycle(1, 2);
        const auto before = snapshot();
        cycle(kMenuCycles, kIconUpdates);
        EXPECT_EQ(snapshot(), before);
    }
    platform::dispatchPendingMessages();
    UIManager::instance().setWindowHostFactory(nullptr);
}
