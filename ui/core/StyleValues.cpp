#include "ui/core/StyleValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

// Font sizes beyond this many points are taken as mistakes in the data.
constexpr float kMaxFontSize = 1000.0f;

// Sign and digits, saturating at the 64-bit range.
int64_t decimalValue(StringView text)
{
    size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    // Accumulate the magnitude negatively: the negative range is the larger.
    int64_t value = 0;
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i] - u'0';
        if (value < (kMin + digit) / 10) {
            value = kMin;
            continue;
        }
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == kMin ? std::numeric_limits<int64_t>::max() : -value;
}

int32_t saturated32(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The parts between separators, each trimmed; empty text is one empty part.
std::vector<String> splitTrimmed(StringView text, char16_t separator)
{
    std::vector<String> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(trimmed(text.substr(start, end == StringView::npos ? StringView::npos : end - start)));
        if (end == StringView::npos)
            return parts;
        start = end + 1;
    }
}

uint32_t component(StringView text) { return static_cast<uint32_t>(std::clamp<int64_t>(decimalValue(text), 0, 255)); }

// A floating-point number at the start of the text; nothing when it has none.
std::optional<float> leadingFloat(StringView text)
{
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F)
            break;
        ascii.push_back(static_cast<char>(c));
    }
    const char* first = ascii.data();
    if (!ascii.empty() && ascii[0] == '+')
        ++first;
    float value = 0.0f;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (error != std::errc() || end == first)
        return std::nullopt;
    return value;
}

} // namespace

int32_t parseInteger(StringView text) { return saturated32(decimalValue(trimmed(text))); }

bool parseBoolean(StringView text) { return decimalValue(trimmed(text)) != 0; }

Point parsePoint(StringView text)
{
    const std::vector<String> parts = splitTrimmed(text, u',');
    if (parts.size() != 2)
        return {};
    return {parseInteger(parts[0]), parseInteger(parts[1])};
}

Size parseSize(StringView text)
{
    const Point p = parsePoint(text);
    return {p.x, p.y};
}

Margins parseMargins(StringView text)
{
    const std::vector<String> parts = splitTrimmed(text, u',');
    if (parts.size() != 4)
        return {};
    return {parseInteger(parts[0]), parseInteger(parts[1]), parseInteger(parts[2]), parseInteger(parts[3])};
}

uint32_t parseColor(StringView text)
{
    const String whole = trimmed(text);
    if (whole.find(u',') != String::npos) {
        const std::vector<String> parts = splitTrimmed(whole, u',');
        if (parts.size() == 3)
            return 0xFF000000u | component(parts[0]) << 16 | component(parts[1]) << 8 | component(parts[2]);
        if (parts.size() == 4)
            return component(parts[0]) << 24 | component(parts[1]) << 16 | component(parts[2]) << 8
                | component(parts[3]);
        return kTransparentColor;
    }
    if (whole.empty() || whole[0] < u'0' || whole[0] > u'9')
        return kTransparentColor;
    // The decimal value is the colour itself; values above 32 bits keep
    // their low bits, as a 32-bit register would.
    return static_cast<uint32_t>(static_cast<uint64_t>(decimalValue(whole)));
}

UIColorRecord parseColorRecord(StringView text) { return {0, parseColor(text), 1.0f}; }

UIFont parseFont(StringView text)
{
    UIFont font = UIFont::defaultFont();
    const std::vector<String> parts = splitTrimmed(text, u',');
    if (parts.size() != 3)
        return font;
    if (!parts[0].empty() && parts[0] != u"default")
        font.setFamily(parts[0]);
    if (const std::optional<float> size = leadingFloat(parts[1]);
        size && std::isfinite(*size) && *size > 0.0f && *size <= kMaxFontSize)
        font.setSize(*size);
    uint32_t style = font.style();
    if (parts[2].find(u"underline") != String::npos)
        style |= platform::FontStyle::Underline;
    if (parts[2].find(u"bold") != String::npos)
        style |= platform::FontStyle::Bold;
    font.setStyle(style);
    return font;
}

UIBrush parseFill(StringView text)
{
    std::vector<String> parts = splitTrimmed(text, u'|');
    std::erase_if(parts, [](const String& part) { return part.empty(); });
    if (parts.size() < 2)
        return UIBrush::solid(parseColor(parts.empty() ? text : StringView(parts[0])));
    std::vector<uint32_t> stops;
    stops.reserve(parts.size());
    for (const String& part : parts)
        stops.push_back(parseColor(part));
    return UIBrush::gradient(std::move(stops));
}
