#include "tests/toolkit-demo/SkinGallery.h"

#include "ui/core/StandardImage.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIStyleSet.h"

#include <algorithm>

namespace {

constexpr int32_t kMargin = 12;
constexpr int32_t kGap = 4; // between a label and its frames, and between frames
constexpr int32_t kColumnGap = 20;
constexpr int32_t kRowGap = 14;
constexpr int32_t kMaximumWidth = 1240; // the grid wraps to stay within a 1280-pixel screen
constexpr uint32_t kLabelColor = 0xFF1F2329u;
constexpr float kLabelPointSize = 9.0f;
// Stretched sliced frames are at least this long and this thick, so the
// edges and the centre visibly grow while the corners stay.
constexpr int32_t kMinimumStretchLength = 40;
constexpr int32_t kMinimumStretchThickness = 24;
constexpr char16_t kVertical[] = u"Vertical";

// Unsliced frames doubled; sliced ones stretched four times along their
// length (downwards for the vertical parts of a scroll bar, else across)
// and twice across it, as widgets mostly stretch them.
Size largerSize(StringView name, const UISkin& skin)
{
    const Size frame{skin.frameWidth(), skin.frameHeight()};
    if (!skin.isSliced())
        return {frame.width * 2, frame.height * 2};
    const bool vertical = name.find(kVertical) != StringView::npos;
    const int32_t along = vertical ? frame.height : frame.width, across = vertical ? frame.width : frame.height;
    const Size stretched{std::max(along * 4, kMinimumStretchLength), std::max(across * 2, kMinimumStretchThickness)};
    return vertical ? Size{stretched.height, stretched.width} : stretched;
}

String withoutExtension(StringView file)
{
    const size_t dot = file.rfind(u'.');
    return String(dot == StringView::npos ? file : file.substr(0, dot));
}

} // namespace

SkinGallery::SkinGallery(UIWidget* parent, const UIStyleSet& styleSet, const UIBrush& background)
    : UIWidget(parent)
    , m_styleSet(styleSet)
    , m_background(background)
{
    create(u"SkinGallery");
    m_labelFont = UIFont(UIFont::defaultFont().family(), kLabelPointSize);
    m_labelHeight = m_labelFont.metrics().lineHeight();

    std::vector<String> names;
    for (const NamedSkin& named : styleSet.skins())
        names.push_back(named.name);
    std::sort(names.begin(), names.end());
    std::vector<Cell> skins;
    for (const String& name : names)
        skins.push_back(skinCell(name));
    std::vector<Cell> images;
    for (int32_t index = 0; index < kStandardImageCount; ++index)
        images.push_back(imageCell(index));

    const int32_t skinsBottom = placeGrid(skins, kMargin);
    m_contentSize.height = placeGrid(images, skinsBottom + kRowGap) + kMargin;
}

SkinGallery::Cell SkinGallery::skinCell(const String& name) const
{
    Cell cell{name, {}, m_labelFont.textSize(name)};
    cell.size.height = m_labelHeight;
    const UISkin& skin = m_styleSet.skin(name);
    for (const Size size : {Size{skin.frameWidth(), skin.frameHeight()}, largerSize(name, skin)}) {
        const int32_t top = cell.size.height + kGap;
        int32_t x = 0;
        for (int32_t frame = 0; frame < skin.count(); ++frame) {
            cell.pieces.push_back({PieceKind::Skin, name, frame, {x, top, size.width, size.height}});
            x += size.width + kGap;
        }
        cell.size.width = std::max(cell.size.width, x - kGap);
        cell.size.height = top + size.height;
    }
    return cell;
}

SkinGallery::Cell SkinGallery::imageCell(int32_t index) const
{
    const String name = withoutExtension(standardImageFile(index));
    const String label = decimalText(int64_t{index}) + u" " + name;
    const UIImage& image = m_styleSet.standardImage(index);
    Cell cell{label, {}, m_labelFont.textSize(label)};
    const Rect rect{0, m_labelHeight + kGap, image.width(), image.height()};
    cell.pieces.push_back({PieceKind::StandardImage, name, index, rect});
    cell.size = {std::max(cell.size.width, rect.width), rect.bottom()};
    return cell;
}

int32_t SkinGallery::placeGrid(std::vector<Cell>& cells, int32_t top)
{
    int32_t columnWidth = 0;
    for (const Cell& cell : cells)
        columnWidth = std::max(columnWidth, cell.size.width);
    const int32_t columns =
        std::max(1, (kMaximumWidth - 2 * kMargin + kColumnGap) / std::max(1, columnWidth + kColumnGap));

    int32_t rowTop = top;
    for (size_t first = 0; first < cells.size(); first += size_t(columns)) {
        const size_t end = std::min(cells.size(), first + size_t(columns));
        int32_t rowHeight = 0;
        for (size_t i = first; i < end; ++i) {
            const Point origin{kMargin + int32_t(i - first) * (columnWidth + kColumnGap), rowTop};
            m_labels.push_back({{origin.x, origin.y, cells[i].size.width, m_labelHeight}, cells[i].label});
            for (Piece piece : cells[i].pieces) {
                piece.rect = piece.rect.translated(origin.x, origin.y);
                m_pieces.push_back(std::move(piece));
            }
            rowHeight = std::max(rowHeight, cells[i].size.height);
            m_contentSize.width = std::max(m_contentSize.width, origin.x + columnWidth + kMargin);
        }
        rowTop += rowHeight + kRowGap;
    }
    return rowTop - kRowGap;
}

void SkinGallery::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
    canvas.setFont(m_labelFont);
    canvas.setPen(kLabelColor);
    for (const auto& [rect, text] : m_labels)
        canvas.drawText(rect, text);
    for (const Piece& piece : m_pieces) {
        if (piece.kind == PieceKind::Skin)
            drawSkin(canvas, m_styleSet.skin(piece.name), piece.index, piece.rect);
        else
            canvas.drawImage(piece.rect.topLeft(), m_styleSet.standardImage(piece.index));
    }
}
