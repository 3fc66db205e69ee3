#pragma once
// UIMenuItem: one entry of a UIMenu: a text with icons, a check or radio
// mark, a shortcut text, a submenu, or a separator line.
//
// Items are owned by their menu and live as long as it. A submenu is not
// owned: whoever made it keeps it alive while it is attached. Every setter
// repaints the menu.

#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIImage.h"

#include <array>
#include <functional>

class UIMenu;

class UIMenuItem {
public:
    enum class IconState { Normal = 0, Disabled = 1, Hovered = 2, Pressed = 3 };
    static constexpr size_t kIconStateCount = 4;
    using Icons = std::array<UIImage, kIconStateCount>;
    // Called when the item is activated, after the menu chain has closed.
    using Receiver = std::function<void(UIMenuItem&)>;

    UIMenuItem(UIMenu& menu, String text, bool separator);

    UIMenu& menu() const { return m_menu; }
    const String& text() const { return m_text; }
    void setText(String text);
    const Icons& icons() const { return m_icons; }
    const UIImage& icon(IconState state) const { return m_icons[static_cast<size_t>(state)]; }
    void setIcons(Icons icons);
    bool hasIcon() const;
    const String& shortcutText() const { return m_shortcutText; }
    bool hasShortcut() const { return !m_shortcutText.empty(); }
    void setShortcutText(String text);
    bool isCheckable() const { return m_checkable; }
    void setCheckable(bool checkable);
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    // A radio item draws the radio indicator instead of the check mark.
    bool isRadio() const { return m_radio; }
    void setRadio(bool radio);
    bool isSeparator() const { return m_separator; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    UIMenu* submenu() const { return m_submenu; }
    // Attaches the menu below this item (null detaches).
    void setSubmenu(UIMenu* submenu);
    void setReceiver(Receiver receiver) { m_receiver = std::move(receiver); }
    const Receiver& receiver() const { return m_receiver; }

    // Whether hovering or activating the item can do anything.
    bool isActivatable() const { return m_enabled && m_visible && !m_separator; }
    // Where the item was at the last painting (menu coordinates).
    const Rect& rect() const { return m_rect; }
    void setRect(const Rect& rect) { m_rect = rect; }

private:
    void changed();

    UIMenu& m_menu;
    UIMenu* m_submenu = nullptr;
    String m_text;
    Icons m_icons;
    String m_shortcutText;
    Receiver m_receiver;
    Rect m_rect;
    bool m_checkable = false;
    bool m_checked = false;
    bool m_radio = false;
    bool m_separator = false;
    bool m_enabled = true;
    bool m_visible = true;
};
