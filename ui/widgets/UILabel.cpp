#include "ui/widgets/UILabel.h"

#include "ui/core/WidgetLayout.h"

#include <algorithm>
#include <vector>

UILabel::UILabel(UIWidget* parent) : UIWidget(parent)
{
    setFlag(Flag::ParentBackground, true);
    create(u"UILabel");
}

UILabel::~UILabel() { destroyWidget(); }

void UILabel::setStyleProperty(StringView name, StringView value) { m_look.setProperty(name, value); }

Size UILabel::sizeHint() const
{
    const int32_t lineHeight = m_look.font.metrics().lineHeight();
    if (!m_multiLine)
        return {m_look.font.textSize(m_text).width + kTextMargin, lineHeight + kTextMargin};
    const std::vector<StringView> lines = splitLines(m_text);
    int32_t widest = 0;
    for (StringView line : lines)
        widest = std::max(widest, m_look.font.textSize(line).width);
    return {widest + kTextMargin, lineHeight * static_cast<int32_t>(lines.size()) + kTextMargin};
}

String UILabel::toolTipAt(Point) const
{
    if (!toolTip().empty())
        return toolTip();
    if (m_truncated)
        return m_text;
    return {};
}

void UILabel::setText(String text)
{
    const Size oldHint = sizeHint();
    m_text = std::move(text);
    // A relayout that moves the label repaints it with its window.
    if (sizeHint() != oldHint && parent() && WidgetLayout::relayout(*parent()))
        return;
    update();
}

void UILabel::setAlignment(uint32_t alignment)
{
    m_alignment = alignment;
    update();
}

void UILabel::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    update();
}

void UILabel::setElideMode(ElideMode mode)
{
    m_elideMode = mode;
    update();
}

void UILabel::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.setFont(m_look.font);
    const bool enabled = isEnabled();
    const uint32_t color = enabled ? m_look.foreground.color : m_look.disabledForeground.color;
    if (!m_multiLine) {
        const uint32_t shadow = enabled ? m_look.shadowForeground.color : m_look.disabledShadowForeground.color;
        m_truncated =
            drawShadowedText(canvas, rect(), m_text, m_alignment, color, shadow, m_look.shadowOffset, m_elideMode);
        return;
    }
    m_truncated = false;
    // Disabled lines go without their shadow.
    const uint32_t shadow = enabled ? m_look.shadowForeground.color : 0;
    const int32_t lineHeight = canvas.lineHeight();
    int32_t top = 0;
    for (StringView line : splitLines(m_text)) {
        drawShadowedText(canvas, {0, top, width(), lineHeight}, line, m_alignment, color, shadow, m_look.shadowOffset,
                         m_elideMode);
        top += lineHeight;
    }
}
