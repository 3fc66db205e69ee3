#include "ui/widgets/UIList.h"

#include "platform/InputState.h"
#include "ui/core/Alignment.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/widgets/UIScrollArea.h"

#include <algorithm>

namespace {

constexpr char16_t kBackgroundSkin[] = u"UIList_Background";
constexpr char16_t kSelectionSkin[] = u"UIList_Selection";
// The blank text's shadow copy sits this much lower.
constexpr int32_t kBlankShadowDrop = 2;

} // namespace

UIList::UIList(UIWidget* parent) : UIWidget(parent)
{
    setFlag(Flag::TrackHover, true);
    // The combo box keeps the keyboard while its popup list is used.
    setFocusPolicy(NoFocus);
    create(u"UIList");
}

UIList::~UIList() { destroyWidget(); }

// --- Rows -------------------------------------------------------------------

void UIList::clear()
{
    m_rows.clear();
    setCurrent(-1);
    update();
}

int32_t UIList::addRow(RowKind kind, String text, const UIImage& icon, String detail)
{
    Row added;
    added.kind = kind;
    added.text = std::move(text);
    added.detail = std::move(detail);
    added.icon = icon;
    m_rows.push_back(std::move(added));
    layoutRows();
    update();
    return rowCount() - 1;
}

void UIList::setCurrent(int32_t index)
{
    if (index == m_current)
        return;
    m_current = index;
    UINotifyEvent notification(index);
    currentRowChanged.emit(notification);
}

void UIList::selectRow(int32_t index)
{
    if (index < -1 || index >= rowCount())
        return;
    for (int32_t i = 0; i < rowCount(); ++i)
        m_rows[static_cast<size_t>(i)].selected = i == index;
    update();
    setCurrent(index);
}

bool UIList::isSelected(int32_t index) const { return index >= 0 && index < rowCount() && row(index).selected; }

int32_t UIList::selectedCount() const
{
    return static_cast<int32_t>(std::count_if(m_rows.begin(), m_rows.end(), [](const Row& r) { return r.selected; }));
}

void UIList::selectAll()
{
    if (m_selectionMode != SelectionMode::Extended)
        return;
    for (Row& r : m_rows)
        r.selected = true;
    update();
}

void UIList::moveTo(int32_t index)
{
    if (rowCount() == 0)
        return;
    const int32_t target = std::clamp(index, 0, rowCount() - 1);
    selectRow(target);
    scrollToRow(target);
}

void UIList::setRowHeight(int32_t height)
{
    m_rowHeight = std::max(1, height);
    layoutRows();
    update();
}

void UIList::setViewMode(ViewMode mode)
{
    m_viewMode = mode;
    update();
}

void UIList::setBlankText(String text)
{
    m_blankText = std::move(text);
    update();
}

void UIList::setBlankImage(const UIImage& image)
{
    m_blankImage = image;
    update();
}

void UIList::setBlankTextShown(bool shown)
{
    m_blankTextShown = shown;
    update();
}

void UIList::setBlankImageShown(bool shown)
{
    m_blankImageShown = shown;
    update();
}

// --- Geometry ---------------------------------------------------------------

void UIList::layoutRows()
{
    int32_t y = contentOffsetV();
    for (Row& r : m_rows) {
        r.rect = {contentOffsetH(), y, width(), m_rowHeight};
        y += m_rowHeight;
    }
}

void UIList::resizeEvent(UIResizeEvent&) { layoutRows(); }

int32_t UIList::rowAt(Point position) const
{
    for (int32_t i = 0; i < rowCount(); ++i)
        if (row(i).rect.contains(position))
            return i;
    return -1;
}

int32_t UIList::viewHeight() const
{
    const auto* area = parent() ? dynamic_cast<const UIScrollArea*>(parent()->parent()) : nullptr;
    return area ? parent()->height() : height();
}

void UIList::scrollToRow(int32_t index)
{
    auto* area = parent() ? dynamic_cast<UIScrollArea*>(parent()->parent()) : nullptr;
    if (!area || index < 0 || index >= rowCount())
        return;
    UIScrollBar& bar = area->verticalScrollBar();
    const int32_t top = index * m_rowHeight;
    const int32_t view = viewHeight();
    if (top < bar.value())
        bar.setValue(top);
    else if (top + m_rowHeight > bar.value() + view)
        bar.setValue(top + m_rowHeight - view);
}

