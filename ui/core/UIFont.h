#pragma once
// UIFont: a font description (family, size in points, style flags) plus
// measuring outside painting. A default-constructed font is "not set"
// (invalid); painting and measuring use the default font in its place.

#include "platform/PaintTypes.h"
#include "platform/SystemInfo.h"
#include "platform/Text.h"

#include <optional>

class UIFont {
public:
    UIFont() = default;
    UIFont(String family, float size, uint32_t style = 0);

    // The interface font: "segoe ui" from Windows major version 6 on, or on
    // older systems where that family is installed, else "microsoft sans
    // serif"; 12 points, no style. Determined once per process.
    static const UIFont& defaultFont();
    // The family rule of the default font, for a given system.
    static String defaultFamilyFor(std::optional<platform::OsVersion> version, bool segoeUiInstalled);

    bool isValid() const { return m_valid; }
    const String& family() const { return m_family; }
    float size() const { return m_size; }
    uint32_t style() const { return m_style; }
    bool isBold() const { return (m_style & platform::FontStyle::Bold) != 0; }
    bool isItalic() const { return (m_style & platform::FontStyle::Italic) != 0; }
    bool isUnderline() const { return (m_style & platform::FontStyle::Underline) != 0; }
    bool isStrikeout() const { return (m_style & platform::FontStyle::Strikeout) != 0; }

    // Setters make the font valid; unset fields take the default font's.
    void setFamily(String family);
    void setSize(float size);
    void setStyle(uint32_t style);

    // The description handed to the platform (the default font's when this
    // one is not set).
    platform::FontDescription description() const;
    // Native height in pixels: round(size x screen dpi / 72).
    int32_t pixelHeight() const;

    platform::FontMetrics metrics() const;
    Size textSize(StringView text) const;
    int32_t charWidth(char16_t c) const;

    friend bool operator==(const UIFont&, const UIFont&) = default;

private:
    void makeValid();

    String m_family;
    float m_size = 0.0f;
    uint32_t m_style = 0;
    bool m_valid = false;
};
