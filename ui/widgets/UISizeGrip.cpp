#include "ui/widgets/UISizeGrip.h"
#include "platform/InputState.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UICursorTable.h"
#include "ui/core/UINativeWindow.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A resize by a single pixel is not worth a native round trip.
constexpr int32_t kResizeThreshold = 1;

} // namespace

UISizeGrip::UISizeGrip(UIWidget* parent) : UIWidget(parent)
{
    if (UIWidget* top = window(); top && top != this)
        top->channel(Channel::Change).connect(this, [this](UIEvent& event) {
            if (event.kind() == UIEventType::WindowStateChange)
                windowStateChanged();
        });
    windowStateChanged();
    create(u"UISizeGrip");
}

UISizeGrip::~UISizeGrip() { destroyWidget(); }

Size UISizeGrip::sizeHint() const
{
    return {std::max(m_size.width, kMinimumExtent), std::max(m_size.height, kMinimumExtent)};
}

void UISizeGrip::setStyleProperty(StringView name, StringView value)
{
    if (name == u"size")
        m_size = parseSize(value);
}

void UISizeGrip::setSkin(StringView name, const UISkin& skin)
{
    if (name == u"UISizeGrip_Background")
        m_background = skin;
}

int32_t UISizeGrip::cursorAt(Point) const
{
    return static_cast<int32_t>(m_hiddenByWindowState ? CursorId::Arrow : CursorId::SizeNorthWestSouthEast);
}

void UISizeGrip::windowStateChanged()
{
    const UIWidget* top = window();
    const auto* host = top ? dynamic_cast<const UINativeWindow*>(top->host()) : nullptr;
    const bool hidden = host && (host->windowState() & (WindowState::Maximized | WindowState::Minimized)) != 0;
    if (hidden == m_hiddenByWindowState)
        return;
    m_hiddenByWindowState = hidden;
    if (hidden)
        m_dragging = false;
    if (isCreated())
        update();
}

void UISizeGrip::paintEvent(UIPaintEvent&)
{
    if (m_hiddenByWindowState)
        return;
    UICanvas canvas(paintBuffer());
    drawSkin(canvas, m_background, 0, rect());
}

void UISizeGrip::mousePressEvent(UIMouseEvent& event)
{
    if (event.button() != platform::LeftButton)
        return;
    m_grabOffset = {width() - event.position().x, height() - event.position().y};
    m_lastPosition = mapToWindow(event.position());
    m_dragging = true;
}

void UISizeGrip::mouseMoveEvent(UIMouseEvent& event)
{
    if (!m_dragging || m_hiddenByWindowState || !(event.buttons() & platform::LeftButton))
        return;
    const Point position = mapToWindow(event.position());
    if (std::abs(position.x - m_lastPosition.x) < kMoveThreshold
        && std::abs(position.y - m_lastPosition.y) < kMoveThreshold)
        return;
    m_lastPosition = position;
    UIWidget* top = window();
    if (!top || top == this)
        return;
    Size wanted{position.x + m_grabOffset.x, position.y + m_grabOffset.y};
    if (wanted.width < 0)
        wanted.width = top->width();
    if (wanted.height < 0)
        wanted.height = top->height();
    if (std::abs(wanted.width - top->width()) > kResizeThreshold
        || std::abs(wanted.height - top->height()) > kResizeThreshold)
        top->resize(wanted.width, wanted.height);
}

void UISizeGrip::mouseReleaseEvent(UIMouseEvent&)
{
    m_dragging = false;
    m_grabOffset = {};
}
