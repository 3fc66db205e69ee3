#pragma once
// BackdropPicture: a picture with a backdrop under everything it draws: a
// solid colour and an image over it, tiled over the whole widget or centred
// in it. The picker's pictures show their images over such a backdrop (the
// magnifier's checker, the indicator's frame), and a plain picture only has
// a fill below its main image.

#include "ui/core/UIImage.h"
#include "ui/widgets/UIPicture.h"

#include <cstdint>

class BackdropPicture : public UIPicture {
public:
    enum class BackdropFit { Tile, Centre };

    explicit BackdropPicture(UIWidget* parent = nullptr);

    // `color` is 0xAARRGGBB; an empty image leaves only the colour.
    void setBackdrop(uint32_t color, const UIImage& image, BackdropFit fit);
    const UIImage& backdropImage() const { return m_backdropImage; }

protected:
    void paintEvent(UIPaintEvent& event) override;

private:
    uint32_t m_backdropColor = 0;
    UIImage m_backdropImage;
    BackdropFit m_backdropFit = BackdropFit::Tile;
};
