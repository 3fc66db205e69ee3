#pragma once
// The grid layout every widget carries. It does two jobs at once: as the
// layout of its own widget it arranges that widget's visible children in a
// grid of rows and columns; as a layout item it says how the widget itself
// wants to be placed in its parent's grid (policies, alignment, spans).
//
// This class is the arithmetic: children flow into the grid in child order,
// columns and rows get their widths and heights, spare room is shared out
// and each child gets a cell. Walking the widget tree and moving widgets is
// done by ui/core/WidgetLayout.h on top of it.

#include "platform/Geometry.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// Size policy across one direction.
enum class SizePolicy : int32_t {
    // The widget keeps its effective size and is aligned in its cell.
    Fixed = 1,
    // The widget takes the size of its cell. Any value other than Fixed
    // behaves so; this is the one the toolkit uses.
    Preferred = 2,
    // As Preferred, and its row or column receives spare room first.
    Expanding = 3,
};

// One visible child of the arranged widget, as the flow placed it.
struct UILayoutItem {
    // The child's effective size hint; the distribution overwrites them
    // with the final extents.
    int32_t width = 0;
    int32_t height = 0;
    int32_t row = 0;
    int32_t column = 0;
    // Along the flow: cut so that the item does not run past the wrap count.
    // Across the flow always 1, since every line starts again at position 0
    // and a taller (wider) item would overlap the next line's items.
    int32_t columnSpan = 1;
    int32_t rowSpan = 1;
    // The child's policy along the flow is Expanding / is not Fixed.
    bool expanding = false;
    bool growable = false;
};

class UILayout {
public:
    static constexpr int kMaximumLines = 10;
    static constexpr int32_t kDefaultAlignment = 0x11; // left, vertically centred

    // Children run along a row (the column index grows), or down a column.
    enum class Flow : int32_t { Row = 0, Column = 1 };

    // --- As the layout of its own widget ---
    Flow flow() const;
    void setFlow(Flow flow);
    int32_t horizontalSpacing() const;
    int32_t verticalSpacing() const;
    void setSpacing(int32_t horizontal, int32_t vertical);
    // With Flow::Row the number of columns after which a new row starts,
    // with Flow::Column the number of rows; 0 = never wrap, negative = 0.
    int32_t columnWrap() const;
    int32_t rowWrap() const;
    void setColumnWrap(int32_t columns);
    void setRowWrap(int32_t rows);
    // Stretch factors (percentages) of rows and columns 0..9; an index
    // outside that range is ignored, and lines past 9 read 0.
    float rowStretch(int index) const;
    float columnStretch(int index) const;
    void setRowStretch(int index, float factor);
    void setColumnStretch(int index, float factor);
    Margins margins() const;
    void setMargins(Margins margins);
    // A disabled layout arranges nothing and needs 0 x 0.
    bool isEnabled() const;
    void setEnabled(bool enabled);

    // --- As an item in its parent's layout ---
    // Spans below 1 are taken as 1. Only the span along the parent's flow
    // is used.
    int32_t rowSpan() const;
    int32_t columnSpan() const;
    void setSpan(int32_t rows, int32_t columns);
    int32_t alignment() const;
    void setAlignment(int32_t alignment);
    SizePolicy horizontalPolicy() const;
    SizePolicy verticalPolicy() const;
    void setPolicy(SizePolicy horizontal, SizePolicy vertical);
    // The size the widget last asked of its parent's layout; a Fixed widget
    // is given exactly this size in that direction.
    Size effectiveSize() const;
    void setEffectiveSize(Size size);

    // --- The arithmetic ---
    // What the arrangement needs to know of one visible child: its
    // effective size hint, and its own layout for spans and policies.
    struct Child {
        Size hint;
        const UILayout* placement = nullptr;
    };
    // Rebuilds the items from the visible, non-window children in child
    // order. Builds nothing while disabled.
    void buildItems(std::span<const Child> children);
    const std::vector<UILayoutItem>& items() const;
    // The size the built items need, margins and spacing included; 0 x 0
    // when disabled or when there are no items.
    Size layoutSizeHint() const;
    // Shares out an owner of the given size among the built items and
    // returns each item's cell in owner coordinates, in item order. Cells
    // never have a negative width or height.
    std::vector<Rect> arrange(Size ownerSize);

    // Places an item of the given size inside a container by alignment
    // flags; an item larger than the container goes to its left / top edge.
    static Rect alignRect(int32_t alignment, const Rect& container, Size item);

private:
    Flow m_flow = Flow::Row;
    int32_t m_horizontalSpacing = 0;
    int32_t m_verticalSpacing = 0;
    int32_t m_columnWrap = 0;
    int32_t m_rowWrap = 0;
    std::array<float, kMaximumLines> m_rowStretch{};
    std::array<float, kMaximumLines> m_columnStretch{};
    int32_t m_rowSpan = 1;
    int32_t m_columnSpan = 1;
    bool m_enabled = true;
    Margins m_margins;
    int32_t m_alignment = kDefaultAlignment;
    SizePolicy m_horizontalPolicy = SizePolicy::Fixed;
    SizePolicy m_verticalPolicy = SizePolicy::Fixed;
    std::vector<UILayoutItem> m_items;
    // The children's hints as built, kept apart from the items (which
    // arrange() overwrites) so that size queries and repeated arrangements
    // always start from the same numbers.
    std::vector<Size> m_hints;
    Size m_effectiveSize;
};