String UIList::toolTipAt(Point position) const
{
    if (!toolTip().empty())
        return toolTip();
    const int32_t index = rowAt(position);
    return index >= 0 && row(index).truncated ? row(index).text : String();
}

// --- Style ------------------------------------------------------------------

void UIList::setStyleProperty(StringView name, StringView value)
{
    if (m_look.setProperty(name, value))
        return;
    if (name == u"background")
        m_background = parseFill(value);
    else if (name == u"detailedFont")
        m_detailFont = parseFont(value);
    else if (name == u"detailedForeground")
        m_detailForeground = parseColor(value);
    else if (name == u"disabledDetailedForeground")
        m_disabledDetailForeground = parseColor(value);
    else if (name == u"defaultItemBackground")
        m_defaultRowBackground = parseFill(value);
    else if (name == u"defaultItemForeground")
        m_defaultRowForeground = parseColor(value);
    else if (name == u"selectedItemBackground")
        m_selectedRowBackground = parseFill(value);
    else if (name == u"selectedItemForeground")
        m_selectedRowForeground = parseColor(value);
    else if (name == u"alternateItemBackground")
        m_alternateRowBackground = parseFill(value);
    else if (name == u"alternateItemForeground")
        m_alternateRowForeground = parseColor(value);
    else if (name == u"listModeItemHeight")
        setRowHeight(parseInteger(value));
    else if (name == u"listModeItemPadding")
        m_rowPadding = parseMargins(value);
    else if (name == u"listModeItemSpacing")
        m_rowSpacing = parseInteger(value);
    else if (name == u"blankForeground")
        m_blankForeground = parseColor(value);
    else if (name == u"shadowBlankForeground")
        m_shadowBlankForeground = parseColor(value);
    else if (name == u"blankFont")
        m_blankFont = parseFont(value);
}

void UIList::setSkin(StringView name, const UISkin& skin)
{
    if (name == kBackgroundSkin)
        m_backgroundSkin = skin;
    else if (name == kSelectionSkin)
        m_selectionSkin = skin;
}

// --- Input ------------------------------------------------------------------

void UIList::mouseMoveEvent(UIMouseEvent& event)
{
    if (!m_hoverTracking)
        return;
    const int32_t index = rowAt(event.position());
    if (index < 0 || index == m_current)
        return;
    if (!isSelected(index))
        selectRow(index);
    else
        setCurrent(index);
    update();
}

void UIList::leaveEvent(UIMouseEvent&)
{
    if (m_hoverTracking)
        selectRow(-1);
}

void UIList::mousePressEvent(UIMouseEvent& event)
{
    const int32_t index = rowAt(event.position());
    if (event.button() != platform::LeftButton || index < 0)
        return;
    const uint32_t modifiers = event.modifiers();
    if (m_selectionMode == SelectionMode::Extended && (modifiers & platform::ShiftModifier) && m_current >= 0) {
        const auto [low, high] = std::minmax(m_current, index);
        for (int32_t i = 0; i < rowCount(); ++i)
            m_rows[static_cast<size_t>(i)].selected = i >= low && i <= high;
        update();
    } else if (m_selectionMode == SelectionMode::Extended && (modifiers & platform::ControlModifier)) {
        m_rows[static_cast<size_t>(index)].selected = !row(index).selected;
        update();
    } else {
        selectRow(index);
    }
}

void UIList::mouseReleaseEvent(UIMouseEvent& event)
{
    if (event.button() != platform::LeftButton)
        return;
    // Inside the window the list is seen through, not only inside the list.
    const Point p = event.position();
    if (const UIWidget* view = parent(); view && !view->rect().contains(Point{x() + p.x, y() + p.y}))
        return;
    const int32_t index = rowAt(event.position());
    if (index < 0 || row(index).kind == RowKind::Separator)
        return;
    UINotifyEvent notification(index);
    activated.emit(notification);
}

