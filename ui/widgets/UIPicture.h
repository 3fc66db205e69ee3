#pragma once
// UIPicture: a main image and further image layers drawn over a background
// fill, with an optional overlay text of centred lines.
//
// Painting order: background, main image, overlay text, then the visible
// layers in the order they were added. With auto-size on, the size hint is
// the size of the largest image.

#include "ui/core/UIBrush.h"
#include "ui/core/UIImage.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/PictureLayer.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>
#include <memory>
#include <vector>

class UIPicture : public UIWidget {
public:
    // The least size hint while auto-size is off.
    static constexpr Size kMinimumManualSize{32, 32};

    explicit UIPicture(UIWidget* parent = nullptr);
    ~UIPicture() override;

    Size sizeHint() const override;
    void setStyleProperty(StringView name, StringView value) override;
    UIFont font() const override { return m_look.font; }

    void setImage(const UIImage& image, FitMode fitMode = FitMode::Natural,
                  uint32_t alignment = PictureLayer::kDefaultAlignment);
    void setImageVisible(bool visible);
    const PictureLayer& mainImage() const { return m_main; }

    // Appends a layer drawn over everything added before it. The returned
    // layer belongs to the picture.
    PictureLayer* addLayer(const UIImage& image, uint32_t alignment = PictureLayer::kDefaultAlignment,
                           FitMode fitMode = FitMode::Natural);
    void setLayerVisible(PictureLayer* layer, bool visible);
    const std::vector<std::unique_ptr<PictureLayer>>& layers() const { return m_layers; }

    // Lines separated by line feeds.
    void setOverlayText(String text);
    void setOverlayVisible(bool visible);
    void setBackground(const UIBrush& background);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    // The size of the largest image, main image included.
    Size contentSize() const;

    // Where an image of the given size goes in `area` by the fit mode and
    // alignment (for Tile: the area it covers).
    static Rect fittedRect(FitMode fitMode, uint32_t alignment, const Rect& area, Size image);

protected:
    void paintEvent(UIPaintEvent& event) override;

private:
    void drawLayer(UICanvas& canvas, PictureLayer& layer);
    void drawOverlay(UICanvas& canvas);

    UITextLook m_look;
    UIBrush m_background = UIBrush::solid(kTransparentColor);
    PictureLayer m_main;
    std::vector<std::unique_ptr<PictureLayer>> m_layers;
    bool m_autoSize = true;
    String m_overlayText;
    bool m_overlayVisible = true;
};
