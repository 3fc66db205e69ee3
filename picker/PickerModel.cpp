#include "picker/PickerModel.h"

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "picker/ColorFormat.h"
#include "picker/Magnifier.h"
#include "platform/Monitors.h"
#include "platform/ScreenCapture.h"

#include <algorithm>
#include <cmath>

namespace {

double clampZoom(double value)
{
    if (std::isnan(value))
        return PickerModel::kMinimumZoom;
    return std::clamp(value, PickerModel::kMinimumZoom, PickerModel::kMaximumZoom);
}

// Captures `area` of the screen into `image`, which must be an unshared
// 32-bit image of the area's size. A failed copy is not acted upon: the
// image keeps whatever the copy left, with the monitor alpha applied.
void captureInto(UIImage& image, const Rect& area)
{
    if (image.isEmpty())
        return;
    uint8_t* bits = image.bits();
    if (bits)
        platform::captureScreen(area, bits, image.stride());
}

} // namespace

double PickerModel::zoomStep()
{
    static const double step = (std::sqrt(5.0) + 1.0) / 2.0;
    return step;
}

PickerModel::PickerModel(Settings* settings) : m_settings(settings)
{
    // The stored zoom is clamped like every zoom set later: a hand-edited
    // value far above the limit would make the enlarged image unboundedly
    // large, and values below 1.0 mean the same as 1.0 anyway.
    if (m_settings)
        m_zoom = clampZoom(m_settings->get(SettingsKeys::kZoomFactor, Variant(kMinimumZoom)).toDouble());
}

String PickerModel::colorText() const { return formatColor(m_color, m_formatIndex); }

int32_t PickerModel::factor() const { return magnificationFactor(m_zoom); }

UIImage PickerModel::takeBuffer(UIImage& spare, Size size)
{
    if (!spare.isEmpty() && spare.size() == size && spare.hasAlpha() && !spare.premultiplied()
        && spare.shareCount() == 1)
        return std::move(spare);
    return UIImage(size.width, size.height, true);
}

void PickerModel::setDisplay(UIImage image)
{
    UIImage previous = std::move(m_display);
    m_display = std::move(image);
    // A previous display that is (a share of) a source image is not worth
    // keeping: the source buffers are recycled on their own, and holding a
    // second share would keep them from being reused.
    if (!previous.isSharedWith(m_source) && !previous.isSharedWith(m_spareSource) && !previous.isSharedWith(m_display))
        m_spareDisplay = std::move(previous);
}

void PickerModel::setView(const Rect& rect)
{
    if (rect == m_viewRect)
        return;
    m_viewRect = rect;
    m_viewCentre = rect.centre();
}

void PickerModel::captureAt(const Rect& rect)
{
    const Rect onScreen = m_viewRect.translated(m_sourceOrigin.x, m_sourceOrigin.y);
    // A frozen source must always be replaced: it is the whole desktop, not
    // the live area around the pointer, even when the view happens to show
    // the same screen rectangle.
    if (m_frozen || rect != onScreen) {
        UIImage captured = takeBuffer(m_spareSource, rect.size());
        captureInto(captured, rect);
        m_spareSource = std::move(m_source);
        m_source = std::move(captured);
        m_sourceOrigin = rect.topLeft();
        m_frozen = false;
        setView({0, 0, rect.width, rect.height});
    }
    const int32_t k = factor();
    if (k <= 1) {
        setDisplay(m_source);
        return;
    }
    UIImage output = std::move(m_spareDisplay);
    magnifyInto(m_source, m_source.rect(), {m_source.width() / 2, m_source.height() / 2}, m_source.size(), k, output);
    setDisplay(std::move(output));
}

void PickerModel::freeze()
{
    const Rect desktop = platform::virtualDesktopRect();
    UIImage captured = takeBuffer(m_spareSource, desktop.size());
    captureInto(captured, desktop);
    m_spareSource = std::move(m_source);
    m_source = std::move(captured);
    // Same screen pixels, new image coordinates.
    const int32_t dx = m_sourceOrigin.x - desktop.x;
    const int32_t dy = m_sourceOrigin.y - desktop.y;
    m_viewRect = m_viewRect.translated(dx, dy);
    m_viewCentre = {m_viewCentre.x + dx, m_viewCentre.y + dy};
    m_sourceOrigin = desktop.topLeft();
    m_frozen = true;
}

void PickerModel::render(const Rect& rect)
{
    setView(rect);
    const Rect visible = rect.intersected(m_source.rect());
    if (visible.isEmpty()) {
        UIImage filled = takeBuffer(m_spareDisplay, rect.size());
        filled.fill(kMagnifierFill);
        setDisplay(std::move(filled));
        return;
    }
    const int32_t k = factor();
    if (k <= 1 && rect == m_source.rect()) {
        setDisplay(m_source);
        return;
    }
    // With k = 1 this is the plain cut of `rect` out of the source.
    UIImage output = std::move(m_spareDisplay);
    magnifyInto(m_source, visible, rect.centre(), rect.size(), k, output);
    setDisplay(std::move(output));
}

void PickerModel::setZoom(double value)
{
    if (value == m_zoom)
        return;
    m_zoom = clampZoom(value);
    if (!m_viewRect.isEmpty())
        render(m_viewRect);
    if (m_settings)
        m_settings->set(SettingsKeys::kZoomFactor, Variant(m_zoom));
}

void PickerModel::pick(Point point)
{
    if (m_display.isEmpty() || !m_display.rect().contains(point))
        return;
    m_color = Color::fromValue(m_display.pixel(point.x, point.y));
    if (m_colorChanged)
        m_colorChanged();
}
