// One running copy at a time: the second copy sees the first, finds its
// instance window (never its own) and the request reaches the main window.
#include "app/Application.h"
#include "app/InstanceGuard.h"
#include "app/InstanceWindow.h"
#include "app/StartupChecks.h"
#include "platform/HiddenWindow.h"
#include "platform/MessageLoop.h"

#include <gtest/gtest.h>

namespace {

class FakeMainWindow : public platform::HiddenWindow {
public:
    FakeMainWindow() : HiddenWindow(u"FakeMainWindow") {}
    int showRequests = 0;
    bool handleMessage(platform::MessageRecord& record) override
    {
        if (record.message != kShowRequestMessage)
            return false;
        ++showRequests;
        EXPECT_EQ(record.wParam, 0u);
        EXPECT_EQ(record.lParam, 0);
        Application::instance()->quit();
        return true;
    }
};

TEST(SingleInstance, SecondCopySeesTheFirstAndItsMainWindowIsAsked)
{
    Application first(u"Morvellan Tintscope", u"1.2.7");
    EXPECT_EQ(first.instanceName(), u"[MORVELLAN TINTSCOPE]");
    EXPECT_EQ(first.instanceGuard().state(), InstanceGuard::State::FirstCopy);
    FakeMainWindow mainWindow;
    first.setMainWindowHandle(mainWindow.handle());

    {
        Application second(u"Morvellan Tintscope", u"1.2.7");
        ASSERT_EQ(second.instanceGuard().state(), InstanceGuard::State::AnotherRunning);
        EXPECT_TRUE(InstanceWindow::notifyRunningCopy(second.instanceName(), second.instanceWindowHandle()));
    }
    EXPECT_EQ(first.run(), 0);
    EXPECT_EQ(mainWindow.showRequests, 1);
}

TEST(SingleInstance, NameIsFreeAgainWhenTheFirstCopyEnds)
{
    {
        Application first(u"Morvellan Tintscope", u"1.2.7");
        EXPECT_EQ(first.instanceGuard().state(), InstanceGuard::State::FirstCopy);
    }
    Application again(u"Morvellan Tintscope", u"1.2.7");
    EXPECT_EQ(again.instanceGuard().state(), InstanceGuard::State::FirstCopy);
}

TEST(SingleInstance, NoRunningCopyMeansNothingToNotify)
{
    EXPECT_FALSE(InstanceWindow::notifyRunningCopy(u"[NOBODY]", nullptr));
}

TEST(StartupChecks, OnlyXpAndLaterAreSupported)
{
    EXPECT_FALSE(isSupportedSystem(std::nullopt));
    EXPECT_FALSE(isSupportedSystem(platform::OsVersion{5, 0}));
    EXPECT_FALSE(isSupportedSystem(platform::OsVersion{4, 90}));
    EXPECT_TRUE(isSupportedSystem(platform::OsVersion{5, 1}));
    EXPECT_TRUE(isSupportedSystem(platform::OsVersion{6, 0}));
    EXPECT_TRUE(isSupportedSystem(platform::OsVersion{10, 0}));
}

} // namespace
