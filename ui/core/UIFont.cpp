#include "ui/core/UIFont.h"

#include "platform/Fonts.h"

#include <utility>

UIFont::UIFont(String family, float size, uint32_t style)
    : m_family(std::move(family))
    , m_size(size)
    , m_style(style)
    , m_valid(true)
{}

String UIFont::defaultFamilyFor(std::optional<platform::OsVersion> version, bool segoeUiInstalled)
{
    if ((version && version->major >= 6) || segoeUiInstalled)
        return u"segoe ui";
    return u"microsoft sans serif";
}

const UIFont& UIFont::defaultFont()
{
    static const UIFont kFont = [] {
        const auto version = platform::osVersion();
        // The installed families are only enumerated when the version alone
        // does not decide.
        const bool needsLookup = !version || version->major < 6;
        return UIFont(defaultFamilyFor(version, needsLookup && platform::isFontFamilyInstalled(u"Segoe UI")), 12.0f, 0);
    }();
    return kFont;
}

void UIFont::makeValid()
{
    if (!m_valid)
        *this = defaultFont();
}

void UIFont::setFamily(String family)
{
    makeValid();
    m_family = std::move(family);
}

void UIFont::setSize(float size)
{
    makeValid();
    m_size = size;
}

void UIFont::setStyle(uint32_t style)
{
    makeValid();
    m_style = style;
}

platform::FontDescription UIFont::description() const
{
    if (!m_valid)
        return defaultFont().description();
    return {m_family, m_size, m_style};
}

int32_t UIFont::pixelHeight() const { return platform::fontPixelHeight(m_valid ? m_size : defaultFont().m_size); }

platform::FontMetrics UIFont::metrics() const { return platform::measureFontMetrics(description()); }

Size UIFont::textSize(StringView text) const { return platform::measureText(description(), text); }

int32_t UIFont::charWidth(char16_t c) const { return platform::measureText(description(), StringView(&c, 1)).width; }
