#include "ui/widgets/UIBox.h"
#include "ui/core/UICanvas.h"

UIBox::UIBox(UIWidget* parent) : UIBox(parent, u"UIBox") {}

UIBox::UIBox(UIWidget* parent, StringView styleName) : UIWidget(parent)
{
    layout().setPolicy(SizePolicy::Preferred, SizePolicy::Preferred);
    create(styleName);
}

UIBox::~UIBox() { destroyWidget(); }

void UIBox::setStyleProperty(StringView name, StringView value)
{
    if (name == u"background")
        m_background = parseFill(value);
}

void UIBox::setBackground(const UIBrush& background)
{
    if (background == m_background)
        return;
    m_background = background;
    update();
}

void UIBox::paintEvent(UIPaintEvent&)
{
    if (!m_background.isVisible())
        return;
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
}
