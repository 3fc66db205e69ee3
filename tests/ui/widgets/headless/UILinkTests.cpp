// Links on the fake clock: each left click is reported, and the address is
// handed to the shell at most once per 200 ms.
#include "platform/InputState.h"
#include "platform/headless/HeadlessInput.h"
#include "platform/headless/HeadlessShell.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/widgets/UILink.h"

using namespace widgettest;

namespace {

constexpr char16_t kAddress[] = u"https://example.org/";

class LinkTest : public WidgetTest {
protected:
    LinkTest() { platform::headless::resetOpenedAddresses(); }
    ~LinkTest() override { platform::headless::resetOpenedAddresses(); }

    static void click(UILink& link, uint32_t button)
    {
        UIMouseEvent event(UIEventType::Click, 0, button, {1, 1}, 0);
        UIWidget::sendEvent(&link, event);
    }
};

} // namespace

TEST_F(LinkTest, OpensAtMostOncePerIntervalAndAlwaysReportsTheClick)
{
    struct Step {
        uint64_t after; // ms since the previous click
        uint32_t button;
        size_t opened; // addresses opened so far
        int clicks;    // notifications so far
    };
    // The first click comes right after the link was made, whatever the
    // clock reads.
    const Step steps[] = {
        {0, platform::LeftButton, 1, 1}, {150, platform::LeftButton, 1, 2},  {50, platform::LeftButton, 1, 3},
        {1, platform::LeftButton, 2, 4}, {300, platform::RightButton, 2, 4}, {0, platform::LeftButton, 3, 5},
    };
    UILink link;
    link.setUrl(kAddress, u"Example");
    int clicks = 0;
    link.clicked.connect([&](UIEvent&) { ++clicks; });
    for (size_t i = 0; i < std::size(steps); ++i) {
        platform::headless::advanceClock(steps[i].after);
        click(link, steps[i].button);
        EXPECT_EQ(platform::headless::openedAddresses().size(), steps[i].opened) << "step " << i;
        EXPECT_EQ(clicks, steps[i].clicks) << "step " << i;
    }
    EXPECT_EQ(platform::headless::openedAddresses().front(), kAddress);
}

TEST_F(LinkTest, WithoutAnAddressAClickOnlyReports)
{
    UILink link;
    link.setUrl({}, u"Nowhere");
    int clicks = 0;
    link.clicked.connect([&](UIEvent&) { ++clicks; });
    click(link, platform::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(platform::headless::openedAddresses().empty());
}
