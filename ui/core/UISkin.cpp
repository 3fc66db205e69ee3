#include "ui/core/UISkin.h"
#include "ui/core/PackageImage.h"
#include "ui/core/UICanvas.h"

#include <algorithm>

namespace {

// Index of each part's rectangle in a frame's pieces, in SkinPart bit order.
enum PieceIndex : size_t {
    TopLeftPiece,
    TopPiece,
    TopRightPiece,
    RightPiece,
    BottomRightPiece,
    BottomPiece,
    BottomLeftPiece,
    LeftPiece,
    CentrePiece,
};

bool slicesFit(const SkinGeometry& g)
{
    const auto nonNegative = [](const std::array<int32_t, 3>& a) {
        return std::all_of(a.begin(), a.end(), [](int32_t v) { return v >= 0; });
    };
    if (!nonNegative(g.columns) || !nonNegative(g.rows))
        return false;
    const int64_t width = int64_t(g.columns[0]) + g.columns[1] + g.columns[2];
    const int64_t height = int64_t(g.rows[0]) + g.rows[1] + g.rows[2];
    return width <= g.frameWidth && height <= g.frameHeight;
}

std::array<Rect, 9> piecesOf(const Rect& frame, const SkinGeometry& g)
{
    const int32_t l = g.columns[0], c = g.columns[1], r = g.columns[2];
    const int32_t t = g.rows[0], m = g.rows[1], b = g.rows[2];
    const int32_t x0 = frame.x, x1 = frame.x + l, x2 = frame.x + l + c;
    const int32_t y0 = frame.y, y1 = frame.y + t, y2 = frame.y + t + m;
    return {{
        {x0, y0, l, t},
        {x1, y0, c, t},
        {x2, y0, r, t},
        {x2, y1, r, m},
        {x2, y2, r, b},
        {x1, y2, c, b},
        {x0, y2, l, b},
        {x0, y1, l, m},
        {x1, y1, c, m},
    }};
}

} // namespace

struct UISkin::State {
    SkinGeometry geometry;
    // The encoded image until the first decoding; emptied by it.
    platform::Bytes encoded;
    bool decoded = false;
    UIImage image;
    int32_t count = 0;
    std::vector<std::array<Rect, 9>> pieces;

    // Takes the image and derives the frame count and pieces from it.
    void settle(UIImage decodedImage)
    {
        image = std::move(decodedImage);
        decoded = true;
        SkinGeometry& g = geometry;
        // Frames of no area cannot be drawn, and frames must lie in the image.
        int32_t fitting = 0;
        if (g.frameWidth > 0 && g.frameHeight > 0) {
            if (g.orientation == SkinOrientation::Vertical)
                fitting = g.frameWidth <= image.width() ? image.height() / g.frameHeight : 0;
            else
                fitting = g.frameHeight <= image.height() ? image.width() / g.frameWidth : 0;
        }
        count = std::min(g.count, fitting);
        if (count > 0 && g.columns[0] > 0 && slicesFit(g)) {
            pieces.reserve(static_cast<size_t>(count));
            for (int32_t i = 0; i < count; ++i) {
                const Rect frame = g.orientation == SkinOrientation::Vertical
                    ? Rect{0, i * g.frameHeight, g.frameWidth, g.frameHeight}
                    : Rect{i * g.frameWidth, 0, g.frameWidth, g.frameHeight};
                pieces.push_back(piecesOf(frame, g));
            }
        }
    }
};

namespace {

// The checked geometry: negative numbers clear the frames.
SkinGeometry checkedGeometry(SkinGeometry g)
{
    if (g.count < 0 || g.frameWidth < 0 || g.frameHeight < 0)
        g.count = g.frameWidth = g.frameHeight = 0;
    return g;
}

} // namespace

UISkin UISkin::create(UIImage image, const SkinGeometry& geometry)
{
    UISkin skin;
    skin.m_state = std::make_shared<State>();
    skin.m_state->geometry = checkedGeometry(geometry);
    skin.m_state->settle(std::move(image));
    return skin;
}

UISkin UISkin::deferred(platform::Bytes bytes, const SkinGeometry& geometry)
{
    UISkin skin;
    skin.m_state = std::make_shared<State>();
    skin.m_state->geometry = checkedGeometry(geometry);
    skin.m_state->encoded = std::move(bytes);
    return skin;
}

