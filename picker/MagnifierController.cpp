#include "picker/MagnifierController.h"

#include <cmath>

namespace {

// The rectangle of `size` whose centre (integer halving) is `centre`.
Rect centredRect(Point centre, Size size)
{
    return {centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height};
}

} // namespace

void MagnifierController::show() { m_host.showImage(m_model.displayImage()); }

void MagnifierController::mousePress(const MagnifierEvent& event)
{
    if (event.button == MagnifierEvent::Left) {
        m_host.setMagnifierCursor(MagnifierCursor::Pipette);
        if (!m_model.displayImage().isEmpty())
            m_model.pick(event.position);
    } else if (event.button == MagnifierEvent::Right) {
        m_host.setMagnifierCursor(MagnifierCursor::HandOpen);
        m_panStart = event.screenPosition;
        m_panOrigin = m_model.viewCentre();
    }
}

void MagnifierController::mouseMove(const MagnifierEvent& event)
{
    if (event.holds(MagnifierEvent::Left)) {
        if (event.hovered) {
            m_host.setMagnifierCursor(MagnifierCursor::Pipette);
            if (!m_model.displayImage().isEmpty())
                m_model.pick(event.position);
            return;
        }
        m_host.setMagnifierCursor(MagnifierCursor::Arrow);
        // Over the window's own frame or other widgets nothing is sampled:
        // the live view would only show the window itself.
        if (m_host.mainWindowRect().contains(event.screenPosition))
            return;
        m_model.captureAt(centredRect(event.screenPosition, m_host.magnifierSize()));
        show();
        return;
    }
    if (event.holds(MagnifierEvent::Right) && !m_model.displayImage().isEmpty()) {
        // The pointer moves the image with it: a drag of d screen pixels
        // moves the view by d / zoom source pixels the other way.
        const double zoom = m_model.zoom();
        const int32_t dx = event.screenPosition.x - m_panStart.x;
        const int32_t dy = event.screenPosition.y - m_panStart.y;
        const Point centre{m_panOrigin.x - static_cast<int32_t>(std::trunc(dx / zoom)),
                           m_panOrigin.y - static_cast<int32_t>(std::trunc(dy / zoom))};
        m_model.render(centredRect(centre, m_host.magnifierSize()));
        show();
    }
}

void MagnifierController::mouseRelease(const MagnifierEvent& event)
{
    m_host.setMagnifierCursor(MagnifierCursor::Arrow);
    if (event.button != MagnifierEvent::Left)
        return;
    if (!m_host.mainWindowRect().contains(event.screenPosition))
        m_model.freeze();
    // Taken after the freeze, which moves the view into the desktop image's
    // coordinates.
    m_panOrigin = m_model.viewCentre();
}

void MagnifierController::mouseDoubleClick(const MagnifierEvent& event)
{
    if (m_model.sourceImage().isEmpty())
        return;
    if (m_model.zoom() == PickerModel::kMinimumZoom) {
        // At zoom 1.0 the view shows source pixels 1:1, so the clicked pixel
        // lies this far from the view centre; it becomes the new centre.
        const Size size = m_host.magnifierSize();
        const Point centre = m_model.viewCentre();
        const Point clicked{centre.x + event.position.x - size.width / 2,
                            centre.y + event.position.y - size.height / 2};
        m_model.render(centredRect(clicked, size));
        m_model.setZoom(PickerModel::kDoubleClickZoom);
    } else {
        m_model.setZoom(PickerModel::kMinimumZoom);
    }
    show();
    m_panOrigin = m_model.viewCentre();
}

void MagnifierController::wheel(const MagnifierEvent& event)
{
    if (m_model.sourceImage().isEmpty())
        return;
    const double step = PickerModel::zoomStep();
    m_model.setZoom(event.wheelDelta > 0 ? m_model.zoom() + step : m_model.zoom() - step);
    show();
}

void MagnifierController::resize(Size size)
{
    if (m_model.sourceImage().isEmpty())
        return;
    m_model.render(centredRect(m_model.viewCentre(), size));
    show();
}
