#include "picker/ColorIndicator.h"

#include "picker/ColorOperations.h"
#include "platform/InputState.h"
#include "ui/core/Alignment.h"

#include <algorithm>

namespace {

constexpr double kLightenFactor = 0.6;
constexpr double kDarkenFactor = 0.3;
constexpr uint32_t kLayerAlignment = Alignment::Center;

bool isBlack(Color color) { return color.r == 0 && color.g == 0 && color.b == 0; }

} // namespace

Color indicatorTint(Color color)
{
    return isBlack(contrastColor(color)) ? lighten(color, kLightenFactor) : darken(color, kDarkenFactor);
}

UIImage tintedShape(const UIImage& shape, Color tint)
{
    if (shape.isEmpty())
        return {};
    UIImage tinted(shape.width(), shape.height(), true);
    const uint32_t rgb = tint.value() & 0x00FFFFFFu;
    for (int32_t y = 0; y < shape.height(); ++y)
        for (int32_t x = 0; x < shape.width(); ++x)
            tinted.setPixel(x, y, (shape.pixel(x, y) & 0xFF000000u) | rgb);
    return tinted;
}

ColorIndicator::ColorIndicator(UIWidget* parent, const UIImage& border, const UIImage& copyFrame,
                               const UIImage& pressedFrame)
    : BackdropPicture(parent)
    , m_copyShape(copyFrame)
    , m_pressedShape(pressedFrame)
{
    setFlag(Flag::TrackHover, true);
    setFlag(Flag::DoubleClicks, false);
    UIImage colorImage(kColorSize, kColorSize, true);
    colorImage.fill(0);
    m_colorLayer = addLayer(colorImage, kLayerAlignment);
    addLayer(border, kLayerAlignment);
    m_copyLayer = addLayer(copyFrame, kLayerAlignment);
    m_pressedLayer = addLayer(pressedFrame, kLayerAlignment);
    setLayerVisible(m_copyLayer, false);
    setLayerVisible(m_pressedLayer, false);
    setMinimumSize(contentSize());
}

ColorIndicator::~ColorIndicator() { destroyWidget(); }

void ColorIndicator::setColor(Color color)
{
    m_color = color;
    UIImage filled(m_colorLayer->image.width(), m_colorLayer->image.height(), true);
    // A colour without alpha shows as nothing at all, whatever its R, G, B.
    filled.fill(color.a == 0 ? 0u : color.value());
    m_colorLayer->image = std::move(filled);
    const Color tint = indicatorTint(color);
    m_copyLayer->image = tintedShape(m_copyShape, tint);
    m_pressedLayer->image = tintedShape(m_pressedShape, tint);
    update();
}

void ColorIndicator::mousePressEvent(UIMouseEvent&)
{
    if (!hasColor())
        return;
    setLayerVisible(m_copyLayer, false);
    setLayerVisible(m_pressedLayer, true);
}

void ColorIndicator::mouseReleaseEvent(UIMouseEvent&)
{
    if (!hasColor())
        return;
    setLayerVisible(m_pressedLayer, false);
    setLayerVisible(m_copyLayer, testFlag(Flag::Hovered));
}

void ColorIndicator::enterEvent(UIMouseEvent&)
{
    if (hasColor() && platform::mouseButtonsHeld() == 0)
        setLayerVisible(m_copyLayer, true);
}

void ColorIndicator::leaveEvent(UIMouseEvent&)
{
    if (hasColor())
        setLayerVisible(m_copyLayer, false);
}