void UIList::keyPressEvent(UIKeyEvent& event)
{
    const int32_t rows = std::max(1, viewHeight() / m_rowHeight);
    switch (event.key()) {
    case kUpKey:
    case kLeftKey:
    case kPad8Key:
    case kPad4Key:
        moveTo(m_current < 0 ? 0 : m_current - 1);
        break;
    case kDownKey:
    case kRightKey:
    case kPad2Key:
    case kPad6Key:
        moveTo(m_current < 0 ? 0 : m_current + 1);
        break;
    case kHomeKey:
    case kPad7Key:
        moveTo(0);
        break;
    case kEndKey:
    case kPad1Key:
        moveTo(rowCount() - 1);
        break;
    case kPageUpKey:
    case kPad9Key:
        moveTo(std::max(0, m_current) - rows);
        break;
    case kPageDownKey:
    case kPad3Key:
        moveTo(std::max(0, m_current) + rows);
        break;
    case kSelectAllKey:
        if (event.modifiers() & platform::ControlModifier)
            selectAll();
        break;
    default:
        event.ignore();
        break;
    }
}

// --- Painting ---------------------------------------------------------------

void UIList::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
    drawSkin(canvas, m_backgroundSkin, 0, rect());
    layoutRows();
    if (m_rows.empty()) {
        paintBlank(canvas);
        return;
    }
    for (int32_t i = 0; i < rowCount(); ++i) {
        const int32_t y = row(i).rect.y;
        if (y > -m_rowHeight && y < height())
            paintRow(canvas, i);
    }
}

void UIList::paintRow(UICanvas& canvas, int32_t index)
{
    Row& r = m_rows[static_cast<size_t>(index)];
    const Rect& area = r.rect;
    if (r.kind == RowKind::Separator) {
        const platform::PenDescription pen = canvas.pen();
        canvas.setPen(kSeparatorColor, pen.width, pen.style);
        const int32_t middle = area.y + area.height / 2;
        canvas.drawLine({area.x, middle}, {area.right() - 1, middle});
        return;
    }
    const bool odd = index % 2 == 1;
    canvas.fillRect(area,
                    r.selected ? m_selectedRowBackground
                        : odd  ? m_alternateRowBackground
                               : m_defaultRowBackground);
    Rect text{area.x + m_rowPadding.left, area.y, area.width - m_rowPadding.left - m_rowPadding.right, area.height};
    if (!r.icon.isEmpty()) {
        const Rect icon = UILayout::alignRect(Alignment::Left | Alignment::VCenter, area, r.icon.size());
        canvas.drawImage(icon.topLeft(), r.icon);
        const int32_t shift = r.icon.width() + m_rowSpacing;
        text.x += shift;
        text.width -= shift;
    }
    if (r.text.empty())
        return;
    uint32_t color = r.selected ? m_selectedRowForeground : odd ? m_alternateRowForeground : m_defaultRowForeground;
    if (!isEnabled())
        color = m_look.disabledForeground.color;
    if (!r.detail.empty()) {
        // The detail text keeps the right end of the row; the text gets
        // what is left.
        canvas.setFont(m_detailFont);
        const int32_t detailWidth = std::min(text.width, canvas.textSize(r.detail).width);
        canvas.setPen(isEnabled() ? m_detailForeground : m_disabledDetailForeground);
        canvas.drawText({text.right() - detailWidth, text.y, detailWidth, text.height}, r.detail,
                        Alignment::Right | Alignment::VCenter, ElideMode::End);
        text.width -= detailWidth + m_rowSpacing;
    }
    canvas.setFont(m_look.font);
    canvas.setPen(color);
    r.truncated = canvas.drawText(text, r.text, Alignment::Left | Alignment::VCenter, ElideMode::End);
}

void UIList::paintBlank(UICanvas& canvas)
{
    if (m_blankImageShown && !m_blankImage.isEmpty())
        canvas.drawImage(UILayout::alignRect(Alignment::Center, rect(), m_blankImage.size()).topLeft(), m_blankImage);
    if (!m_blankTextShown || m_blankText.empty())
        return;
    canvas.setFont(m_blankFont);
    canvas.setPen(m_shadowBlankForeground);
    canvas.drawText({0, kBlankShadowDrop, width(), height() - kBlankShadowDrop}, m_blankText, Alignment::Center);
    canvas.setPen(m_blankForeground);
    canvas.drawText(rect(), m_blankText, Alignment::Center);
}
