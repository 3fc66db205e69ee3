#pragma once
// UIScrollArea: shows a content widget through a viewport, with a
// vertical scroll bar at the right, a horizontal one at the bottom and a
// corner piece between them while both show.
//
// Ownership: the area owns its bars, viewport and corner. The content is
// made by the caller with viewport() as its parent and stays the caller's;
// the area only places it and forgets it when it is destroyed.
//
// The bars' ranges run from 0 to the content's extent less the viewport's,
// their page steps are the viewport's extents, and the content sits at
// minus their values inside the viewport.

#include "ui/core/StyleValues.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIWidget.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/widgets/UIScrollAreaCorner.h"
#include "ui/widgets/UIScrollAreaViewport.h"
#include "ui/widgets/UIScrollBar.h"

#include <memory>

enum class ScrollBarPolicy : int32_t { Never = 0, AsNeeded = 2 };

class UIScrollArea : public UIWidget {
public:
    explicit UIScrollArea(UIWidget* parent = nullptr);
    ~UIScrollArea() override;

    void setStyleProperty(StringView name, StringView value) override;

    // Refused (false) unless the widget is null or a child of viewport().
    bool setContent(UIWidget* content);
    UIWidget* content() const { return m_content.get(); }

    void setHorizontalPolicy(ScrollBarPolicy policy);
    void setVerticalPolicy(ScrollBarPolicy policy);
    ScrollBarPolicy horizontalPolicy() const { return m_horizontalPolicy; }
    ScrollBarPolicy verticalPolicy() const { return m_verticalPolicy; }

    UIScrollBar& horizontalScrollBar() { return *m_horizontalBar; }
    UIScrollBar& verticalScrollBar() { return *m_verticalBar; }
    UIScrollAreaViewport& viewport() { return *m_viewport; }
    UIScrollAreaCorner& corner() { return *m_corner; }

protected:
    // For a derived class with a style section of its own: it finishes its
    // own parts, then calls create with its style name.
    enum class DeferredCreate { Tag };
    UIScrollArea(UIWidget* parent, DeferredCreate);

    void paintEvent(UIPaintEvent& event) override;
    void resizeEvent(UIResizeEvent& event) override;

private:
    // Places the viewport, bars and corner for the area's and the content's
    // sizes; runs when either changes. A resize repaints the area by
    // itself; the other changes rearrange and repaint.
    void updateGeometry();
    void rearrange();
    void placeContent();

    UIBrush m_background = UIBrush::solid(kTransparentColor);
    std::unique_ptr<UIScrollAreaViewport> m_viewport;
    std::unique_ptr<UIScrollBar> m_horizontalBar;
    std::unique_ptr<UIScrollBar> m_verticalBar;
    std::unique_ptr<UIScrollAreaCorner> m_corner;
    UIWidgetGuard m_content;
    ScrollBarPolicy m_horizontalPolicy = ScrollBarPolicy::AsNeeded;
    ScrollBarPolicy m_verticalPolicy = ScrollBarPolicy::AsNeeded;
};
