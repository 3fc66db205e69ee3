#pragma once
// UIAbstractSlider: a value inside a range, with the steps a control moves
// it by. The base of the scroll bar; it draws nothing and has no style of
// its own.
//
// Invariants: minimum <= value <= maximum at all times. `rangeChanged` and
// `valueChanged` carry the new value (rangeChanged: the new maximum); when
// one change moves both, `valueChanged` goes first.

#include "ui/core/UISignal.h"
#include "ui/core/UIWidget.h"

#include <cstdint>

enum class Orientation : int32_t { Horizontal = 0, Vertical = 1 };

class UIAbstractSlider : public UIWidget {
public:
    explicit UIAbstractSlider(UIWidget* parent = nullptr);

    UISignal rangeChanged;
    UISignal valueChanged;

    // The smaller bound becomes the minimum; the page step and the value are
    // pulled into the new range.
    void setRange(int32_t a, int32_t b);
    // Clamped into the range; notifies only when the stored value changes.
    void setValue(int32_t value);
    int32_t value() const { return m_value; }
    int32_t minimum() const { return m_minimum; }
    int32_t maximum() const { return m_maximum; }

    int32_t singleStep() const { return m_singleStep; }
    void setSingleStep(int32_t step) { m_singleStep = step; }
    int32_t pageStep() const { return m_pageStep; }
    void setPageStep(int32_t step);

    Orientation orientation() const { return m_orientation; }
    // Also turns the size policy: stretching along the slider, fixed across.
    void setOrientation(Orientation orientation);
    bool isHorizontal() const { return m_orientation == Orientation::Horizontal; }

protected:
    // Moves the value by `delta` (clamped); saturates instead of overflowing.
    void stepBy(int64_t delta);

private:
    void applySizePolicy();

    Orientation m_orientation = Orientation::Horizontal;
    int32_t m_singleStep = 1;
    int32_t m_pageStep = 1;
    int32_t m_minimum = 0;
    int32_t m_maximum = 0;
    int32_t m_value = 0;
};
