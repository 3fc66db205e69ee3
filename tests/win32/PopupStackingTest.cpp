// Top-most popups owned by a normal window, as a menu and its submenu are:
// whichever was shown last lies above the others and above their owner
// wherever they overlap, so the pointer there reaches it.
#include "app/Application.h"
#include "platform/MessageLoop.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

namespace {

constexpr Rect kOwnerPlace{100, 100, 300, 200};
constexpr Size kPopupSize{120, 80};
// Two corners inside the owner, so the popups overlap it and each other.
constexpr Point kPopupPlaces[] = {{150, 150}, {190, 170}};
constexpr Point kOverlap{200, 180};

HWND handleOf(const UIWidget& window) { return HWND(dynamic_cast<UINativeWindow&>(*window.host()).handle()); }

class PopupStackingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
        UINativeWindow::install();
        owner = std::make_unique<UIWindow>();
        owner->setGeometry(kOwnerPlace);
        owner->show();
        for (const Point at : kPopupPlaces) {
            auto popup = std::make_unique<UIWidget>(owner.get());
            popup->setFlag(UIWidget::Flag::Window, true);
            popup->host()->setWindowType(WindowType::Popup | WindowType::TopMost);
            popup->create(u"UIWidget");
            popup->setGeometry({at.x, at.y, kPopupSize.width, kPopupSize.height});
            popups.push_back(std::move(popup));
        }
        platform::dispatchPendingMessages();
    }
    void TearDown() override
    {
        popups.clear();
        owner.reset();
        platform::dispatchPendingMessages();
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }

    std::unique_ptr<UIWindow> owner;
    std::vector<std::unique_ptr<UIWidget>> popups;

private:
    std::unique_ptr<Application> m_application;
};

} // namespace

TEST_F(PopupStackingTest, TheLastShownPopupLiesOnTop)
{
    struct Step {
        size_t show;
        size_t hide;
        size_t onTop;
    };
    constexpr size_t kNone = 2;
    // Each popup opens over the other, open one, as a submenu opens over its
    // menu, whichever of them was made first; closing the top one uncovers
    // the other.
    const Step steps[] = {{1, kNone, 1}, {0, kNone, 0}, {kNone, 0, 1}, {0, kNone, 0}, {kNone, 1, 0}, {1, kNone, 1}};
    for (const Step& step : steps) {
        if (step.hide != kNone)
            popups[step.hide]->hide();
        if (step.show != kNone)
            popups[step.show]->show();
        platform::dispatchPendingMessages();
        EXPECT_EQ(WindowFromPoint(POINT{kOverlap.x, kOverlap.y}), handleOf(*popups[step.onTop]))
            << "showing " << step.show << ", hiding " << step.hide;
    }
}
