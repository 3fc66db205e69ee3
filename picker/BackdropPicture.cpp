#include "picker/BackdropPicture.h"

#include "ui/core/Alignment.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"

BackdropPicture::BackdropPicture(UIWidget* parent) : UIPicture(parent)
{
    // The backdrop takes the place of the picture's own fill, which would
    // otherwise be painted over it.
    setBackground(UIBrush::solid(kTransparentColor));
}

void BackdropPicture::setBackdrop(uint32_t color, const UIImage& image, BackdropFit fit)
{
    m_backdropColor = color;
    m_backdropImage = image;
    m_backdropFit = fit;
    update();
}

void BackdropPicture::paintEvent(UIPaintEvent& event)
{
    {
        UICanvas canvas(paintBuffer());
        canvas.fillRect(rect(), m_backdropColor);
        if (!m_backdropImage.isEmpty()) {
            if (m_backdropFit == BackdropFit::Tile)
                canvas.drawTiledImage(rect(), m_backdropImage);
            else
                canvas.drawImage(
                    UILayout::alignRect(static_cast<int32_t>(Alignment::Center), rect(), m_backdropImage.size()),
                    m_backdropImage);
        }
    }
    UIPicture::paintEvent(event);
}
