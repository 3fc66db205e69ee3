#include "ui/widgets/UIAbstractSlider.h"

#include <algorithm>
#include <limits>

UIAbstractSlider::UIAbstractSlider(UIWidget* parent) : UIWidget(parent) { applySizePolicy(); }

void UIAbstractSlider::setRange(int32_t a, int32_t b)
{
    const int32_t low = std::min(a, b);
    const int32_t high = std::max(a, b);
    if (low == m_minimum && high == m_maximum)
        return;
    m_minimum = low;
    m_maximum = high;
    m_pageStep = std::clamp(m_pageStep, m_minimum, m_maximum);
    const int32_t clamped = std::clamp(m_value, m_minimum, m_maximum);
    if (clamped != m_value) {
        m_value = clamped;
        update();
        UINotifyEvent changed(m_value);
        valueChanged.emit(changed);
    }
    update();
    UINotifyEvent ranged(m_maximum);
    rangeChanged.emit(ranged);
}

void UIAbstractSlider::setValue(int32_t value)
{
    const int32_t clamped = std::clamp(value, m_minimum, m_maximum);
    if (clamped == m_value)
        return;
    m_value = clamped;
    update();
    UINotifyEvent changed(m_value);
    valueChanged.emit(changed);
}

void UIAbstractSlider::stepBy(int64_t delta)
{
    const int64_t target = std::clamp<int64_t>(int64_t{m_value} + delta, std::numeric_limits<int32_t>::min(),
                                               std::numeric_limits<int32_t>::max());
    setValue(static_cast<int32_t>(target));
}

void UIAbstractSlider::setPageStep(int32_t step)
{
    if (step == m_pageStep)
        return;
    m_pageStep = step;
    update();
}

void UIAbstractSlider::setOrientation(Orientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    applySizePolicy();
    update();
}

void UIAbstractSlider::applySizePolicy()
{
    if (isHorizontal())
        layout().setPolicy(SizePolicy::Preferred, SizePolicy::Fixed);
    else
        layout().setPolicy(SizePolicy::Fixed, SizePolicy::Preferred);
}
