#include "picker/WindowGeometry.h"

#include "ui/core/UIWidget.h"
#include "ui/core/UIWindowHost.h"

Margins WindowGeometry::frame() const
{
    const UIWindowHost* host = m_window.host();
    return host ? host->frameMargins() : Margins{};
}

Rect WindowGeometry::outerRect() const
{
    const Margins m = frame();
    return {m_window.x(), m_window.y(), m_window.width() + m.left + m.right, m_window.height() + m.top + m.bottom};
}

Size WindowGeometry::minimumSize() const
{
    const Margins m = frame();
    const Size minimum = m_window.minimumSize();
    return {minimum.width + m.left + m.right, minimum.height + m.top + m.bottom};
}

void WindowGeometry::resize(Size size)
{
    const Margins m = frame();
    m_window.resize(size.width - m.left - m.right, size.height - m.top - m.bottom);
}

void WindowGeometry::move(Point topLeft) { m_window.move(topLeft.x, topLeft.y); }
