#pragma once
// UIScrollAreaViewport: the window of a scroll area through which its
// content shows. The content is a child of the viewport, moved by minus the
// scroll values, and clipped by it.

#include "ui/core/StyleValues.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIWidget.h"

class UIScrollAreaViewport : public UIWidget {
public:
    explicit UIScrollAreaViewport(UIWidget* parent = nullptr);

    void setStyleProperty(StringView name, StringView value) override;

protected:
    void paintEvent(UIPaintEvent& event) override;

private:
    UIBrush m_background = UIBrush::solid(kTransparentColor);
};
