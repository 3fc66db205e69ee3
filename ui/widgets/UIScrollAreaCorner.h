#pragma once
// UIScrollAreaCorner: the square a scroll area fills between its two bars
// while both show.

#include "ui/core/StyleValues.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIWidget.h"

class UIScrollAreaCorner : public UIWidget {
public:
    explicit UIScrollAreaCorner(UIWidget* parent = nullptr);

    void setStyleProperty(StringView name, StringView value) override;

protected:
    void paintEvent(UIPaintEvent& event) override;

private:
    UIBrush m_background = UIBrush::solid(kTransparentColor);
};
