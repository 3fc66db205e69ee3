// The headless input state the widget tests drive: sided modifier keys,
// buttons, and what resetInput restores.
#include "platform/InputState.h"
#include "platform/headless/HeadlessInput.h"

#include <gtest/gtest.h>

#include <vector>

using platform::VirtualKey;

TEST(FakeInput, ModifiersAndButtonsFromHeldKeys)
{
    struct Case {
        std::vector<VirtualKey> held;
        uint32_t modifiers;
        uint32_t buttons;
    };
    const Case cases[] = {
        {{}, 0, 0},
        {{VirtualKey::LeftShift}, platform::ShiftModifier, 0},
        {{VirtualKey::RightControl}, platform::ControlModifier, 0},
        {{VirtualKey::Control}, platform::ControlModifier, 0},
        {{VirtualKey::LeftAlt, VirtualKey::RightShift}, platform::AltModifier | platform::ShiftModifier, 0},
        {{VirtualKey::RightAlt, VirtualKey::LeftControl, VirtualKey::Shift}, 7, 0},
        {{VirtualKey::LeftButton, VirtualKey::ExtraButton2}, 0, platform::LeftButton | platform::ExtraButton2},
        {{VirtualKey::RightButton, VirtualKey::MiddleButton, VirtualKey::ExtraButton1, VirtualKey::Tab},
         0,
         platform::RightButton | platform::MiddleButton | platform::ExtraButton1},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        platform::headless::resetInput();
        for (const VirtualKey key : cases[i].held)
            platform::headless::setKeyDown(uint32_t(key), true);
        EXPECT_EQ(platform::keyboardModifiers(), cases[i].modifiers);
        EXPECT_EQ(platform::mouseButtonsHeld(), cases[i].buttons);
    }
    platform::headless::resetInput();
}

TEST(FakeInput, GenericModifierFollowsEitherSide)
{
    platform::headless::resetInput();
    platform::headless::setKeyDown(uint32_t(VirtualKey::LeftShift), true);
    platform::headless::setKeyDown(uint32_t(VirtualKey::RightShift), true);
    platform::headless::setKeyDown(uint32_t(VirtualKey::LeftShift), false);
    EXPECT_TRUE(platform::isKeyDown(VirtualKey::Shift));
    EXPECT_FALSE(platform::isKeyDown(VirtualKey::LeftShift));
    platform::headless::setKeyDown(uint32_t(VirtualKey::RightShift), false);
    EXPECT_FALSE(platform::isKeyDown(VirtualKey::Shift));
    // Codes beyond the virtual-key range are never held and never stored.
    platform::headless::setKeyDown(0x1A0, true);
    EXPECT_FALSE(platform::isKeyDown(0x1A0));
    EXPECT_FALSE(platform::isKeyDown(VirtualKey::LeftShift));
}

TEST(FakeInput, ResetRestoresDefaults)
{
    platform::headless::setCursorPosition({40, 50});
    platform::headless::setKeyDown(uint32_t(VirtualKey::LeftButton), true);
    platform::headless::setDoubleClickSettings(200, {10, 6});
    platform::setCursor(platform::systemCursor(platform::SystemCursor::Hand));
    ASSERT_EQ(platform::doubleClickSize(), (Size{10, 6}));
    ASSERT_EQ(platform::headless::currentCursor(), platform::systemCursor(platform::SystemCursor::Hand));

    platform::headless::resetInput();
    EXPECT_EQ(platform::cursorPosition(), (Point{0, 0}));
    EXPECT_EQ(platform::mouseButtonsHeld(), 0u);
    EXPECT_EQ(platform::doubleClickTime(), 500u);
    EXPECT_EQ(platform::doubleClickSize(), (Size{4, 4}));
    EXPECT_EQ(platform::headless::currentCursor(), platform::systemCursor(platform::SystemCursor::Arrow));
}
