#pragma once
// UIList: a vertical list of text rows (with an optional icon and detail
// text), with a current row, single or extended selection and, when hover
// tracking is on, a selection that follows the pointer.
//
// Look: the style section "UIList" (fonts, the row fills and text colours
// for default, alternate and selected rows, "listModeItemHeight",
// "listModeItemPadding", "listModeItemSpacing", the blank text's colours and
// font) and the skins "UIList_Background" and "UIList_Selection". Every row
// is drawn in list mode; the icon-mode keys are read and kept for the
// settings that store them.
//
// Placed in a scroll area's viewport (UIListView), the list scrolls that
// area to keep its current row in view; elsewhere it shows the rows that
// fit its own height.

#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIImage.h"
#include "ui/core/UISignal.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>
#include <vector>

class UICanvas;

class UIList : public UIWidget {
public:
    enum class SelectionMode : int32_t { Single = 1, Extended = 2 };
    enum class ViewMode : int32_t { List = 0, Icon = 1 };
    // The combo box's popup fills its list with Item rows.
    enum class RowKind : int32_t { Separator = 1, Item = 2 };

    struct Row {
        RowKind kind = RowKind::Item;
        String text;
        String detail;
        UIImage icon;
        bool selected = false;
        // Where the row was drawn at the last layout, and whether its text
        // had to be shortened there.
        Rect rect;
        bool truncated = false;
    };

    // Keys a list answers.
    static constexpr uint32_t kPageUpKey = 33;
    static constexpr uint32_t kPageDownKey = 34;
    static constexpr uint32_t kEndKey = 35;
    static constexpr uint32_t kHomeKey = 36;
    static constexpr uint32_t kLeftKey = 37;
    static constexpr uint32_t kUpKey = 38;
    static constexpr uint32_t kRightKey = 39;
    static constexpr uint32_t kDownKey = 40;
    static constexpr uint32_t kSelectAllKey = 'A';
    static constexpr uint32_t kPad1Key = 97;
    static constexpr uint32_t kPad2Key = 98;
    static constexpr uint32_t kPad3Key = 99;
    static constexpr uint32_t kPad4Key = 100;
    static constexpr uint32_t kPad6Key = 102;
    static constexpr uint32_t kPad7Key = 103;
    static constexpr uint32_t kPad8Key = 104;
    static constexpr uint32_t kPad9Key = 105;
    static constexpr Size kSizeHint{70, 70};
    // The grey of separator rows.
    static constexpr uint32_t kSeparatorColor = 0xFFA4A4A4u;

    explicit UIList(UIWidget* parent = nullptr);
    ~UIList() override;

    // Sent with the new current row (-1 for none).
    UISignal currentRowChanged;
    // Sent with the row under the pointer when the left button is released
    // over it.
    UISignal activated;

    void clear();
    // Appends a row; returns its index.
    int32_t addRow(RowKind kind, String text, const UIImage& icon = {}, String detail = {});
    int32_t rowCount() const { return static_cast<int32_t>(m_rows.size()); }
    const Row& row(int32_t index) const { return m_rows[static_cast<size_t>(index)]; }

    int32_t currentRow() const { return m_current; }
    // Makes the row current and the only selected one; -1 clears the
    // current row and the selection. Out-of-range rows are ignored.
    void selectRow(int32_t index);
    bool isSelected(int32_t index) const;
    int32_t selectedCount() const;
    // Only in extended selection.
    void selectAll();
    // Scrolls the enclosing scroll area so that the row is wholly visible.
    void scrollToRow(int32_t index);
    // The row whose rectangle holds the point, else -1.
    int32_t rowAt(Point position) const;

    int32_t rowHeight() const { return m_rowHeight; }
    void setRowHeight(int32_t height);
    // Height of all rows together.
    int32_t rowsHeight() const { return rowCount() * m_rowHeight; }

    bool hoverTracking() const { return m_hoverTracking; }
    void setHoverTracking(bool on) { m_hoverTracking = on; }
    SelectionMode selectionMode() const { return m_selectionMode; }
    void setSelectionMode(SelectionMode mode) { m_selectionMode = mode; }
    ViewMode viewMode() const { return m_viewMode; }
    void setViewMode(ViewMode mode);

    // What an empty list shows, centred.
    void setBlankText(String text);
    void setBlankImage(const UIImage& image);
    void setBlankTextShown(bool shown);
    void setBlankImageShown(bool shown);

    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;
    Size sizeHint() const override { return kSizeHint; }
    // A row's full text when its painting shortened it.
    String toolTipAt(Point position) const override;

protected:
    void paintEvent(UIPaintEvent& event) override;
    void resizeEvent(UIResizeEvent& event) override;
    void mouseMoveEvent(UIMouseEvent& event) override;
    void mousePressEvent(UIMouseEvent& event) override;
    void mouseReleaseEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;
    void keyPressEvent(UIKeyEvent& event) override;

private:
    void layoutRows();
    void setCurrent(int32_t index);
    // Moves the current row (and the only selection) to the row, clamped.
    void moveTo(int32_t index);
    // The height of the window the list is seen through.
    int32_t viewHeight() const;
    void paintRow(UICanvas& canvas, int32_t index);
    void paintBlank(UICanvas& canvas);

    std::vector<Row> m_rows;
    int32_t m_current = -1;
    int32_t m_rowHeight = 22;
    bool m_hoverTracking = false;
    SelectionMode m_selectionMode = SelectionMode::Single;
    ViewMode m_viewMode = ViewMode::List;

    UITextLook m_look;
    UIFont m_detailFont = UIFont::defaultFont();
    uint32_t m_detailForeground = kDefaultTextColor;
    uint32_t m_disabledDetailForeground = kDefaultTextColor;
    UIBrush m_background = UIBrush::solid(kTransparentColor);
    UIBrush m_defaultRowBackground = UIBrush::solid(kTransparentColor);
    UIBrush m_alternateRowBackground = UIBrush::solid(kTransparentColor);
    UIBrush m_selectedRowBackground = UIBrush::solid(kTransparentColor);
    uint32_t m_defaultRowForeground = kDefaultTextColor;
    uint32_t m_alternateRowForeground = kDefaultTextColor;
    uint32_t m_selectedRowForeground = kDefaultTextColor;
    Margins m_rowPadding;
    int32_t m_rowSpacing = 0;
    UISkin m_backgroundSkin;
    UISkin m_selectionSkin;

    String m_blankText;
    UIImage m_blankImage;
    bool m_blankTextShown = true;
    bool m_blankImageShown = true;
    UIFont m_blankFont = UIFont::defaultFont();
    uint32_t m_blankForeground = kDefaultTextColor;
    uint32_t m_shadowBlankForeground = 0;
};
