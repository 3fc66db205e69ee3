#pragma once
// ColorIndicator: the square that shows the picked colour below the
// magnifier, and the button that copies its text.
//
// Over its backdrop it holds four layers, each centred: 0 the colour itself
// (kColorSize square), 1 the border, 2 the copy frame shown while hovered,
// 3 the frame shown while pressed. Frames 2 and 3 are shapes whose alpha is
// kept and whose colour becomes a tint of the picked colour, so they stand
// out against it. Before a colour is picked (all bytes 0) the frames never
// show: there is nothing to copy. A click is reported on the widget's Click
// channel; the owner copies.

#include "picker/BackdropPicture.h"
#include "picker/Color.h"
#include "ui/core/UIImage.h"

#include <cstdint>

// The copy frames' tint: a light version of a dark colour (R + G + B of at
// most 350), a dark version of a light one; alpha as in `color`.
Color indicatorTint(Color color);
// `shape` in one colour: every pixel gets the colour's R, G and B and keeps
// its own alpha. Not premultiplied.
UIImage tintedShape(const UIImage& shape, Color tint);

class ColorIndicator : public BackdropPicture {
public:
    static constexpr int32_t kColorSize = 52;

    // Layers 1 to 3 are built from the images: the border, the hovered and
    // the pressed frame; the widget's minimum size is the largest layer.
    ColorIndicator(UIWidget* parent, const UIImage& border, const UIImage& copyFrame, const UIImage& pressedFrame);
    ~ColorIndicator() override;

    Color color() const { return m_color; }
    // Fills the colour layer and tints the two frames.
    void setColor(Color color);

    const PictureLayer& colorLayer() const { return *m_colorLayer; }
    const PictureLayer& copyFrameLayer() const { return *m_copyLayer; }
    const PictureLayer& pressedFrameLayer() const { return *m_pressedLayer; }

protected:
    void mousePressEvent(UIMouseEvent& event) override;
    void mouseReleaseEvent(UIMouseEvent& event) override;
    void enterEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;

private:
    bool hasColor() const { return !m_color.isNull(); }

    Color m_color;
    // The untinted shapes of the frames, kept to tint again for each colour.
    UIImage m_copyShape;
    UIImage m_pressedShape;
    PictureLayer* m_colorLayer = nullptr;
    PictureLayer* m_copyLayer = nullptr;
    PictureLayer* m_pressedLayer = nullptr;
};
