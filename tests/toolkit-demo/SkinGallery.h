#pragma once
// SkinGallery: every skin of a style set in every frame, and its standard
// images, painted in a grid of labelled cells, so the artwork can be judged
// as the toolkit draws it and end-to-end runs can check pixels against the
// source images.
//
// Each skin cell shows the skin's name, its frames at their own size, and
// the same frames at a larger size (sliced skins stretched, unsliced ones
// doubled). Skins come in name order, then the standard images by index.
// The layout is fixed when the gallery is made; `pieces` tells where each
// frame and image is drawn, in the gallery's coordinates.
//
// The gallery keeps a pointer to the style set, which must outlive it.

#include "platform/Geometry.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIFont.h"
#include "ui/core/UIWidget.h"

#include <cstdint>
#include <vector>

class UIStyleSet;

class SkinGallery : public UIWidget {
public:
    enum class PieceKind { Skin, StandardImage };

    // One drawing: frame `index` of the named skin, or standard image
    // `index` (then `name` is its file name without extension).
    struct Piece {
        PieceKind kind = PieceKind::Skin;
        String name;
        int32_t index = 0;
        Rect rect;
    };

    SkinGallery(UIWidget* parent, const UIStyleSet& styleSet, const UIBrush& background);

    // The size that shows every cell.
    Size contentSize() const { return m_contentSize; }
    const std::vector<Piece>& pieces() const { return m_pieces; }

protected:
    void paintEvent(UIPaintEvent& event) override;

private:
    struct Cell {
        String label;
        std::vector<Piece> pieces; // relative to the cell until placed
        Size size;
    };

    Cell skinCell(const String& name) const;
    Cell imageCell(int32_t index) const;
    // Places the cells in rows from `top`; returns the bottom of the grid.
    int32_t placeGrid(std::vector<Cell>& cells, int32_t top);

    const UIStyleSet& m_styleSet;
    UIBrush m_background;
    UIFont m_labelFont;
    int32_t m_labelHeight = 0;
    std::vector<Piece> m_pieces;
    std::vector<std::pair<Rect, String>> m_labels;
    Size m_contentSize;
};
