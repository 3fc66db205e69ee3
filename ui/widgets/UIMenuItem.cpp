#include "ui/widgets/UIMenuItem.h"

#include "ui/widgets/UIMenu.h"

#include <algorithm>

UIMenuItem::UIMenuItem(UIMenu& menu, String text, bool separator)
    : m_menu(menu)
    , m_text(std::move(text))
    , m_separator(separator)
{}

void UIMenuItem::setText(String text)
{
    m_text = std::move(text);
    changed();
}

void UIMenuItem::setIcons(Icons icons)
{
    m_icons = std::move(icons);
    changed();
}

bool UIMenuItem::hasIcon() const
{
    return std::any_of(m_icons.begin(), m_icons.end(), [](const UIImage& icon) { return !icon.isEmpty(); });
}

void UIMenuItem::setShortcutText(String text)
{
    m_shortcutText = std::move(text);
    changed();
}

void UIMenuItem::setCheckable(bool checkable)
{
    m_checkable = checkable;
    changed();
}

void UIMenuItem::setChecked(bool checked)
{
    m_checked = checked;
    changed();
}

void UIMenuItem::setRadio(bool radio)
{
    m_radio = radio;
    changed();
}

void UIMenuItem::setEnabled(bool enabled)
{
    m_enabled = enabled;
    changed();
}

void UIMenuItem::setVisible(bool visible)
{
    m_visible = visible;
    changed();
}

void UIMenuItem::setSubmenu(UIMenu* submenu)
{
    m_submenu = submenu;
    if (submenu)
        submenu->setParentMenu(&m_menu);
    changed();
}

void UIMenuItem::changed() { m_menu.itemChanged(*this); }
