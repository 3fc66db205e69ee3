#pragma once
// Scroll bars with a known geometry for the scroll tests, without a style
// set: thickness 10, minimum thumb length 8.

#include "platform/InputState.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/widgets/UIScrollBar.h"

#include <memory>
#include <string>
#include <vector>

namespace scrolltest {

using Notes = std::vector<std::string>;

inline void giveBarMetrics(UIScrollBar& bar)
{
    bar.setStyleProperty(u"thickness", u"10");
    bar.setStyleProperty(u"thumbMinimumLength", u"8");
}

// Appends "valueChanged N" and "rangeChanged N" to `notes`, which must
// outlive the bar.
inline void record(UIScrollBar& bar, Notes& notes)
{
    bar.valueChanged.connect(
        [&notes](UIEvent& e) { notes.push_back("valueChanged " + std::to_string(e.as<UINotifyEvent>().value())); });
    bar.rangeChanged.connect(
        [&notes](UIEvent& e) { notes.push_back("rangeChanged " + std::to_string(e.as<UINotifyEvent>().value())); });
}

// A vertical bar 10 x 110 at (0, 0): arrows 0..9 and 100..109, track 10..99.
inline std::unique_ptr<UIScrollBar> makeBar(UIWidget& parent, int32_t minimum, int32_t maximum, int32_t page = 10)
{
    auto bar = std::make_unique<UIScrollBar>(&parent, Orientation::Vertical);
    giveBarMetrics(*bar);
    bar->setRange(minimum, maximum);
    bar->setPageStep(page);
    bar->setGeometry({0, 0, 10, 110});
    bar->show();
    return bar;
}

// Press and move hold the left button; release lets it go.
inline void sendMouse(UIWidget& widget, UIEventType type, Point at, uint32_t modifiers = 0)
{
    const uint32_t held = type == UIEventType::MouseRelease ? 0u : uint32_t{platform::LeftButton};
    const uint32_t changed = type == UIEventType::MouseMove ? 0u : uint32_t{platform::LeftButton};
    UIMouseEvent event(type, held, changed, at, modifiers);
    UIWidget::sendEvent(&widget, event);
}

} // namespace scrolltest
