#pragma once
// UIBox: a plain container that fills itself with its "background" brush.
// The default brush is transparent white, so a box without a style shows
// whatever lies below it.

#include "ui/core/StyleValues.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIWidget.h"

class UIBox : public UIWidget {
public:
    explicit UIBox(UIWidget* parent = nullptr);
    ~UIBox() override;

    void setStyleProperty(StringView name, StringView value) override;

    const UIBrush& background() const { return m_background; }
    void setBackground(const UIBrush& background);

protected:
    // For the boxes of other widgets that read only "background" from a
    // style section of their own.
    UIBox(UIWidget* parent, StringView styleName);

    void paintEvent(UIPaintEvent& event) override;

private:
    UIBrush m_background = UIBrush::solid(kTransparentColor);
};
