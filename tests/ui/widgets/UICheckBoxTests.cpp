// Check boxes: the indicator frame of each state and what clicks and keys
// report.
#include "tests/ui/widgets/ButtonTestSupport.h"
#include "ui/widgets/UICheckBox.h"

#include <memory>
#include <string>

using namespace widgettest;
using namespace buttontest;

namespace {

class CheckBoxTest : public WidgetTest {
protected:
    CheckBoxTest() { window = makeWindow({200, 120}); }
    std::unique_ptr<UICheckBox> makeBox()
    {
        auto box = std::make_unique<UICheckBox>(window.get());
        box->setGeometry({10, 10, 80, 20});
        box->show();
        return box;
    }

    std::unique_ptr<LoggingWidget> window;
};

} // namespace

TEST_F(CheckBoxTest, IndicatorFrameIsTheStatePlusFourWhenChecked)
{
    struct Case {
        const char* name;
        bool enabled, checked, pressed, hovered;
        int32_t frame;
    };
    const Case cases[] = {
        {"normal", true, false, false, false, 0},       {"hovered", true, false, false, true, 1},
        {"pressed out", true, false, true, false, 1},   {"pressed", true, false, true, true, 2},
        {"disabled", false, false, true, true, 3},      {"checked", true, true, false, false, 4},
        {"checked pressed", true, true, true, true, 6}, {"checked disabled", false, true, false, false, 7},
    };
    const std::vector<uint32_t> colors = frameColors(8);
    for (const Case& c : cases) {
        auto box = makeBox();
        box->setSkin(u"UICheckBox_Indicator", solidFrames(colors));
        box->setChecked(c.checked);
        if (!c.enabled)
            box->disable();
        box->setFlag(UIWidget::Flag::Pressed, c.pressed);
        box->setFlag(UIWidget::Flag::Hovered, c.hovered);
        box->update();
        // The indicator is centred in a column as wide as its size.
        EXPECT_EQ(areaOf(*box, colors[static_cast<size_t>(c.frame)]), (Rect{0, 0, 20, 20})) << c.name;
    }
}

TEST_F(CheckBoxTest, ClicksAndKeysToggleThenReport)
{
    struct Case {
        const char* name;
        uint32_t button; // 0: the key instead
        uint32_t key;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"left click", platform::LeftButton, 0, {"toggled 1", "clicked"}},
        {"right click", platform::RightButton, 0, {"clicked"}},
        {"Space", 0, UIAbstractButton::kSpaceKey, {"toggled 1", "clicked"}},
        {"Enter", 0, UIAbstractButton::kEnterKey, {"toggled 1", "clicked"}},
        {"another key", 0, 'A', {}},
    };
    for (const Case& c : cases) {
        auto box = makeBox();
        std::vector<std::string> notes;
        box->toggled.connect(
            [&](UIEvent& e) { notes.push_back("toggled " + std::to_string(e.as<UINotifyEvent>().value())); });
        box->clicked.connect([&](UIEvent&) { notes.emplace_back("clicked"); });
        if (c.button) {
            UIMouseEvent click(UIEventType::Click, 0, c.button, {5, 5}, 0);
            UIWidget::sendEvent(box.get(), click);
        } else {
            UIKeyEvent key(UIEventType::KeyPress, c.key, 0);
            UIWidget::sendEvent(box.get(), key);
        }
        EXPECT_EQ(notes, c.expected) << c.name;
    }

    // Setting the state it already has reports nothing; a change reports once.
    auto box = makeBox();
    int toggles = 0;
    box->toggled.connect([&](UIEvent&) { ++toggles; });
    box->setChecked(false);
    box->setChecked(true);
    box->setChecked(true);
    EXPECT_EQ(toggles, 1);
}
