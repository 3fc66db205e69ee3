#pragma once
// The frame a text field's skin shows: the fields (line edit, hot-key
// field) share the order normal, hovered, focused, disabled.

#include "ui/core/UISkin.h"
#include "ui/core/UIWidget.h"

#include <cstdint>

// A skin of fewer frames shows its first for the states it lacks.
inline int32_t fieldSkinFrame(const UIWidget& field, const UISkin& skin)
{
    enum Frame : int32_t { Normal = 0, Hovered = 1, Focused = 2, Disabled = 3 };
    int32_t frame = Normal;
    if (!field.isEnabled())
        frame = Disabled;
    else if (field.hasFocus())
        frame = Focused;
    else if (field.testFlag(UIWidget::Flag::Hovered))
        frame = Hovered;
    return frame < skin.count() ? frame : Normal;
}
