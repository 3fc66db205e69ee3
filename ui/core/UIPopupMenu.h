#pragma once
// A menu a widget pops up on a ContextMenu event. The menu widget of the
// toolkit implements it; the widget does not own its context menu.

#include "platform/Geometry.h"

class UIPopupMenu {
public:
    virtual ~UIPopupMenu() = default;
    virtual void popup(Point screenPosition) = 0;
};
