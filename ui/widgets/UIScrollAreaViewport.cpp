#include "ui/widgets/UIScrollAreaViewport.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"

UIScrollAreaViewport::UIScrollAreaViewport(UIWidget* parent) : UIWidget(parent)
{
    // The content keeps the place the scroll area gives it.
    layout().setEnabled(false);
    create(u"UIScrollAreaViewport");
}

void UIScrollAreaViewport::setStyleProperty(StringView name, StringView value)
{
    if (name == u"background")
        m_background = parseFill(value);
}

void UIScrollAreaViewport::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
}