const UISkin::State* UISkin::resolved() const
{
    State* state = m_state.get();
    if (state && !state->decoded) {
        UIImage image = decodePackageImage(state->encoded.data(), state->encoded.size());
        platform::Bytes().swap(state->encoded);
        state->settle(std::move(image));
    }
    return state;
}

const SkinGeometry& UISkin::geometry() const
{
    static const SkinGeometry kNone;
    return m_state ? m_state->geometry : kNone;
}

const UIImage& UISkin::image() const
{
    static const UIImage kNone;
    const State* state = resolved();
    return state ? state->image : kNone;
}

int32_t UISkin::count() const
{
    const State* state = resolved();
    return state ? state->count : 0;
}

const std::vector<std::array<Rect, 9>>& UISkin::pieces() const
{
    static const std::vector<std::array<Rect, 9>> kNone;
    const State* state = resolved();
    return state ? state->pieces : kNone;
}

bool UISkin::isDecoded() const { return !m_state || m_state->decoded; }

Rect frameRect(const UISkin& skin, int32_t index)
{
    if (index < 0 || index >= skin.count())
        return {};
    if (skin.orientation() == SkinOrientation::Vertical)
        return {0, index * skin.frameHeight(), skin.frameWidth(), skin.frameHeight()};
    return {index * skin.frameWidth(), 0, skin.frameWidth(), skin.frameHeight()};
}

void drawSkin(UICanvas& canvas, const UISkin& skin, int32_t index, const Rect& target, uint32_t mask)
{
    const Rect frame = frameRect(skin, index);
    if (target.isEmpty() || frame.isEmpty())
        return;
    if (!skin.isSliced()) {
        canvas.drawImage(target, skin.image(), frame);
        return;
    }
    if (skin.pieces().empty())
        return;
    const auto [l, c, r] = skin.columns();
    const auto [t, m, b] = skin.rows();
    if (target.width < frame.width - c + 1 || target.height < frame.height - m + 1)
        return;
    if (target.size() == frame.size()) {
        canvas.drawImage(target, skin.image(), frame);
        return;
    }
    const std::array<Rect, 9>& piece = skin.pieces()[static_cast<size_t>(index)];
    const auto has = [mask](uint32_t parts) { return (mask & parts) != 0; };
    const auto draw = [&](uint32_t part, PieceIndex source, Rect to) {
        // An empty source would mean the whole image to drawImage.
        if (has(part) && !to.isEmpty() && !piece[source].isEmpty())
            canvas.drawImage(to, skin.image(), piece[source]);
    };

    // The stretched middle column and row, widened over the corner columns
    // and rows the mask leaves out.
    const bool leftOut = !has(SkinPart::TopLeft | SkinPart::Left | SkinPart::BottomLeft);
    const bool rightOut = !has(SkinPart::TopRight | SkinPart::Right | SkinPart::BottomRight);
    const bool topOut = !has(SkinPart::TopLeft | SkinPart::Top | SkinPart::TopRight);
    const bool bottomOut = !has(SkinPart::BottomLeft | SkinPart::Bottom | SkinPart::BottomRight);
    const int32_t midX = target.x + (leftOut ? 0 : l);
    const int32_t midWidth = std::max(0, target.width - (leftOut ? 0 : l) - (rightOut ? 0 : r));
    const int32_t midY = target.y + t;
    const int32_t midHeight = std::max(0, target.height - t - b);
    const int32_t centreY = target.y + (topOut ? 0 : t);
    const int32_t centreHeight = std::max(0, target.height - (topOut ? 0 : t) - (bottomOut ? 0 : b));
    const int32_t rightX = target.right() - r;
    const int32_t bottomY = target.bottom() - b;

    draw(SkinPart::TopLeft, TopLeftPiece, {target.x, target.y, l, t});
    draw(SkinPart::Top, TopPiece, {midX, target.y, midWidth, t});
    draw(SkinPart::TopRight, TopRightPiece, {rightX, target.y, r, t});
    draw(SkinPart::Right, RightPiece, {rightX, midY, r, midHeight});
    draw(SkinPart::BottomRight, BottomRightPiece, {rightX, bottomY, r, b});
    draw(SkinPart::Bottom, BottomPiece, {midX, bottomY, midWidth, b});
    draw(SkinPart::BottomLeft, BottomLeftPiece, {target.x, bottomY, l, b});
    draw(SkinPart::Left, LeftPiece, {target.x, midY, l, midHeight});
    draw(SkinPart::Centre, CentrePiece, {midX, centreY, midWidth, centreHeight});
}
