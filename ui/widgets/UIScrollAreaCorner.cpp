#include "ui/widgets/UIScrollAreaCorner.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"

UIScrollAreaCorner::UIScrollAreaCorner(UIWidget* parent) : UIWidget(parent) { create(u"UIScrollAreaCorner"); }

void UIScrollAreaCorner::setStyleProperty(StringView name, StringView value)
{
    if (name == u"background")
        m_background = parseFill(value);
}

void UIScrollAreaCorner::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
}
