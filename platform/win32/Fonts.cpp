// Fonts on Windows: creation, installed families and measuring through one
// shared screen-compatible memory device context.
#include "platform/Fonts.h"

#include "platform/win32/GdiText.h"
#include "platform/win32/Wide.h"

#include <algorithm>
#include <cwchar>

namespace platform {

namespace win32 {

UniqueFont createFont(const FontDescription& font)
{
    String family = font.family;
    if (family.size() >= LF_FACESIZE)
        family.resize(LF_FACESIZE - 1);
    return UniqueFont(
        CreateFontW(fontPixelHeight(font.size), 0, 0, 0, (font.style & FontStyle::Bold) ? FW_BOLD : FW_DONTCARE,
                    (font.style & FontStyle::Italic) ? TRUE : FALSE, (font.style & FontStyle::Underline) ? TRUE : FALSE,
                    (font.style & FontStyle::Strikeout) ? TRUE : FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, CLEARTYPE_NATURAL_QUALITY, DEFAULT_PITCH, wide(family)));
}

FontMetrics metricsOf(HDC dc)
{
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc, &metrics))
        return {};
    return {metrics.tmAscent, metrics.tmDescent, metrics.tmAveCharWidth};
}

Size textSizeOn(HDC dc, StringView text)
{
    const int32_t lineHeight = metricsOf(dc).lineHeight();
    Size size{0, 0};
    for (StringView line : splitLines(text)) {
        SIZE extent{0, 0};
        if (!line.empty())
            GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(line.data()), static_cast<int>(line.size()),
                                  &extent);
        size.width = std::max<int32_t>(size.width, extent.cx);
        size.height += lineHeight;
    }
    return size;
}

void textExtentsOn(HDC dc, StringView text, std::vector<int32_t>& extents)
{
    extents.assign(text.size(), 0);
    if (text.empty())
        return;
    std::vector<INT> partial(text.size(), 0);
    SIZE total{};
    if (!GetTextExtentExPointW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), 0,
                               nullptr, partial.data(), &total))
        return;
    // Partial extents never shrink as characters are added.
    int32_t widest = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        widest = std::max<int32_t>(widest, partial[i]);
        extents[i] = widest;
    }
}

} // namespace win32

namespace {

// The shared measuring context with the last used font selected. It lives
// until the process ends; switching fonts replaces the one font it holds.
class Measurer {
public:
    HDC select(const FontDescription& font)
    {
        if (!m_dc) {
            m_dc.reset(CreateCompatibleDC(nullptr));
            if (!m_dc)
                return nullptr;
            m_original = GetCurrentObject(m_dc.get(), OBJ_FONT);
            SetMapMode(m_dc.get(), MM_TEXT);
        }
        if (!m_font || !(font == m_description)) {
            win32::UniqueFont created = win32::createFont(font);
            if (created) {
                SelectObject(m_dc.get(), created.get());
                m_font = std::move(created);
                m_description = font;
            }
        }
        return m_dc.get();
    }
    ~Measurer()
    {
        if (m_dc && m_original)
            SelectObject(m_dc.get(), m_original);
    }

private:
    win32::UniqueMemoryDc m_dc;
    win32::UniqueFont m_font;
    HGDIOBJ m_original = nullptr;
    FontDescription m_description;
};

Measurer& measurer()
{
    static Measurer shared;
    return shared;
}

int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

} // namespace

int32_t screenDpiY()
{
    static const int32_t dpi = [] {
        const win32::ScreenDc screen;
        const int value = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
        return value > 0 ? value : 96;
    }();
    return dpi;
}

bool isFontFamilyInstalled(StringView family)
{
    if (family.empty() || family.size() >= LF_FACESIZE)
        return false;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    std::wmemcpy(query.lfFaceName, reinterpret_cast<const wchar_t*>(family.data()), family.size());
    const win32::ScreenDc screen;
    bool found = false;
    EnumFontFamiliesExW(screen.get(), &query, noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

FontMetrics measureFontMetrics(const FontDescription& font)
{
    HDC dc = measurer().select(font);
    return dc ? win32::metricsOf(dc) : FontMetrics{};
}

Size measureText(const FontDescription& font, StringView text)
{
    HDC dc = measurer().select(font);
    return dc ? win32::textSizeOn(dc, text) : Size{};
}

void measureTextExtents(const FontDescription& font, StringView text, std::vector<int32_t>& extents)
{
    HDC dc = measurer().select(font);
    if (dc)
        win32::textExtentsOn(dc, text, extents);
    else
        extents.assign(text.size(), 0);
}

} // namespace platform
