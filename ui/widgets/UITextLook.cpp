#include "ui/widgets/UITextLook.h"

bool UITextLook::setProperty(StringView name, StringView value)
{
    if (name == u"font")
        font = parseFont(value);
    else if (name == u"foreground")
        foreground = parseColorRecord(value);
    else if (name == u"shadowForeground")
        shadowForeground = parseColorRecord(value);
    else if (name == u"disabledForeground")
        disabledForeground = parseColorRecord(value);
    else if (name == u"disabledShadowForeground")
        disabledShadowForeground = parseColorRecord(value);
    else if (name == u"shadowOffset")
        shadowOffset = parsePoint(value);
    else
        return false;
    return true;
}

bool drawShadowedText(UICanvas& canvas, const Rect& rect, StringView text, uint32_t alignment, uint32_t color,
                      uint32_t shadow, Point offset, ElideMode elide)
{
    if (shadow >> 24) {
        canvas.setPen(shadow);
        canvas.drawText({rect.x + offset.x, rect.y + offset.y, rect.width, rect.height}, text, alignment, elide);
    }
    canvas.setPen(color);
    return canvas.drawText(rect, text, alignment, elide);
}
