#include "ui/widgets/UILink.h"

#include "platform/Clock.h"
#include "platform/InputState.h"
#include "platform/Shell.h"
#include "ui/core/UICanvas.h"

UILink::UILink(UIWidget* parent) : UIWidget(parent)
{
    setFlag(Flag::TrackHover, true);
    setFlag(Flag::ParentBackground, true);
    create(u"UILink");
}

UILink::~UILink() { destroyWidget(); }

void UILink::setStyleProperty(StringView name, StringView value)
{
    if (name == u"hoveredFont")
        m_hoveredFont = parseFont(value);
    else if (name == u"hoveredForeground")
        m_hoveredForeground = parseColorRecord(value);
    else if (name == u"hoveredShadowForeground")
        m_hoveredShadowForeground = parseColorRecord(value);
    else
        m_look.setProperty(name, value);
}

Size UILink::sizeHint() const { return {m_look.font.textSize(shownText()).width, m_look.font.metrics().lineHeight()}; }

void UILink::setUrl(String url, String text)
{
    m_url = std::move(url);
    m_text = std::move(text);
    update();
}

void UILink::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    const bool hovered = testFlag(Flag::Hovered);
    canvas.setFont(hovered ? m_hoveredFont : m_look.font);
    const uint32_t color = hovered ? m_hoveredForeground.color : m_look.foreground.color;
    const uint32_t shadow = hovered ? m_hoveredShadowForeground.color : m_look.shadowForeground.color;
    drawShadowedText(canvas, rect(), shownText(), Alignment::Left | Alignment::Top, color, shadow, m_look.shadowOffset);
}

void UILink::enterEvent(UIMouseEvent&) { update(); }

void UILink::leaveEvent(UIMouseEvent&) { update(); }

void UILink::clickEvent(UIMouseEvent& event)
{
    if (event.button() != platform::LeftButton)
        return;
    open();
    UINotifyEvent notification;
    clicked.emit(notification);
}

void UILink::open()
{
    if (m_url.empty())
        return;
    // Unsigned differences stay right across a wrap of the tick count.
    const uint64_t now = platform::monotonicMilliseconds();
    if (m_lastOpen && now - *m_lastOpen <= kReopenIntervalMs)
        return;
    m_lastOpen = now;
    platform::openAddress(m_url);
}
