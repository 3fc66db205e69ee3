#include "ui/widgets/UIScrollArea.h"
#include "ui/core/UICanvas.h"

#include <algorithm>

UIScrollArea::UIScrollArea(UIWidget* parent) : UIScrollArea(parent, DeferredCreate::Tag) { create(u"UIScrollArea"); }

UIScrollArea::UIScrollArea(UIWidget* parent, DeferredCreate)
    : UIWidget(parent)
    , m_viewport(std::make_unique<UIScrollAreaViewport>(this))
    , m_horizontalBar(std::make_unique<UIScrollBar>(this, Orientation::Horizontal))
    , m_verticalBar(std::make_unique<UIScrollBar>(this, Orientation::Vertical))
    , m_corner(std::make_unique<UIScrollAreaCorner>(this))
{
    // The area places its parts itself, in updateGeometry.
    layout().setEnabled(false);
    m_viewport->show();
    m_horizontalBar->valueChanged.connect(this, [this](UIEvent&) { placeContent(); });
    m_verticalBar->valueChanged.connect(this, [this](UIEvent&) { placeContent(); });
}

UIScrollArea::~UIScrollArea() { destroyWidget(); }

void UIScrollArea::setStyleProperty(StringView name, StringView value)
{
    if (name == u"background")
        m_background = parseFill(value);
}

bool UIScrollArea::setContent(UIWidget* content)
{
    if (content && content->parent() != m_viewport.get())
        return false;
    if (UIWidget* old = m_content.get())
        old->channel(Channel::Resize).disconnectAll(this);
    m_content = UIWidgetGuard(content);
    if (content)
        content->channel(Channel::Resize).connect(this, [this](UIEvent&) { rearrange(); });
    rearrange();
    return true;
}

void UIScrollArea::setHorizontalPolicy(ScrollBarPolicy policy)
{
    m_horizontalPolicy = policy;
    rearrange();
}

void UIScrollArea::setVerticalPolicy(ScrollBarPolicy policy)
{
    m_verticalPolicy = policy;
    rearrange();
}

void UIScrollArea::updateGeometry()
{
    const Size area = size();
    const UIWidget* content = m_content.get();
    const Size contentSize = content ? content->size() : Size{};
    const int32_t barWidth = m_verticalBar->sizeHint().width;
    const int32_t barHeight = m_horizontalBar->sizeHint().height;

    // A bar shown takes room from the other direction, which may then need
    // its bar too.
    const bool horizontalAllowed = m_horizontalPolicy == ScrollBarPolicy::AsNeeded;
    const bool verticalAllowed = m_verticalPolicy == ScrollBarPolicy::AsNeeded;
    bool horizontal = horizontalAllowed && contentSize.width > area.width;
    bool vertical = verticalAllowed && contentSize.height > area.height;
    if (vertical && horizontalAllowed && contentSize.width > area.width - barWidth)
        horizontal = true;
    if (horizontal && verticalAllowed && contentSize.height > area.height - barHeight)
        vertical = true;

    const Size view{std::max(0, area.width - (vertical ? barWidth : 0)),
                    std::max(0, area.height - (horizontal ? barHeight : 0))};
    m_viewport->setGeometry({0, 0, view.width, view.height});
    m_verticalBar->setGeometry({view.width, 0, barWidth, view.height});
    m_horizontalBar->setGeometry({0, view.height, view.width, barHeight});
    m_corner->setGeometry({view.width, view.height, barWidth, barHeight});
    m_verticalBar->setVisible(vertical);
    m_horizontalBar->setVisible(horizontal);
    m_corner->setVisible(vertical && horizontal);

    // The range first: setRange pulls the page step into the range, which
    // must not shorten the thumb.
    m_horizontalBar->setRange(0, std::max(0, contentSize.width - view.width));
    m_horizontalBar->setPageStep(view.width);
    m_verticalBar->setRange(0, std::max(0, contentSize.height - view.height));
    m_verticalBar->setPageStep(view.height);
    placeContent();
}

void UIScrollArea::placeContent()
{
    UIWidget* content = m_content.get();
    const Point place{-m_horizontalBar->value(), -m_verticalBar->value()};
    if (!content || content->position() == place)
        return;
    // Moving a child repaints nothing by itself.
    content->move(place.x, place.y);
    m_viewport->update();
}

void UIScrollArea::rearrange()
{
    updateGeometry();
    update();
}

void UIScrollArea::resizeEvent(UIResizeEvent&) { updateGeometry(); }

void UIScrollArea::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
}
