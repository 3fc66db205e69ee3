#pragma once
// UITextLook: how most widgets draw their text, read from their style: the
// font, the text and shadow colours for the enabled and the disabled state,
// and the shadow copy's offset. A widget keeps one and hands it the style
// properties it receives; keys it does not know are left to the widget.

#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIFont.h"

#include <cstdint>

// Text without a style still shows: black on whatever lies below, without
// a shadow.
inline constexpr uint32_t kDefaultTextColor = 0xFF000000u;

struct UITextLook {
    UIFont font = UIFont::defaultFont();
    UIColorRecord foreground{0, kDefaultTextColor, 1.0f};
    UIColorRecord shadowForeground;
    UIColorRecord disabledForeground{0, kDefaultTextColor, 1.0f};
    UIColorRecord disabledShadowForeground;
    Point shadowOffset;

    // Takes "font", "foreground", "shadowForeground", "disabledForeground",
    // "disabledShadowForeground" and "shadowOffset"; false for other keys.
    bool setProperty(StringView name, StringView value);
};

// Draws the text as a shadow copy in `shadow` at `rect` moved by `offset`,
// then in `color` at `rect`, in the canvas's current font. A colour of
// alpha 0 draws nothing. Returns whether the last draw shortened the text
// (drawText's answer).
bool drawShadowedText(UICanvas& canvas, const Rect& rect, StringView text, uint32_t alignment, uint32_t color,
                      uint32_t shadow, Point offset, ElideMode elide = ElideMode::None);
