#include "ui/widgets/UILine.h"
#include "ui/core/UICanvas.h"

UILine::UILine(UIWidget* parent) : UIWidget(parent)
{
    layout().setPolicy(SizePolicy::Preferred, SizePolicy::Fixed);
    create(u"UILine");
}

UILine::~UILine() { destroyWidget(); }

void UILine::setSkin(StringView name, const UISkin& skin)
{
    if (name == u"UILine_Background")
        m_background = skin;
}

void UILine::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    drawSkin(canvas, m_background, 0, rect());
}
