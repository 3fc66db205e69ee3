// Push and toggle buttons: the frame each state shows, icons, activation by
// mouse and keys, and the pushed-in look of a checked button.
#include "tests/ui/widgets/ButtonTestSupport.h"
#include "ui/widgets/UIButton.h"

#include <memory>

using namespace widgettest;
using namespace buttontest;

namespace {

constexpr uint32_t kBackground = 0xFF204060u;
constexpr uint32_t kIconColor = 0xFFFF0000u;

class ButtonTest : public WidgetTest {
protected:
    ButtonTest()
    {
        window = makeWindow({200, 120});
        window->color = kBackground;
    }
    std::unique_ptr<UIButton> makeButton(const Rect& geometry)
    {
        auto button = std::make_unique<UIButton>(window.get());
        button->setGeometry(geometry);
        button->show();
        return button;
    }

    std::unique_ptr<LoggingWidget> window;
};

} // namespace

TEST_F(ButtonTest, FrameFollowsTheStateInOrder)
{
    struct Case {
        const char* name;
        bool enabled, checkable, checked, pressed, hovered;
        int32_t frame; // -1: no frame drawn
        bool flat = false;
    };
    const Case cases[] = {
        {"normal", true, false, false, false, false, 0},
        {"hovered", true, false, false, false, true, 1},
        {"pressed, pointer gone", true, false, false, true, false, 1},
        {"pressed and hovered", true, false, false, true, true, 2},
        {"disabled", false, false, false, false, true, 3},
        {"checked beats pressed", true, true, true, true, true, 4},
        {"checked but not checkable", true, false, true, false, false, 0},
        {"disabled beats checked", false, true, true, false, false, 3},
        {"flat draws no frame", true, false, false, true, true, -1, true},
    };
    const std::vector<uint32_t> colors = frameColors(5);
    for (const Case& c : cases) {
        auto button = makeButton({10, 10, 40, 20});
        button->setSkin(u"UIButton_Background", solidFrames(colors));
        button->setCheckable(c.checkable);
        button->setChecked(c.checked);
        button->setFlat(c.flat);
        if (!c.enabled)
            button->disable();
        button->setFlag(UIWidget::Flag::Pressed, c.pressed);
        button->setFlag(UIWidget::Flag::Hovered, c.hovered);
        button->update();
        const uint32_t expected = c.frame < 0 ? kBackground : colors[static_cast<size_t>(c.frame)];
        EXPECT_EQ(rgbAt(*button, {20, 10}), expected & 0xFFFFFFu) << c.name;
    }
}

TEST_F(ButtonTest, IconsSitBesideOrAboveThePaddedContent)
{
    // Icon 6x4 inside padding 5,3,5,3 of a 60x30 button.
    struct Case {
        const char* name;
        UIButton::IconPosition position;
        bool flat;
        Rect icon;
    };
    const Case cases[] = {
        {"left, vertically centred", UIButton::IconPosition::Left, false, {5, 13, 6, 4}},
        {"above, horizontally centred", UIButton::IconPosition::Top, false, {27, 3, 6, 4}},
        {"flat ignores the padding", UIButton::IconPosition::Left, true, {0, 13, 6, 4}},
    };
    UIImage icon(6, 4, false);
    icon.fill(kIconColor);
    for (const Case& c : cases) {
        auto button = makeButton({10, 10, 60, 30});
        button->setStyleProperty(u"padding", u"5,3,5,3");
        button->setIcons(icon, {}, {}, {});
        button->setIconPosition(c.position);
        button->setFlat(c.flat);
        button->update();
        EXPECT_EQ(areaOf(*button, kIconColor), c.icon) << c.name;
    }
    // The disabled state shows its own icon, and none when it has none.
    auto button = makeButton({10, 10, 60, 30});
    button->setIcons(icon, {}, {}, {});
    button->disable();
    button->update();
    EXPECT_TRUE(areaOf(*button, kIconColor).isEmpty());
}

TEST_F(ButtonTest, ActivationByClickAndKeys)
{
    struct Case {
        const char* name;
        bool checkable;
        uint32_t key; // 0: a left click pressed at (5, 5) and released at `release`
        Point release;
        int clicks;
        bool checkedAfter;
    };
    const Case cases[] = {
        {"click", false, 0, {6, 6}, 1, false},
        {"click toggles a checkable button", true, 0, {6, 6}, 1, true},
        {"press inside, release outside", false, 0, {80, 80}, 0, false},
        {"press inside, release outside, checkable", true, 0, {80, 80}, 0, false},
        {"Space does not toggle", true, UIAbstractButton::kSpaceKey, {}, 1, false},
        {"Enter does not toggle", true, UIAbstractButton::kEnterKey, {}, 1, false},
        {"another key", true, 'A', {}, 0, false},
    };
    for (const Case& c : cases) {
        auto button = makeButton({10, 10, 40, 20});
        button->setCheckable(c.checkable);
        int clicks = 0;
        button->clicked.connect([&](UIEvent&) { ++clicks; });
        if (c.key) {
            UIKeyEvent key(UIEventType::KeyPress, c.key, 0);
            UIWidget::sendEvent(button.get(), key);
        } else {
            UIMouseEvent press(UIEventType::MousePress, platform::LeftButton, platform::LeftButton, {5, 5}, 0);
            UIWidget::sendEvent(button.get(), press);
            UIMouseEvent release(UIEventType::MouseRelease, 0, platform::LeftButton, c.release, 0);
            UIWidget::sendEvent(button.get(), release);
        }
        processEvents();
        EXPECT_EQ(clicks, c.clicks) << c.name;
        EXPECT_EQ(button->isChecked(), c.checkedAfter) << c.name;
    }
}

TEST_F(ButtonTest, CheckedButtonSwapsColoursAndMirrorsTheShadow)
{
#ifndef _WIN32
    GTEST_SKIP() << "the headless paint engine lays text out but draws no glyphs";
#endif
    constexpr int kRed = 16, kBlue = 0;
    constexpr int32_t kDrop = 30;
    window->color = 0xFF000000u;
    window->update();
    // A drop taller than the caption keeps the two copies apart.
    auto button = makeButton({0, 0, 100, 110});
    button->setStyleProperty(u"foreground", u"255,0,0");
    button->setStyleProperty(u"shadowForeground", u"0,0,255");
    button->setStyleProperty(u"shadowOffset", u"0,30");
    button->setText(u"Il");
    button->setCheckable(true);
    button->update();
    const Rect text = inkOf(*button, kRed);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(inkOf(*button, kBlue).y, text.y + kDrop);

    button->setChecked(true);
    button->update();
    EXPECT_EQ(inkOf(*button, kBlue).y, text.y) << "the shadow colour draws the caption";
    EXPECT_EQ(inkOf(*button, kRed).y, text.y - kDrop) << "the shadow falls the other way";
}
