// The grid arithmetic: flow and wrap, line sizes, sharing out spare room,
// cells and alignment, through UILayout's public interface only.
#include "ui/core/UILayout.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <utility>

namespace {

struct Kid {
    Size hint;
    SizePolicy policy = SizePolicy::Fixed; // both directions
    int32_t rowSpan = 1;
    int32_t columnSpan = 1;
};

// Holds the children's own layouts alive for as long as the arrangement
// reads them.
struct Tree {
    std::deque<UILayout> placements;
    std::vector<UILayout::Child> children;

    explicit Tree(const std::vector<Kid>& kids)
    {
        for (const Kid& kid : kids) {
            UILayout& placement = placements.emplace_back();
            placement.setPolicy(kid.policy, kid.policy);
            placement.setSpan(kid.rowSpan, kid.columnSpan);
            children.push_back({kid.hint, &placement});
        }
    }
};

std::vector<Rect> arrangeKids(UILayout& layout, const std::vector<Kid>& kids, Size owner)
{
    const Tree tree(kids);
    layout.buildItems(tree.children);
    return layout.arrange(owner);
}

} // namespace

TEST(UILayout, SharesSpareWidthAlongARow)
{
    const Kid button{{60, 20}};
    const Kid empty{{0, 0}};
    const Kid growable{{0, 0}, SizePolicy::Preferred};
    const Kid expander{{0, 0}, SizePolicy::Expanding};
    const std::vector<Kid> four(4, growable), eleven(11, growable);
    const std::vector<int32_t> tens(11, 10);
    struct Case {
        std::vector<Kid> kids;
        std::vector<std::pair<int, float>> columnStretch;
        int32_t spacing;
        int32_t margin;
        int32_t ownerWidth;
        std::vector<int32_t> xs;
        std::vector<int32_t> widths;
    };
    const std::vector<Case> cases = {
        // An expander takes all the spare room; fixed items share it evenly.
        {{button, expander, button}, {}, 0, 0, 300, {0, 60, 240}, {60, 180, 60}},
        {{button, button}, {}, 0, 0, 300, {0, 150}, {150, 150}},
        // The remainder goes to the rightmost growable column.
        {{growable, growable, growable}, {}, 0, 0, 100, {0, 33, 66}, {33, 33, 34}},
        {{growable, growable, empty}, {}, 0, 0, 100, {0, 33, 67}, {33, 34, 33}},
        {{expander, button, expander}, {}, 0, 0, 101, {0, 20, 80}, {20, 60, 21}},
        // Stretch 50/0: halves round to even, the first largest takes the rest.
        {{button, button}, {{0, 50.0f}}, 0, 0, 221, {0, 111}, {111, 110}},
        // No zero column: the factors are kept (no division by zero).
        {{button, button}, {{0, 20.0f}, {1, 20.0f}}, 0, 0, 220, {0, 140}, {140, 80}},
        // Above 100 the zero columns narrow, and never run past the owner.
        {{button, button}, {{1, 150.0f}}, 0, 0, 220, {0, 10}, {10, 210}},
        {four, {{0, 60.0f}, {1, 60.0f}, {2, 60.0f}}, 0, 0, 100, {0, 0, 60, 100}, {0, 60, 40, 0}},
        {{button}, {{0, 40.0f}}, 0, 0, 100, {0}, {100}},
        // Spacing and margins; with no spare room nothing shrinks and the row overflows.
        {{button, button}, {}, 6, 8, 142, {8, 74}, {60, 60}},
        {{button, button}, {}, 4, 0, 100, {0, 64}, {60, 60}},
        // Eleven columns: stretch past the tenth is ignored.
        {eleven, {{0, 10.0f}, {10, 90.0f}, {-1, 5.0f}}, 0, 0, 110, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, tens},
    };
    for (size_t n = 0; n < cases.size(); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE("case " + std::to_string(n));
        UILayout layout;
        layout.setSpacing(c.spacing, c.spacing);
        layout.setMargins({c.margin, c.margin, c.margin, c.margin});
        for (const auto& [index, factor] : c.columnStretch)
            layout.setColumnStretch(index, factor);
        const std::vector<Rect> cells = arrangeKids(layout, c.kids, {c.ownerWidth, 40});
        ASSERT_EQ(cells.size(), c.xs.size());
        for (size_t i = 0; i < cells.size(); ++i) {
            EXPECT_EQ(cells[i].x, c.xs[i]) << "cell " << i;
            EXPECT_EQ(cells[i].width, c.widths[i]) << "cell " << i;
            EXPECT_EQ(layout.items()[i].width, c.widths[i]) << "item " << i;
        }
    }
}

