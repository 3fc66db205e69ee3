#pragma once
// UISkin: an image strip cut into equal frames (one per widget state), each
// optionally cut into nine parts so that corners stay unscaled while edges
// and centre stretch.
//
// A skin is a value: its copies share one state (the image's pixel block,
// the frame count and the pieces). Its geometry is checked once, when the
// image is known, so drawing never reads outside the image: negative
// numbers are refused, the frame count is capped to the frames that fit the
// image, and the nine parts are computed only when the columns and rows fit
// one frame.
//
// A skin made from encoded bytes (UISkin::deferred) decodes them on the
// first call that needs the image (image, count, isEmpty, pieces, drawing),
// once for all its copies; a style set hands out dozens of skins and a
// window uses a few. Until then it answers its geometry without decoding.
// A decoding that fails gives exactly the skin of a missing image.

#include "platform/Geometry.h"
#include "ui/core/UIImage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class UICanvas;

// The nine parts of a sliced frame. The numbers are stored in widget code
// and style data as part masks.
namespace SkinPart {
enum : uint32_t {
    TopLeft = 0x1,
    Top = 0x2,
    TopRight = 0x4,
    Right = 0x8,
    BottomRight = 0x10,
    Bottom = 0x20,
    BottomLeft = 0x40,
    Left = 0x80,
    Centre = 0x100,
    All = 0x1FF,
};
}

enum class SkinOrientation { Horizontal, Vertical };

// A skin's geometry as a style set describes it. Columns are the left,
// centre and right widths of the nine parts and rows the top, middle and
// bottom heights; a left width of 0 means the frames are not sliced.
struct SkinGeometry {
    SkinOrientation orientation = SkinOrientation::Horizontal;
    int32_t count = 0;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    std::array<int32_t, 3> columns{};
    std::array<int32_t, 3> rows{};
};

class UISkin {
public:
    // The empty skin: no image, no frames; it draws nothing.
    UISkin() = default;
    // A skin over the image with the geometry, checked as the header says.
    static UISkin create(UIImage image, const SkinGeometry& geometry);
    // A skin whose image is the encoded file `bytes` (any format the image
    // loader reads), decoded on first need; empty bytes give the skin of a
    // missing image.
    static UISkin deferred(platform::Bytes bytes, const SkinGeometry& geometry);

    bool isEmpty() const { return count() == 0; }
    const UIImage& image() const;
    SkinOrientation orientation() const { return geometry().orientation; }
    // Frames usable for drawing (after capping to the image).
    int32_t count() const;
    int32_t frameWidth() const { return geometry().frameWidth; }
    int32_t frameHeight() const { return geometry().frameHeight; }
    const std::array<int32_t, 3>& columns() const { return geometry().columns; }
    const std::array<int32_t, 3>& rows() const { return geometry().rows; }
    bool isSliced() const { return geometry().columns[0] > 0; }
    // Source rectangles of the nine parts of each frame, in SkinPart bit
    // order; empty when the skin is not sliced or its slices do not fit.
    const std::vector<std::array<Rect, 9>>& pieces() const;
    // Whether the image has been decoded (always, for a skin made from an
    // image); a state query, for tests and diagnostics.
    bool isDecoded() const;

private:
    struct State;

    const SkinGeometry& geometry() const;
    // The state with its image decoded; null for the empty skin.
    const State* resolved() const;

    // Shared by every copy; null for the empty skin.
    std::shared_ptr<State> m_state;
};

// The source rectangle of frame `index`; empty when the index is not one of
// the skin's frames.
Rect frameRect(const UISkin& skin, int32_t index);

// Draws frame `index` into `target`: an unsliced frame scaled to the
// target; a sliced frame copied unscaled when the target has its size, else
// part by part (the parts in `mask`), corners unscaled and edges and centre
// stretched, the edges and centre taking over the room of the corner
// columns and rows left out of the mask. A sliced frame needs a target
// larger than its corners (frame size - centre size + 1); smaller targets,
// empty targets, frame indices out of range and sliced skins without
// pieces draw nothing.
void drawSkin(UICanvas& canvas, const UISkin& skin, int32_t index, const Rect& target, uint32_t mask = SkinPart::All);
