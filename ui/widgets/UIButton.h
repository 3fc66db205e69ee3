#pragma once
// UIButton: a push or toggle button with a skinned frame, a caption and
// optional state icons.
//
// Look: the style section "UIButton" (the text look, "background",
// "downOffset", "padding", "minimumSize", "iconAndTextSpacing") and the
// skin "UIButton_Background", whose frames are normal, hovered, pressed,
// disabled and checked. A flat button draws no frame and ignores padding
// and "downOffset".
//
// A menu button opens its attached menu on a press, below itself, and looks
// checked while the menu is open. The menu is not owned.

#include "platform/Geometry.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIImage.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/widgets/UIAbstractButton.h"
#include "ui/widgets/UITextLook.h"

#include <array>
#include <cstdint>

class UICanvas;
class UIMenu;

class UIButton : public UIAbstractButton {
public:
    // Where the icon goes relative to the caption. Stored values 0 and 3
    // read as Left and Top.
    enum class IconPosition : int32_t { Left = 1, Top = 2 };
    // The frames of "UIButton_Background".
    enum class Frame : int32_t { Normal = 0, Hovered = 1, Pressed = 2, Disabled = 3, Checked = 4 };

    static constexpr Size kDefaultMinimumSize{60, 20};
    // After the menu closes, presses are ignored this long: the press that
    // closed the menu must not open it again at once.
    static constexpr uint32_t kMenuRearmTimer = 100004;
    static constexpr uint32_t kMenuRearmDelayMs = 10;

    explicit UIButton(UIWidget* parent = nullptr);
    ~UIButton() override;

    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;
    Size sizeHint() const override;

    // Copies the images (they share pixels with the caller's). An empty
    // image leaves that state without an icon.
    void setIcons(const UIImage& normal, const UIImage& disabled, const UIImage& hovered, const UIImage& pressed);
    IconPosition iconPosition() const { return m_iconPosition; }
    void setIconPosition(IconPosition position);
    bool isFlat() const { return m_flat; }
    // A flat button may shrink to 1 x 1: the minimum size goes with the frame.
    void setFlat(bool flat);
    // The mark dialogs look for to find the button Enter stands for.
    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault);
    UIMenu* menu() const;
    // Attaches the menu (null detaches); its closing reaches menuClosed.
    void setMenu(UIMenu* menu);
    bool isMenuArmed() const { return m_menuArmed; }
    // Called when the attached menu has closed: drops the checked look and
    // disarms the menu for a moment.
    virtual void menuClosed();

protected:
    void paintEvent(UIPaintEvent& event) override;
    void mousePressEvent(UIMouseEvent& event) override;
    void clickEvent(UIMouseEvent& event) override;
    void keyPressEvent(UIKeyEvent& event) override;
    void timerEvent(UITimerEvent& event) override;

private:
    enum IconState { NormalIcon, DisabledIcon, HoveredIcon, PressedIcon, IconStateCount };

    // Checked and checkable, or a menu button with its menu open.
    bool looksChecked() const;
    // The frame the current state shows.
    Frame frame() const;
    bool hasIcons() const;
    bool iconAbove() const;
    const UIImage& currentIcon() const;
    // The largest width and the largest height among the icons.
    Size iconExtent() const;
    // Draws the icon and returns what is left of `content` for the caption.
    Rect drawIcon(UICanvas& canvas, Rect content) const;

    UITextLook m_look;
    UIBrush m_background;
    Point m_downOffset;
    Margins m_padding;
    int32_t m_iconSpacing = 0;
    UISkin m_frameSkin;
    std::array<UIImage, IconStateCount> m_icons;
    IconPosition m_iconPosition = IconPosition::Left;
    bool m_flat = false;
    bool m_default = false;
    UIWidgetGuard m_menu;
    bool m_menuArmed = true;
};
