#include "ui/widgets/UIListView.h"

#include <algorithm>

UIListView::UIListView(UIWidget* parent)
    : UIScrollArea(parent, DeferredCreate::Tag)
    , m_list(std::make_unique<UIList>(&viewport()))
{
    m_list->show();
    setHorizontalPolicy(ScrollBarPolicy::Never);
    setContent(m_list.get());
    create(u"UIListView");
}

UIListView::~UIListView() { destroyWidget(); }

void UIListView::setStyleProperty(StringView name, StringView value)
{
    UIScrollArea::setStyleProperty(name, value);
    m_list->setStyleProperty(name, value);
    if (name == u"listModeItemHeight")
        fitList();
}

void UIListView::fitList()
{
    const int32_t rows = m_list->rowsHeight();
    const bool bar = verticalPolicy() == ScrollBarPolicy::AsNeeded && rows > height();
    const int32_t barWidth = bar ? verticalScrollBar().sizeHint().width : 0;
    m_list->resize(std::max(1, width() - barWidth), std::max(rows, height()));
}

void UIListView::resizeEvent(UIResizeEvent& event)
{
    UIScrollArea::resizeEvent(event);
    fitList();
}
