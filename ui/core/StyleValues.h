#pragma once
// The text syntax of style property values. Every value arrives as text
// from a style set's models; these parsers turn it into a value and never
// fail: malformed text gives the type's fallback. White space around the
// whole text and around each comma-separated part is ignored.
//
// Integers are read as a sign and decimal digits; the first other character
// ends the number, no digits give 0, and values beyond the type saturate.

#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIFont.h"

#include <cstdint>

// White with alpha 0: what every malformed colour reads as, and what
// "transparent" names. Nothing is drawn in it.
inline constexpr uint32_t kTransparentColor = 0x00FFFFFFu;

// A colour as widgets keep it for drawing: a kind (0, a plain colour), the
// 0xAARRGGBB colour and an opacity from 0 to 1.
struct UIColorRecord {
    int32_t kind = 0;
    uint32_t color = kTransparentColor;
    float opacity = 1.0f;
    friend bool operator==(const UIColorRecord&, const UIColorRecord&) = default;
};

// Empty or non-numeric text gives 0.
int32_t parseInteger(StringView text);
// Non-zero integers are true.
bool parseBoolean(StringView text);
// Exactly two integers "x,y"; anything else gives (0, 0).
Point parsePoint(StringView text);
Size parseSize(StringView text);
// Exactly four integers "left,top,right,bottom"; anything else gives zeros.
Margins parseMargins(StringView text);
// "r,g,b" (opaque) or "a,r,g,b", each component clamped to 0..255 and an
// empty one 0; a text starting with a digit is the colour's decimal value
// (the low 32 bits of it); anything else is kTransparentColor.
uint32_t parseColor(StringView text);
UIColorRecord parseColorRecord(StringView text);
// "family,size,styles": the default font with the family replaced unless
// empty or "default", the size in points when it is a number above 0 and at
// most 1000, and underline and bold added when the styles hold those words.
// Any other number of parts gives the default font.
UIFont parseFont(StringView text);
// One colour gives a solid fill; "c1|c2|...|cn" (empty parts skipped) a
// vertical gradient with the colours spread evenly from 0 to 1.
UIBrush parseFill(StringView text);
