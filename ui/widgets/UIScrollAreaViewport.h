#pragma once
// UIScrollAreaViewport: the window of a scroll area through which its
// content shows. The content is a child of the viewport, moved by minus the
// scroll values, and clipped by it.

#include "ui/widgets/UIBox.h"

class UIScrollAreaViewport : public UIBox {
public:
    explicit UIScrollAreaViewport(UIWidget* parent = nullptr) : UIBox(parent, u"UIScrollAreaViewport")
    {
        // The content keeps the place the scroll area gives it.
        layout().setEnabled(false);
    }
};
