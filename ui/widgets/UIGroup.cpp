#include "ui/widgets/UIGroup.h"
#include "platform/InputState.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIMetrics.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/WidgetLayout.h"

#include <algorithm>

namespace {

constexpr uint32_t kOpaque = 0xFFu;
constexpr uint32_t kIndicatorAlignment = Alignment::Left | Alignment::VCenter;
constexpr uint32_t kTextAlignment = Alignment::Left | Alignment::VCenter;

bool isOpaque(uint32_t color) { return (color >> 24) == kOpaque; }

// Only an opaque brush is filled: a translucent one would pile up over the
// parent's background copy on every repaint of the group alone.
bool isFullyOpaque(const UIBrush& brush)
{
    if (!brush.isGradient() || brush.stops.empty())
        return isOpaque(brush.color);
    return std::all_of(brush.stops.begin(), brush.stops.end(), isOpaque);
}

int32_t styleMetric(MetricId id)
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    return style ? style->metric(id) : 0;
}

} // namespace

UIGroup::UIGroup(UIWidget* parent, String title) : UIWidget(parent), m_title(std::move(title))
{
    setFlag(Flag::TrackHover, true);
    layout().setFlow(UILayout::Flow::Column);
    layout().setPolicy(SizePolicy::Preferred, SizePolicy::Preferred);
    updateMargins();
    create(u"UIGroup");
}

UIGroup::~UIGroup() { destroyWidget(); }

void UIGroup::setStyleProperty(StringView name, StringView value)
{
    if (m_look.setProperty(name, value)) {
        if (name == u"font")
            updateMargins();
    } else if (name == u"background") {
        m_background = parseFill(value);
    } else if (name == u"indicatorSize") {
        m_indicatorSize = parseSize(value);
        updateMargins();
    } else if (name == u"indicatorSpacing") {
        m_indicatorSpacing = parseInteger(value);
    }
}

void UIGroup::setSkin(StringView name, const UISkin& skin)
{
    if (name == u"UIGroup_Background")
        m_frame = skin;
    else if (name == u"UIGroup_Indicator")
        m_indicator = skin;
}

void UIGroup::setTitle(String title)
{
    if (title == m_title)
        return;
    m_title = std::move(title);
    updateMargins();
    update();
}

void UIGroup::setTitleAlignment(uint32_t alignment)
{
    if (alignment == m_titleAlignment)
        return;
    m_titleAlignment = alignment;
    update();
}

void UIGroup::setCheckable(bool checkable)
{
    if (checkable == m_checkable)
        return;
    m_checkable = checkable;
    m_titleHovered = false;
    m_titlePressed = false;
    updateMargins();
    update();
}

void UIGroup::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
    UINotifyEvent notification(checked ? 1 : 0);
    toggled.emit(notification);
}

int32_t UIGroup::titleLineHeight() const
{
    const int32_t text = m_look.font.metrics().lineHeight();
    return m_checkable ? std::max(text, m_indicatorSize.height) : text;
}

int32_t UIGroup::titleReservation() const { return hasTitleLine() ? titleLineHeight() + kTitleGap : 0; }

Rect UIGroup::titleRect() const
{
    if (!hasTitleLine())
        return {};
    int32_t boxWidth = m_look.font.textSize(m_title).width;
    if (m_checkable)
        boxWidth += m_indicatorSize.width + (m_title.empty() ? 0 : m_indicatorSpacing);
    return UILayout::alignRect(static_cast<int32_t>(m_titleAlignment), rect(), {boxWidth, titleLineHeight()});
}

void UIGroup::updateMargins()
{
    const int32_t horizontal = styleMetric(MetricId::LayoutHorizontalSpacing);
    const int32_t vertical = styleMetric(MetricId::LayoutVerticalSpacing);
    const Margins margins{horizontal, vertical + titleReservation(), horizontal, vertical};
    if (margins == layout().margins())
        return;
    layout().setMargins(margins);
    if (isCreated())
        WidgetLayout::relayout(*this);
}

Size UIGroup::sizeHint() const
{
    const Margins margins = layout().margins();
    return {titleRect().width + margins.left + margins.right, titleReservation() + kMinimumBodyHeight};
}

int32_t UIGroup::indicatorFrame() const
{
    int32_t frame = kIndicatorNormal;
    if (!isEnabled())
        frame = kIndicatorDisabled;
    else if (m_titleHovered)
        frame = kIndicatorHovered;
    return m_checked ? frame + kIndicatorChecked : frame;
}

void UIGroup::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    if (isFullyOpaque(m_background))
        canvas.fillRect(rect(), m_background);
    const int32_t frameTop = titleReservation();
    drawSkin(canvas, m_frame, 0, {0, frameTop, width(), height() - frameTop});
    Rect box = titleRect();
    if (box.isEmpty())
        return;
    if (m_checkable) {
        drawSkin(canvas, m_indicator, indicatorFrame(),
                 UILayout::alignRect(static_cast<int32_t>(kIndicatorAlignment), box, m_indicatorSize));
        const int32_t shift = m_indicatorSize.width + m_indicatorSpacing;
        box = {box.x + shift, box.y, box.width - shift, box.height};
    }
    if (m_title.empty())
        return;
    canvas.setFont(m_look.font);
    const uint32_t color = isEnabled() ? m_look.foreground.color : m_look.disabledForeground.color;
    drawShadowedText(canvas, box, m_title, kTextAlignment, color, m_look.shadowForeground.color, m_look.shadowOffset);
}

void UIGroup::setTitleHovered(bool hovered)
{
    if (hovered == m_titleHovered)
        return;
    m_titleHovered = hovered;
    update();
}

void UIGroup::mouseMoveEvent(UIMouseEvent& event)
{
    if (acceptsTitleInput())
        setTitleHovered(titleRect().contains(event.position()));
}

void UIGroup::leaveEvent(UIMouseEvent&) { setTitleHovered(false); }

void UIGroup::mousePressEvent(UIMouseEvent& event)
{
    if (acceptsTitleInput() && event.button() == platform::LeftButton && titleRect().contains(event.position()))
        m_titlePressed = true;
}

void UIGroup::mouseReleaseEvent(UIMouseEvent& event)
{
    if (event.button() != platform::LeftButton)
        return;
    const bool toggle = m_titlePressed && acceptsTitleInput() && titleRect().contains(event.position());
    m_titlePressed = false;
    if (toggle)
        setChecked(!m_checked);
}
