#pragma once
// Shows and hides the one tooltip popup of the process. The tooltip widget
// implements it and is installed on the UIManager; without one, tooltips
// are only tracked (which widget owns the tooltip and with what text).

#include "platform/Geometry.h"
#include "platform/Text.h"

class UIWidget;

class UIToolTipPresenter {
public:
    virtual ~UIToolTipPresenter() = default;
    // `position` is in the owner's coordinates, offset by its placement
    // values.
    virtual void show(UIWidget& owner, StringView text, Point position) = 0;
    virtual void hide() = 0;
};
