// The hot-key field's caret on the fake clock: it blinks at the system's
// blink time while the field has the focus, stays on when the system's
// caret never blinks, and goes with the focus.
#include "platform/headless/HeadlessCaret.h"
#include "platform/headless/HeadlessInput.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UIMouseRouter.h"
#include "ui/core/UITimers.h"
#include "ui/widgets/UIHotKey.h"

#include <optional>
#include <vector>

using namespace widgettest;

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;

class UIHotKeyCaretTest : public WidgetTest {
protected:
    UIHotKeyCaretTest() { platform::headless::resetInput(); }
    ~UIHotKeyCaretTest() override { platform::headless::setCaretBlinkTime(kDefaultBlinkTime); }

    // The blink time is read when the field is made.
    void makeField(std::optional<uint32_t> blinkTime)
    {
        platform::headless::setCaretBlinkTime(blinkTime);
        window = makeWindow({200, 60});
        field = std::make_unique<UIHotKey>(window.get());
        field->setStyleProperty(u"foreground", u"255,0,0");
        field->setStyleProperty(u"background", u"255,255,255");
        field->setGeometry({0, 0, 150, 24});
        field->show();
    }
    // Focus as a click gives it.
    void clickField()
    {
        UIMouseRouter router(*window);
        router.press({5, 5}, platform::LeftButton, platform::LeftButton, 0);
        router.release({5, 5}, platform::LeftButton, 0, 0);
        processEvents();
    }
    // Whether the caret column (after the text, mid-height) is drawn.
    bool caretPainted()
    {
        field->update();
        const int32_t x = UIFont::defaultFont().textSize(field->text()).width + 1;
        return field->paintBuffer().pixel(x, 12) == kRed;
    }

    static constexpr uint32_t kDefaultBlinkTime = 500;
    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<UIHotKey> field;
};

} // namespace

TEST_F(UIHotKeyCaretTest, BlinksAtTheBlinkTimeWhileFocused)
{
    struct Case {
        const char* name;
        std::optional<uint32_t> blinkTime;
        std::vector<std::pair<uint64_t, bool>> advanceThenShown;
    };
    const Case cases[] = {
        {"blinking", 400, {{0, false}, {399, false}, {1, true}, {400, false}, {400, true}}},
        {"never blinks", std::nullopt, {{0, true}, {10000, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        makeField(c.blinkTime);
        clickField();
        ASSERT_TRUE(field->hasFocus());
        for (const auto& [ms, shown] : c.advanceThenShown) {
            platform::headless::advanceClock(ms);
            EXPECT_EQ(field->isCaretShown(), shown) << "after " << ms;
            EXPECT_EQ(caretPainted(), shown) << "after " << ms;
        }
        EXPECT_EQ(UITimers::isRunning(UIHotKey::kCaretTimer, field.get()), c.blinkTime.has_value());

        field->clearFocus();
        EXPECT_FALSE(field->isCaretShown());
        EXPECT_FALSE(caretPainted());
        EXPECT_FALSE(UITimers::isRunning(UIHotKey::kCaretTimer, field.get()));
        platform::headless::advanceClock(5000);
        EXPECT_FALSE(field->isCaretShown());
    }
}

TEST_F(UIHotKeyCaretTest, DisabledFieldDoesNotBlink)
{
    makeField(100);
    clickField();
    platform::headless::advanceClock(100);
    ASSERT_TRUE(field->isCaretShown());
    field->disable();
    const bool shown = field->isCaretShown();
    for (int tick = 0; tick < 3; ++tick) {
        platform::headless::advanceClock(100);
        EXPECT_EQ(field->isCaretShown(), shown);
    }
}
