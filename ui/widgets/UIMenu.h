#pragma once
// UIMenu: a popup menu in a borderless top-level window of its own.
//
// Look: the style section "UIMenu" (the text look plus the hovered colours,
// "background", "borderColor", "padding", "desktopPadding", "minimumWidth",
// "itemPadding", "itemIconSpace", "itemArrowSpace", "isForceIconSpace")
// and the skins "UIMenu_ItemArrow", "UIMenu_ItemCheckIndicator",
// "UIMenu_ItemRadioIndicator", "UIMenu_ItemSeparator",
// "UIMenu_VerticalLine" and "UIMenu_HoveredItemBackground".
//
// The menus open below one another form a chain: the root (opened by
// `popup`) is the process's open popup menu, which the window host closes
// on any press outside the chain. A submenu is not owned by its item;
// whoever made it keeps it alive at least as long as the parent menu.

#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIPopupMenu.h"
#include "ui/core/UISignal.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UIMenuItem.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>
#include <memory>
#include <vector>

class UICanvas;

class UIMenu : public UIWidget, public UIPopupMenu {
public:
    static constexpr uint32_t kSubmenuTimer = 100013;
    // Keys a menu answers.
    static constexpr uint32_t kEnterKey = 13;
    static constexpr uint32_t kEscapeKey = 27;
    static constexpr uint32_t kLeftKey = 37;
    static constexpr uint32_t kUpKey = 38;
    static constexpr uint32_t kRightKey = 39;
    static constexpr uint32_t kDownKey = 40;
    // The frames of the indicator and arrow skins.
    enum class Frame : int32_t { Normal = 0, Hovered = 1, Disabled = 3 };

    explicit UIMenu(UIWidget* parent = nullptr);
    ~UIMenu() override;

    // Sent with the index of the activated item (in the menu that holds
    // it), after the item's own receiver.
    UISignal triggered;
    // Sent before the menu is placed and shown, so its owner can update the
    // items.
    UISignal aboutToOpen;
    // Sent when the shown menu hides, whatever closed it.
    UISignal closed;

    UIMenuItem& addItem(String text);
    UIMenuItem& addItem(String text, const UIImage& normal, const UIImage& disabled, const UIImage& hovered,
                        const UIImage& pressed, UIMenuItem::Receiver receiver);
    UIMenuItem& addSeparator();
    int32_t itemCount() const { return static_cast<int32_t>(m_items.size()); }
    UIMenuItem& item(int32_t index) const { return *m_items[static_cast<size_t>(index)]; }

    // -1 when no item is hovered.
    int32_t hoveredIndex() const { return m_hovered; }
    // The submenu now shown below this menu, if any.
    UIMenu* openSubmenu() const { return m_openSubmenu; }
    UIMenu* parentMenu() const { return m_parentMenu; }
    // Set by the item the menu is attached to.
    void setParentMenu(UIMenu* menu) { m_parentMenu = menu; }
    bool hasIconColumn() const;

    // Opens the menu at a screen point, inside the work area of the monitor
    // there. Nothing happens for a disabled menu.
    void popup(Point screenPosition) override;
    bool holdsWindow(const UIWidget& window) const override;
    // Hides this menu and every submenu below it.
    void setVisible(bool visible) override;
    // Hides the whole chain, from its root.
    void closeChain();
    // Hovers the item (-1 for none) as the pointer would.
    void setHoveredIndex(int32_t index);
    // What a click or Enter on the item does.
    void activate(int32_t index);

    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;
    Size sizeHint() const override;

    // Called by the items: the menu's size and look may have changed.
    void itemChanged(UIMenuItem& item);

protected:
    void paintEvent(UIPaintEvent& event) override;
    void mouseMoveEvent(UIMouseEvent& event) override;
    void mouseReleaseEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;
    void keyPressEvent(UIKeyEvent& event) override;
    void timerEvent(UITimerEvent& event) override;

private:
    UIMenuItem& append(std::unique_ptr<UIMenuItem> item);
    // The activatable item under the point, or -1.
    int32_t itemAt(Point position) const;
    // The item rectangles for the current size, top to bottom; hidden
    // items get an empty rectangle.
    void layoutItems();
    int32_t itemHeight(const UIMenuItem& item) const;
    int32_t itemWidth(const UIMenuItem& item) const;
    int32_t iconColumnWidth() const;
    int32_t indexOf(const UIMenu* submenu) const;
    UIMenu& root();
    UIMenu& deepest();
    void openSubmenuOf(int32_t index);
    void closeSubmenu();
    // Places the menu for `popup` at p within the work area.
    Point placement(Point screenPosition, Size size) const;
    // The next activatable item from `from` in the direction, wrapping.
    int32_t nextActivatable(int32_t from, int32_t step) const;
    void paintItem(UICanvas& canvas, const UIMenuItem& item, bool hovered) const;
    UIWidget* ownerWindow() const;
    void setOwnerPopupFlags(bool on);

    std::vector<std::unique_ptr<UIMenuItem>> m_items;
    UITextLook m_look;
    UIColorRecord m_hoveredForeground{0, kDefaultTextColor, 1.0f};
    UIColorRecord m_hoveredShadowForeground;
    UIBrush m_background = UIBrush::solid(0xFFFFFFFFu);
    uint32_t m_borderColor = 0;
    Margins m_padding;
    Margins m_desktopPadding;
    Margins m_itemPadding;
    int32_t m_itemIconSpace = 0;
    int32_t m_itemArrowSpace = 0;
    bool m_forceIconSpace = false;
    UISkin m_arrowSkin;
    UISkin m_checkSkin;
    UISkin m_radioSkin;
    UISkin m_separatorSkin;
    UISkin m_verticalLineSkin;
    UISkin m_hoveredSkin;
    int32_t m_hovered = -1;
    UIMenu* m_openSubmenu = nullptr;
    UIMenu* m_parentMenu = nullptr;
};
