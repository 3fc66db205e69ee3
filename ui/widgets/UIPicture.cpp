#include "ui/widgets/UIPicture.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"

#include <algorithm>

namespace {

constexpr uint32_t kOverlayBlockAlignment = Alignment::Center;
constexpr uint32_t kOverlayLineAlignment = Alignment::Top | Alignment::HCenter;
constexpr int32_t kOverlayBlockLines = 2;

// The image scaled down, keeping its aspect ratio, so that it fits `area`;
// an image that already fits keeps its size.
Size shrunkToFit(Size image, Size area)
{
    if (image.width <= area.width && image.height <= area.height)
        return image;
    const int64_t widthLimited = static_cast<int64_t>(image.width) * area.height;
    const int64_t heightLimited = static_cast<int64_t>(image.height) * area.width;
    if (widthLimited >= heightLimited)
        return {area.width, std::max<int32_t>(1, static_cast<int32_t>(heightLimited / image.width))};
    return {std::max<int32_t>(1, static_cast<int32_t>(widthLimited / image.height)), area.height};
}

} // namespace

UIPicture::UIPicture(UIWidget* parent) : UIWidget(parent) { create(u"UIPicture"); }

UIPicture::~UIPicture() { destroyWidget(); }

void UIPicture::setStyleProperty(StringView name, StringView value)
{
    if (m_look.setProperty(name, value))
        return;
    if (name == u"background")
        m_background = parseFill(value);
}

Size UIPicture::contentSize() const
{
    Size size = m_main.image.size();
    for (const auto& layer : m_layers)
        size = {std::max(size.width, layer->image.width()), std::max(size.height, layer->image.height())};
    return size;
}

Size UIPicture::sizeHint() const
{
    Size hint = contentSize();
    if (!m_autoSize)
        hint = {std::max(minimumSize().width, kMinimumManualSize.width),
                std::max(minimumSize().height, kMinimumManualSize.height)};
    return {std::max(hint.width, 1), std::max(hint.height, 1)};
}

void UIPicture::setImage(const UIImage& image, FitMode fitMode, uint32_t alignment)
{
    m_main.image = image;
    m_main.fitMode = fitMode;
    m_main.alignment = alignment;
    update();
}

void UIPicture::setImageVisible(bool visible)
{
    if (visible == m_main.visible)
        return;
    m_main.visible = visible;
    update();
}

PictureLayer* UIPicture::addLayer(const UIImage& image, uint32_t alignment, FitMode fitMode)
{
    auto layer = std::make_unique<PictureLayer>();
    layer->image = image;
    layer->alignment = alignment;
    layer->fitMode = fitMode;
    m_layers.push_back(std::move(layer));
    update();
    return m_layers.back().get();
}

void UIPicture::setLayerVisible(PictureLayer* layer, bool visible)
{
    if (!layer || layer->visible == visible)
        return;
    layer->visible = visible;
    update();
}

void UIPicture::setOverlayText(String text)
{
    m_overlayText = std::move(text);
    update();
}

void UIPicture::setOverlayVisible(bool visible)
{
    if (visible == m_overlayVisible)
        return;
    m_overlayVisible = visible;
    update();
}

void UIPicture::setBackground(const UIBrush& background)
{
    m_background = background;
    update();
}

void UIPicture::setAutoSize(bool autoSize) { m_autoSize = autoSize; }

Rect UIPicture::fittedRect(FitMode fitMode, uint32_t alignment, const Rect& area, Size image)
{
    switch (fitMode) {
    case FitMode::Stretch:
    case FitMode::Tile:
        return area;
    case FitMode::ShrinkToFit:
        return UILayout::alignRect(static_cast<int32_t>(alignment), area, shrunkToFit(image, area.size()));
    case FitMode::Natural:
        break;
    }
    return UILayout::alignRect(static_cast<int32_t>(alignment), area, image);
}

void UIPicture::drawLayer(UICanvas& canvas, PictureLayer& layer)
{
    if (!layer.visible || layer.image.isEmpty())
        return;
    layer.rect = fittedRect(layer.fitMode, layer.alignment, rect(), layer.image.size());
    if (layer.fitMode == FitMode::Tile)
        canvas.drawTiledImage(layer.rect, layer.image);
    else if (layer.fitMode == FitMode::ShrinkToFit && layer.rect.size() != layer.image.size())
        canvas.drawImage(layer.rect, layer.image, {}, ImageScaling::Smooth);
    else
        canvas.drawImage(layer.rect, layer.image);
}

void UIPicture::drawOverlay(UICanvas& canvas)
{
    if (!m_overlayVisible || m_overlayText.empty())
        return;
    canvas.setFont(m_look.font);
    const int32_t lineHeight = canvas.lineHeight();
    const Rect block = UILayout::alignRect(static_cast<int32_t>(kOverlayBlockAlignment), rect(),
                                           {width(), kOverlayBlockLines * lineHeight});
    int32_t top = block.y;
    for (StringView line : splitLines(m_overlayText)) {
        drawShadowedText(canvas, {block.x, top, block.width, lineHeight}, line, kOverlayLineAlignment,
                         m_look.foreground.color, m_look.shadowForeground.color, m_look.shadowOffset);
        top += lineHeight;
    }
}

void UIPicture::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
    drawLayer(canvas, m_main);
    drawOverlay(canvas);
    for (const auto& layer : m_layers)
        drawLayer(canvas, *layer);
}
