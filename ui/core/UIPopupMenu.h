#pragma once
// A menu a widget pops up on a ContextMenu event. The menu widget of the
// toolkit implements it; the widget does not own its context menu.

#include "platform/Geometry.h"

class UIWidget;

class UIPopupMenu {
public:
    virtual ~UIPopupMenu() = default;
    virtual void popup(Point screenPosition) = 0;
    // Whether the top-level widget is this menu or one of the submenus open
    // below it: presses there belong to the menu and do not dismiss it.
    virtual bool holdsWindow(const UIWidget&) const { return false; }
};