TEST(UILayout, SizeHintCountsMarginsAndSpacing)
{
    const std::vector<Kid> two(2, Kid{{60, 20}});
    struct Case {
        const char* name;
        UILayout::Flow flow;
        bool enabled;
        std::vector<Kid> kids;
        Size expected;
    };
    const std::vector<Case> cases = {
        {"along a row", UILayout::Flow::Row, true, two, {142, 36}},
        {"down a column", UILayout::Flow::Column, true, two, {76, 62}},
        {"disabled", UILayout::Flow::Row, false, two, {0, 0}},
        {"no children", UILayout::Flow::Row, true, {}, {0, 0}},
        {"negative hints count as 0", UILayout::Flow::Row, true, {{{-50, -9}}, {{10, 5}}}, {32, 21}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UILayout layout;
        layout.setFlow(c.flow);
        layout.setEnabled(c.enabled);
        layout.setSpacing(6, 6);
        layout.setMargins({8, 8, 8, 8});
        const std::vector<Rect> cells = arrangeKids(layout, c.kids, {300, 300});
        EXPECT_EQ(layout.layoutSizeHint(), c.expected);
        if (c.expected == Size{}) {
            EXPECT_TRUE(cells.empty());
        }
    }
}

TEST(UILayout, ChildrenFlowAndWrap)
{
    using Positions = std::vector<std::pair<int32_t, int32_t>>; // (row, column)
    constexpr auto kRow = UILayout::Flow::Row, kColumn = UILayout::Flow::Column;
    struct Case {
        UILayout::Flow flow;
        int32_t wrap;
        std::vector<Kid> kids;
        Positions expected;
        std::vector<int32_t> spans; // along the flow
    };
    const Kid one{{10, 10}};
    const Kid wide{{10, 10}, SizePolicy::Fixed, 1, 2};
    const Kid tall{{10, 10}, SizePolicy::Fixed, 3, 1};
    const Kid unspanned{{10, 10}, SizePolicy::Fixed, 0, -3};
    const std::vector<Case> cases = {
        // rowWrap 2 down columns, columnWrap 2 along rows.
        {kColumn, 2, {one, one, one}, {{0, 0}, {1, 0}, {0, 1}}, {1, 1, 1}},
        {kRow, 2, {one, one, one}, {{0, 0}, {0, 1}, {1, 0}}, {1, 1, 1}},
        // A span is cut to the room left; with no wrap it does not start a new line.
        {kRow, 3, {wide, wide, one}, {{0, 0}, {0, 2}, {1, 0}}, {2, 1, 1}},
        {kRow, 0, {wide, one}, {{0, 0}, {0, 2}}, {2, 1}},
        // A negative wrap never wraps; spans below 1 are 1.
        {kColumn, -4, {one, tall, one}, {{0, 0}, {1, 0}, {4, 0}}, {1, 3, 1}},
        {kRow, 0, {unspanned, one}, {{0, 0}, {0, 1}}, {1, 1}},
    };
    for (size_t n = 0; n < cases.size(); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE("case " + std::to_string(n));
        UILayout layout;
        layout.setFlow(c.flow);
        layout.setColumnWrap(c.wrap);
        layout.setRowWrap(c.wrap);
        arrangeKids(layout, c.kids, {100, 100});
        Positions placed;
        for (const UILayoutItem& item : layout.items())
            placed.emplace_back(item.row, item.column);
        EXPECT_EQ(placed, c.expected);
        ASSERT_EQ(layout.items().size(), c.spans.size());
        for (size_t i = 0; i < c.spans.size(); ++i) {
            const UILayoutItem& item = layout.items()[i];
            const bool rows = c.flow == UILayout::Flow::Row;
            EXPECT_EQ(rows ? item.columnSpan : item.rowSpan, c.spans[i]) << "item " << i;
            EXPECT_EQ(rows ? item.rowSpan : item.columnSpan, 1) << "item " << i;
        }
    }
}

TEST(UILayout, SpanningItemWidensTheColumnsItCovers)
{
    // Two 30-wide items over a 101-wide one spanning both columns, spacing
    // 4: the 37 missing pixels are shared 18 / 19.
    UILayout layout;
    layout.setColumnWrap(2);
    layout.setSpacing(4, 0);
    const std::vector<Kid> kids = {{{30, 10}}, {{30, 10}}, {{101, 10}, SizePolicy::Fixed, 1, 2}};
    const Tree tree(kids);
    layout.buildItems(tree.children);
    EXPECT_EQ(layout.layoutSizeHint(), (Size{101, 20}));
    const std::vector<Rect> cells = layout.arrange(layout.layoutSizeHint());
    EXPECT_EQ(cells, (std::vector<Rect>{{0, 0, 48, 10}, {52, 0, 49, 10}, {0, 10, 101, 10}}));
}

TEST(UILayout, AlignRect)
{
    const Rect box{0, 0, 100, 50};
    struct Case {
        int32_t alignment;
        Rect container;
        Size item;
        Rect expected;
    };
    const std::vector<Case> cases = {
        {0x30, box, {20, 10}, {40, 20, 20, 10}},
        {0x11, box, {20, 10}, {0, 20, 20, 10}},
        {0x0A, {5, 7, 100, 50}, {20, 10}, {85, 47, 20, 10}},
        {0, {5, 7, 1, 1}, {20, 10}, {5, 7, 20, 10}},
        // Larger than the container: left and top, whatever the flags say.
        {0x32, box, {120, 10}, {0, 20, 120, 10}},
        {0x30, box, {20, 60}, {40, 0, 20, 60}},
        {0x20, box, {21, 10}, {39, 0, 21, 10}}, // halving toward zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(UILayout::alignRect(c.alignment, c.container, c.item), c.expected) << "alignment " << c.alignment;
}

// Random grids in an owner at least as large as their size hint.
TEST(UILayout, RandomGridsKeepTheirInvariants)
{
    std::mt19937 random(20261206u);
    const auto pick = [&](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    };
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        UILayout layout;
        const bool rowFlow = pick(0, 1) == 0;
        layout.setFlow(rowFlow ? UILayout::Flow::Row : UILayout::Flow::Column);
        layout.setColumnWrap(pick(-1, 4));
        layout.setRowWrap(pick(-1, 4));
        layout.setSpacing(pick(0, 8), pick(0, 8));
        const Margins margins{pick(0, 10), pick(0, 10), pick(0, 10), pick(0, 10)};
        layout.setMargins(margins);
        const bool stretched = pick(0, 1) == 0;
        for (int i = 0; stretched && i < 4; ++i) {
            layout.setColumnStretch(pick(0, 11), static_cast<float>(pick(0, 120)));
            layout.setRowStretch(pick(0, 11), static_cast<float>(pick(0, 120)));
        }
        std::vector<Kid> kids(static_cast<size_t>(pick(1, 14)));
        for (Kid& kid : kids)
            kid = {{pick(0, 80), pick(0, 40)}, static_cast<SizePolicy>(pick(1, 3)), pick(0, 3), pick(0, 3)};
        const Tree tree(kids);
        layout.buildItems(tree.children);
        const Size hint = layout.layoutSizeHint();
        const Size owner{hint.width + pick(0, 200), hint.height + pick(0, 200)};
        const std::vector<Rect> cells = layout.arrange(owner);
        ASSERT_EQ(cells.size(), kids.size());
        const Rect inner =
            Rect::fromEdges(margins.left, margins.top, owner.width - margins.right, owner.height - margins.bottom);

        int32_t right = inner.x, bottom = inner.y;
        for (size_t i = 0; i < cells.size(); ++i) {
            // Every cell lies inside the owner less its margins.
            EXPECT_TRUE(inner.contains(cells[i])) << "cell " << i;
            // With no stretch factors nothing is made smaller than its hint.
            if (!stretched) {
                EXPECT_GE(cells[i].width, kids[i].hint.width) << "cell " << i;
                EXPECT_GE(cells[i].height, kids[i].hint.height) << "cell " << i;
            }
            // No two cells overlap.
            for (size_t j = 0; j < i; ++j)
                EXPECT_TRUE(cells[i].intersected(cells[j]).isEmpty()) << "cells " << j << " and " << i;
            right = std::max(right, cells[i].right());
            bottom = std::max(bottom, cells[i].bottom());
        }
        // The lines fill the owner: the outermost cells reach its far edges.
        EXPECT_EQ(right, inner.right());
        EXPECT_EQ(bottom, inner.bottom());

        // Along each full line of the flow (its items cover every column, or
        // every row), the cells follow each other at the spacing and their
        // extents plus the spacings add up to the available room.
        const auto along = [&](const Rect& r) { return rowFlow ? std::pair(r.x, r.width) : std::pair(r.y, r.height); };
        const int32_t spacing = rowFlow ? layout.horizontalSpacing() : layout.verticalSpacing();
        const int32_t room = rowFlow ? inner.width : inner.height;
        int32_t lineCount = 0;
        for (const UILayoutItem& item : layout.items())
            lineCount = std::max(lineCount, rowFlow ? item.column + item.columnSpan : item.row + item.rowSpan);
        for (size_t start = 0; start < cells.size();) {
            const auto lineOf = [&](size_t i) { return rowFlow ? layout.items()[i].row : layout.items()[i].column; };
            size_t end = start + 1;
            int32_t covered = rowFlow ? layout.items()[start].columnSpan : layout.items()[start].rowSpan;
            int32_t total = along(cells[start]).second;
            for (; end < cells.size() && lineOf(end) == lineOf(start); ++end) {
                EXPECT_EQ(along(cells[end]).first, along(cells[end - 1]).first + along(cells[end - 1]).second + spacing)
                    << "cell " << end;
                covered += rowFlow ? layout.items()[end].columnSpan : layout.items()[end].rowSpan;
                total += spacing + along(cells[end]).second;
            }
            if (covered == lineCount) {
                EXPECT_EQ(total, room) << "line starting at cell " << start;
            }
            start = end;
        }

        // Arranging again gives the same cells, and the hint is unchanged by
        // the distribution having overwritten the items' extents.
        EXPECT_EQ(layout.arrange(owner), cells);
        EXPECT_EQ(layout.layoutSizeHint(), hint);
    }
}
