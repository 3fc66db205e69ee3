#include "tests/toolkit-demo/WidgetGallery.h"

#include "ui/core/UICanvas.h"

#include <algorithm>

namespace {

constexpr uint32_t kCaptionColor = 0xFF555555u;
constexpr int32_t kCaptionHeight = 18;

// A section's caption: plain text, so the gallery does not depend on the
// widgets it shows.
class Caption : public UIWidget {
public:
    Caption(UIWidget* parent, String text) : UIWidget(parent), m_text(std::move(text)) { create(u"Caption"); }

protected:
    void paintEvent(UIPaintEvent&) override
    {
        UICanvas canvas(paintBuffer());
        canvas.setFont(UIFont::defaultFont());
        canvas.setPen(kCaptionColor);
        canvas.drawText(rect(), m_text, Alignment::Left | Alignment::VCenter);
    }

private:
    String m_text;
};

} // namespace

WidgetGallery::WidgetGallery(UIWindow& window, DemoLog& log) : m_window(window), m_log(log)
{
    addButtonSection(*this);
    addSimpleWidgetSection(*this);
    addScrollSection(*this);
    addHotKeySection(*this);
    addMenuSection(*this);
    addToolTipSection(*this);
    addLineEditSection(*this);
    addComboSection(*this);
}

// The widgets go before the window, in reverse order of making, so no
// widget outlives one its connections use.
WidgetGallery::~WidgetGallery()
{
    while (!m_widgets.empty())
        m_widgets.pop_back();
}

void WidgetGallery::beginSection(const std::string& title)
{
    if (m_rowHeight > 0 || m_next.x > kSpacing) {
        m_next = {kSpacing, m_next.y + m_rowHeight + kSpacing};
        m_rowHeight = 0;
    }
    auto caption = std::make_unique<Caption>(&m_window, fromUtf8(title));
    caption->setGeometry({kSpacing, m_next.y, kWidth - 2 * kSpacing, kCaptionHeight});
    caption->show();
    m_widgets.push_back(std::move(caption));
    m_next.y += kCaptionHeight + 4;
}

void WidgetGallery::place(const std::string& name, std::unique_ptr<UIWidget> widget, Size size)
{
    if (size.width <= 0 || size.height <= 0)
        size = widget->sizeHint();
    size = {std::max(size.width, 1), std::max(size.height, 1)};
    if (m_next.x > kSpacing && m_next.x + size.width > kWidth - kSpacing) {
        m_next = {kSpacing, m_next.y + m_rowHeight + kSpacing};
        m_rowHeight = 0;
    }
    widget->setGeometry({m_next.x, m_next.y, size.width, size.height});
    widget->show();
    m_log.line("widget " + name + " at " + rectText(m_next.x, m_next.y, size.width, size.height));
    m_next.x += size.width + kSpacing;
    m_rowHeight = std::max(m_rowHeight, size.height);
    m_widgets.push_back(std::move(widget));
}

Size WidgetGallery::contentSize() const { return {kWidth, m_next.y + m_rowHeight + kSpacing}; }
