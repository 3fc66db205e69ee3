#include "ui/core/WidgetLayout.h"
#include "ui/core/UILayout.h"
#include "ui/core/UIWidget.h"

#include <algorithm>
#include <vector>

namespace {

// Depth of nested passes: a widget resized by a pass runs a pass of its own.
int g_passDepth = 0;

// Builds the widget's items from its visible, non-window children and
// returns those children in item order.
std::vector<UIWidget*> buildItems(UIWidget& widget)
{
    std::vector<UIWidget*> taken;
    std::vector<UILayout::Child> children;
    for (UIWidget* child : widget.children()) {
        if (child->isWindow() || !child->testFlag(UIWidget::Flag::Visible))
            continue;
        taken.push_back(child);
        children.push_back({WidgetLayout::effectiveSizeHint(*child), &child->layout()});
    }
    widget.layout().buildItems(children);
    return taken;
}

int32_t clamp(int32_t value, int32_t minimum, int32_t maximum)
{
    if (minimum > 0 && value < minimum)
        value = minimum;
    if (maximum > 0 && value > maximum)
        value = maximum;
    return value;
}

} // namespace

namespace WidgetLayout {

Size layoutSizeHint(UIWidget& widget)
{
    buildItems(widget);
    return widget.layout().layoutSizeHint();
}

Size effectiveSizeHint(UIWidget& widget)
{
    const Size own = widget.sizeHint();
    const Size children = layoutSizeHint(widget);
    const Size minimum = widget.minimumSize(), maximum = widget.maximumSize();
    const Size hint{clamp(std::max(own.width, children.width), minimum.width, maximum.width),
                    clamp(std::max(own.height, children.height), minimum.height, maximum.height)};
    widget.layout().setEffectiveSize(hint);
    return hint;
}

bool applyGeometry(UIWidget& widget, const Rect& cell, const UIWidget* root)
{
    bool changed = false;
    if (&widget != root) {
        const UILayout& placement = widget.layout();
        const Size effective = placement.effectiveSize();
        Size size = cell.size();
        if (placement.horizontalPolicy() == SizePolicy::Fixed)
            size.width = effective.width;
        if (placement.verticalPolicy() == SizePolicy::Fixed)
            size.height = effective.height;
        Rect target = UILayout::alignRect(placement.alignment(), cell, size);
        target.width = std::max(target.width, 0);
        target.height = std::max(target.height, 0);
        const Rect before = widget.geometry();
        const bool directPaint = widget.testFlag(UIWidget::Flag::DirectPaint);
        widget.setFlag(UIWidget::Flag::DirectPaint, false);
        widget.setGeometry(target);
        changed = widget.geometry() != before;
        // A widget that only moved repaints nowhere by itself: with
        // DirectPaint clear this marks its window for the repaint after the
        // pass.
        if (changed)
            widget.update();
        widget.setFlag(UIWidget::Flag::DirectPaint, directPaint);
    }
    const std::vector<UIWidget*> children = buildItems(widget);
    if (children.empty())
        return changed;
    const std::vector<Rect> cells = widget.layout().arrange(widget.size());
    for (size_t i = 0; i < children.size() && i < cells.size(); ++i)
        changed = applyGeometry(*children[i], cells[i], root) || changed;
    return changed;
}

bool relayout(UIWidget& widget)
{
    ++g_passDepth;
    const bool changed = applyGeometry(widget, widget.geometry(), &widget);
    --g_passDepth;
    if (g_passDepth == 0) {
        UIWidget* top = widget.window();
        if (top->testFlag(UIWidget::Flag::Dirty) && top->testFlag(UIWidget::Flag::DirectPaint) && top->isCreated()
            && top->isVisible()) {
            top->setFlag(UIWidget::Flag::Dirty, false);
            top->update();
        }
    }
    return changed;
}

} // namespace WidgetLayout
