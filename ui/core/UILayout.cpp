#include "ui/core/UILayout.h"

#include "ui/core/Alignment.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

// Sections: line sizes (column widths and row heights, spans widening the
// lines they cover); sharing out spare room along one direction; the
// layout's own fields; building the items; the size hint and the cells;
// alignRect.
//
// All sums are taken in 64 bits and clamped when they become coordinates,
// so that no hint, spacing or owner size can overflow.

namespace {

enum class Direction { Horizontal, Vertical };

int32_t lineOf(const UILayoutItem& item, Direction direction)
{
    return direction == Direction::Horizontal ? item.column : item.row;
}

int32_t spanOf(const UILayoutItem& item, Direction direction)
{
    return direction == Direction::Horizontal ? item.columnSpan : item.rowSpan;
}

int64_t extentOf(Size size, Direction direction)
{
    return direction == Direction::Horizontal ? size.width : size.height;
}

int32_t toCoordinate(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Lines past the ten stretch entries stretch by 0.
float stretchAt(const std::array<float, UILayout::kMaximumLines>& stretch, size_t line)
{
    return line < stretch.size() ? stretch[line] : 0.0f;
}

// Nearest integer, halves to even, independent of the FPU's rounding mode.
int64_t roundHalfToEven(float value)
{
    if (!std::isfinite(value))
        return 0;
    const double exact = value;
    const double floor = std::floor(exact);
    const double fraction = exact - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded = floor + 1.0;
    constexpr double kLimit = std::numeric_limits<int32_t>::max();
    return static_cast<int64_t>(std::clamp(rounded, -kLimit, kLimit));
}

// The widths of the columns (or heights of the rows) the items need: the
// largest hint among the single-span items of each line. The grid has as
// many lines as the items cover, so a spanning item at the end of a line
// never reaches past the last line.
std::vector<int64_t> lineSizes(const std::vector<UILayoutItem>& items, const std::vector<Size>& hints,
                               Direction direction, int32_t spacing)
{
    size_t count = 0;
    for (const UILayoutItem& item : items)
        count = std::max(count, static_cast<size_t>(lineOf(item, direction)) + spanOf(item, direction));
    std::vector<int64_t> sizes(count, 0);
    for (size_t i = 0; i < items.size(); ++i) {
        if (spanOf(items[i], direction) == 1) {
            int64_t& size = sizes[lineOf(items[i], direction)];
            size = std::max(size, extentOf(hints[i], direction));
        }
    }
    // A spanning item wider than the lines it covers (spacings included)
    // shares the shortfall evenly among them, the remainder going to the
    // last covered line. Items are taken in order, so a later item sees the
    // lines an earlier one widened.
    for (size_t i = 0; i < items.size(); ++i) {
        const int64_t span = spanOf(items[i], direction);
        if (span < 2)
            continue;
        const auto first = sizes.begin() + lineOf(items[i], direction);
        const int64_t covered = std::accumulate(first, first + span, int64_t{0}) + (span - 1) * spacing;
        const int64_t shortfall = extentOf(hints[i], direction) - covered;
        if (shortfall <= 0)
            continue;
        std::for_each(first, first + span, [&](int64_t& size) { size += shortfall / span; });
        *(first + span - 1) += shortfall % span;
    }
    return sizes;
}

// Shares the spare room of `available` pixels (margins already taken off)
// among the lines. Lines never shrink below what their items need: with no
// spare room nothing changes and the content overflows the far edge.
void distribute(std::vector<int64_t>& sizes, int64_t available, int32_t spacing,
                const std::array<float, UILayout::kMaximumLines>& stretch, const std::vector<UILayoutItem>& items,
                Direction direction)
{
    const int64_t count = static_cast<int64_t>(sizes.size());
    if (count == 0)
        return;
    const int64_t room = available - (count - 1) * spacing;
    const int64_t extra = room - std::accumulate(sizes.begin(), sizes.end(), int64_t{0});
    if (extra <= 0)
        return;

    // Only single-span items mark their line as expanding or growable.
    std::vector<bool> expanding(sizes.size()), growable(sizes.size());
    for (const UILayoutItem& item : items) {
        if (spanOf(item, direction) != 1)
            continue;
        const size_t line = static_cast<size_t>(lineOf(item, direction));
        expanding[line] = expanding[line] || item.expanding;
        growable[line] = growable[line] || item.growable;
    }

    // Expanding lines take all the spare room; the last of them takes the
    // remainder.
    const int64_t expanders = std::count(expanding.begin(), expanding.end(), true);
    if (expanders > 0) {
        size_t last = 0;
        for (size_t line = 0; line < sizes.size(); ++line) {
            if (expanding[line]) {
                sizes[line] += extra / expanders;
                last = line;
            }
        }
        sizes[last] += extra % expanders;
        return;
    }

    bool stretched = false;
    for (size_t line = 0; line < sizes.size(); ++line)
        stretched = stretched || stretchAt(stretch, line) != 0.0f;
    if (!stretched) {
        // An even share each; the remainder to the last line that can grow,
        // or to the last line.
        size_t target = sizes.size() - 1;
        for (size_t line = 0; line < sizes.size(); ++line) {
            sizes[line] += extra / count;
            if (growable[line])
                target = line;
        }
        sizes[target] += extra % count;
        return;
    }

    // Stretch factors are percentages of the spare room. When they do not
    // add up to 100, the lines at 0 share what is missing (or give up what
    // is too much). With no line at 0 there is nobody to share it with, so
    // the factors stay as set and the final correction settles the sum.
    float sum = 0.0f;
    int64_t zeros = 0;
    for (size_t line = 0; line < sizes.size(); ++line) {
        sum += stretchAt(stretch, line);
        zeros += stretchAt(stretch, line) == 0.0f ? 1 : 0;
    }
    const float fill = (sum != 100.0f && zeros > 0) ? (100.0f - sum) / static_cast<float>(zeros) : 0.0f;
    const float perCent = static_cast<float>(extra) / 100.0f;
    size_t largest = 0;
    for (size_t line = 0; line < sizes.size(); ++line) {
        const float factor = stretchAt(stretch, line);
        const float share = (factor == 0.0f ? fill : factor) * perCent;
        // Clamped before the correction below, so that a line a negative
        // factor would make narrower than nothing leaves the sum exact.
        sizes[line] = std::max<int64_t>(0, sizes[line] + roundHalfToEven(share));
        if (factor > stretchAt(stretch, largest))
            largest = line;
    }
    // The rounding (and factors that do not add up) leave the sum off by a
    // little; the first line of the largest factor settles it. Should that
    // line not hold a deficit, the rest comes off the other lines from the
    // last one back, so the lines never run past the room.
    int64_t difference = room - std::accumulate(sizes.begin(), sizes.end(), int64_t{0});
    const int64_t settled = std::max<int64_t>(0, sizes[largest] + difference);
    difference -= settled - sizes[largest];
    sizes[largest] = settled;
    for (size_t line = sizes.size(); difference < 0 && line-- > 0;) {
        const int64_t taken = std::min(sizes[line], -difference);
        sizes[line] -= taken;
        difference += taken;
    }
}

// Offsets of the lines from the first one's start.
std::vector<int64_t> lineOffsets(const std::vector<int64_t>& sizes, int64_t start, int32_t spacing)
{
    std::vector<int64_t> offsets(sizes.size());
    for (size_t line = 0; line < sizes.size(); ++line) {
        offsets[line] = start;
        start += sizes[line] + spacing;
    }
    return offsets;
}

int64_t spanned(const std::vector<int64_t>& sizes, int32_t first, int32_t span, int32_t spacing)
{
    const auto begin = sizes.begin() + first;
    return std::accumulate(begin, begin + span, int64_t{0}) + int64_t{span - 1} * spacing;
}

int64_t linesTotal(const std::vector<int64_t>& sizes, int32_t spacing)
{
    if (sizes.empty())
        return 0;
    return std::accumulate(sizes.begin(), sizes.end(), int64_t{0}) + static_cast<int64_t>(sizes.size() - 1) * spacing;
}

} // namespace

// --- The layout's own fields ---

UILayout::Flow UILayout::flow() const { return m_flow; }

void UILayout::setFlow(Flow flow) { m_flow = flow == Flow::Row ? Flow::Row : Flow::Column; }

int32_t UILayout::horizontalSpacing() const { return m_horizontalSpacing; }

int32_t UILayout::verticalSpacing() const { return m_verticalSpacing; }

// Negative spacing is 0: the distribution gives no room back for it, so
// the cells would overlap by it.
void UILayout::setSpacing(int32_t horizontal, int32_t vertical)
{
    m_horizontalSpacing = std::max(0, horizontal);
    m_verticalSpacing = std::max(0, vertical);
}

int32_t UILayout::columnWrap() const { return m_columnWrap; }

int32_t UILayout::rowWrap() const { return m_rowWrap; }

void UILayout::setColumnWrap(int32_t columns) { m_columnWrap = std::max(0, columns); }

void UILayout::setRowWrap(int32_t rows) { m_rowWrap = std::max(0, rows); }

float UILayout::rowStretch(int index) const
{
    return index >= 0 ? stretchAt(m_rowStretch, static_cast<size_t>(index)) : 0.0f;
}

float UILayout::columnStretch(int index) const
{
    return index >= 0 ? stretchAt(m_columnStretch, static_cast<size_t>(index)) : 0.0f;
}

void UILayout::setRowStretch(int index, float factor)
{
    if (index >= 0 && index < kMaximumLines && std::isfinite(factor))
        m_rowStretch[static_cast<size_t>(index)] = factor;
}

void UILayout::setColumnStretch(int index, float factor)
{
    if (index >= 0 && index < kMaximumLines && std::isfinite(factor))
        m_columnStretch[static_cast<size_t>(index)] = factor;
}

Margins UILayout::margins() const { return m_margins; }

void UILayout::setMargins(Margins margins) { m_margins = margins; }

bool UILayout::isEnabled() const { return m_enabled; }

void UILayout::setEnabled(bool enabled) { m_enabled = enabled; }

int32_t UILayout::rowSpan() const { return m_rowSpan; }

int32_t UILayout::columnSpan() const { return m_columnSpan; }

void UILayout::setSpan(int32_t rows, int32_t columns)
{
    m_rowSpan = std::max(1, rows);
    m_columnSpan = std::max(1, columns);
}

int32_t UILayout::alignment() const { return m_alignment; }

void UILayout::setAlignment(int32_t alignment) { m_alignment = alignment; }

SizePolicy UILayout::horizontalPolicy() const { return m_horizontalPolicy; }

SizePolicy UILayout::verticalPolicy() const { return m_verticalPolicy; }

void UILayout::setPolicy(SizePolicy horizontal, SizePolicy vertical)
{
    m_horizontalPolicy = horizontal;
    m_verticalPolicy = vertical;
}

Size UILayout::effectiveSize() const { return m_effectiveSize; }

void UILayout::setEffectiveSize(Size size) { m_effectiveSize = size; }

// --- Building the items ---

void UILayout::buildItems(std::span<const Child> children)
{
    m_items.clear();
    m_hints.clear();
    if (!m_enabled || children.empty())
        return;
    static const UILayout kDefaultPlacement;
    const bool rowFlow = m_flow == Flow::Row;
    const int64_t wrap = rowFlow ? m_columnWrap : m_rowWrap;
    // A wrap count of 0 never wraps: the line is as long as the children
    // make it (counting the number of children as the wrap count would
    // start a new line early as soon as one child spans). Spans are then
    // cut to the number of children, so that one child cannot open an
    // unbounded run of empty lines.
    const int64_t room = wrap > 0 ? wrap : static_cast<int64_t>(children.size());
    int64_t position = 0;
    int32_t line = 0;
    m_items.reserve(children.size());
    m_hints.reserve(children.size());
    for (const Child& child : children) {
        const UILayout& placement = child.placement ? *child.placement : kDefaultPlacement;
        const int64_t wanted = rowFlow ? placement.columnSpan() : placement.rowSpan();
        const int32_t span = static_cast<int32_t>(std::min(wanted, wrap > 0 ? room - position : room));
        const SizePolicy policy = rowFlow ? placement.horizontalPolicy() : placement.verticalPolicy();
        const Size hint{std::max(0, child.hint.width), std::max(0, child.hint.height)};

        UILayoutItem item;
        item.width = hint.width;
        item.height = hint.height;
        // Each line starts again at position 0, so an item cannot reach into
        // the next line across the flow without overlapping that line's
        // items: the span across the flow is always 1.
        item.row = rowFlow ? line : static_cast<int32_t>(position);
        item.column = rowFlow ? static_cast<int32_t>(position) : line;
        item.columnSpan = rowFlow ? span : 1;
        item.rowSpan = rowFlow ? 1 : span;
        item.expanding = policy == SizePolicy::Expanding;
        item.growable = policy != SizePolicy::Fixed;
        m_items.push_back(item);
        m_hints.push_back(hint);

        position += span;
        if (wrap > 0 && position >= wrap) {
            ++line;
            position = 0;
        }
    }
}

const std::vector<UILayoutItem>& UILayout::items() const { return m_items; }

// --- The size hint and the cells ---

Size UILayout::layoutSizeHint() const
{
    if (m_items.empty())
        return {};
    const int64_t width =
        linesTotal(lineSizes(m_items, m_hints, Direction::Horizontal, m_horizontalSpacing), m_horizontalSpacing)
        + m_margins.left + m_margins.right;
    const int64_t height =
        linesTotal(lineSizes(m_items, m_hints, Direction::Vertical, m_verticalSpacing), m_verticalSpacing)
        + m_margins.top + m_margins.bottom;
    return {toCoordinate(std::max<int64_t>(0, width)), toCoordinate(std::max<int64_t>(0, height))};
}

std::vector<Rect> UILayout::arrange(Size ownerSize)
{
    std::vector<Rect> cells;
    if (m_items.empty())
        return cells;
    std::vector<int64_t> widths = lineSizes(m_items, m_hints, Direction::Horizontal, m_horizontalSpacing);
    std::vector<int64_t> heights = lineSizes(m_items, m_hints, Direction::Vertical, m_verticalSpacing);
    distribute(widths, int64_t{ownerSize.width} - m_margins.left - m_margins.right, m_horizontalSpacing,
               m_columnStretch, m_items, Direction::Horizontal);
    distribute(heights, int64_t{ownerSize.height} - m_margins.top - m_margins.bottom, m_verticalSpacing, m_rowStretch,
               m_items, Direction::Vertical);
    const std::vector<int64_t> xs = lineOffsets(widths, m_margins.left, m_horizontalSpacing);
    const std::vector<int64_t> ys = lineOffsets(heights, m_margins.top, m_verticalSpacing);

    // Every item takes the full extent of the lines it covers, in every
    // case of the distribution: an item left at its hint inside a wider
    // column would shift the rest of its row out of the grid.
    cells.reserve(m_items.size());
    for (UILayoutItem& item : m_items) {
        item.width = toCoordinate(spanned(widths, item.column, item.columnSpan, m_horizontalSpacing));
        item.height = toCoordinate(spanned(heights, item.row, item.rowSpan, m_verticalSpacing));
        cells.push_back({toCoordinate(xs[static_cast<size_t>(item.column)]),
                         toCoordinate(ys[static_cast<size_t>(item.row)]), item.width, item.height});
    }
    return cells;
}

// --- alignRect ---

Rect UILayout::alignRect(int32_t alignment, const Rect& container, Size item)
{
    if (alignment == 0)
        return {container.x, container.y, item.width, item.height};
    uint32_t flags = static_cast<uint32_t>(alignment);
    if (item.width > container.width)
        flags = (flags & ~uint32_t{Alignment::HCenter | Alignment::Right}) | Alignment::Left;
    if (item.height > container.height)
        flags = (flags & ~uint32_t{Alignment::VCenter | Alignment::Bottom}) | Alignment::Top;
    const int64_t freeWidth = int64_t{container.width} - item.width;
    const int64_t freeHeight = int64_t{container.height} - item.height;
    int64_t x = container.x;
    int64_t y = container.y;
    if ((flags & Alignment::Right) && !(flags & Alignment::Left))
        x = int64_t{container.x} + freeWidth;
    if ((flags & Alignment::Bottom) && !(flags & Alignment::Top))
        y = int64_t{container.y} + freeHeight;
    if (flags & Alignment::VCenter)
        y = int64_t{container.y} + freeHeight / 2;
    if (flags & Alignment::HCenter)
        x = int64_t{container.x} + freeWidth / 2;
    return {toCoordinate(x), toCoordinate(y), item.width, item.height};
}
