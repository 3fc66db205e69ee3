#pragma once
// The grid layout applied to widgets: the sizes widgets ask of their
// parents, and the pass that moves and resizes a widget's subtree into the
// cells of its layout (ui/core/UILayout.h does the arithmetic).
//
// A pass paints nothing: each widget's DirectPaint flag is cleared while
// its geometry is set, so changed widgets only mark their window dirty; a
// visible window left dirty by a pass is repainted once, after the
// outermost pass.

#include "platform/Geometry.h"

class UIWidget;

namespace WidgetLayout {

// The larger of the widget's sizeHint and its layout's size hint, clamped
// by its minimum and maximum size; stored as the widget's effective size.
Size effectiveSizeHint(UIWidget& widget);
// What the widget's layout needs for its visible, non-window children.
Size layoutSizeHint(UIWidget& widget);
// Gives the widget its geometry inside its cell (unless it is the root of
// the pass) and arranges its children, recursively. Returns whether any
// widget of the subtree changed its rectangle.
bool applyGeometry(UIWidget& widget, const Rect& cell, const UIWidget* root);
// Re-arranges the widget's children inside its current size; returns
// whether anything moved or changed size.
bool relayout(UIWidget& widget);

} // namespace WidgetLayout
