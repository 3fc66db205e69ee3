#include "platform/Text.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void appendUtf16(String& out, char32_t cp)
{
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(char16_t(0xD800 + (cp >> 10)));
        out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(char16_t(cp));
    }
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(char(cp));
    } else if (cp < 0x800) {
        out.push_back(char(0xC0 | (cp >> 6)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(char(0xE0 | (cp >> 12)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (cp >> 18)));
        out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    }
}

template <typename Unsigned>
String digitsOf(Unsigned value)
{
    char16_t buffer[24];
    char16_t* end = buffer + 24;
    char16_t* p = end;
    do {
        *--p = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    return String(p, end);
}

} // namespace

namespace {

// Decodes the sequence starting at s[i]. Returns the number of bytes it
// takes, with the code point in `cp`, or a negative count of bytes to skip
// when the sequence is malformed (overlong, surrogate, out of range, cut).
int decodeUtf8At(const unsigned char* s, size_t n, size_t i, char32_t& cp)
{
    const unsigned char lead = s[i];
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    int extra = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0)
        extra = 1, cp = lead & 0x1F, minimum = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        extra = 2, cp = lead & 0x0F, minimum = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        extra = 3, cp = lead & 0x07, minimum = 0x10000;
    else
        return -1;
    int j = 1;
    for (; j <= extra && i + size_t(j) < n && (s[i + size_t(j)] & 0xC0) == 0x80; ++j)
        cp = (cp << 6) | (s[i + size_t(j)] & 0x3F);
    if (j != extra + 1 || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -j; // skip the lead and the continuation bytes it did take
    return j;
}

} // namespace

String fromUtf8(std::string_view utf8)
{
    String out;
    out.reserve(utf8.size());
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const int length = decodeUtf8At(s, utf8.size(), i, cp);
        if (length < 0) {
            out.push_back(kReplacement);
            i += size_t(-length);
            continue;
        }
        appendUtf16(out, cp);
        i += size_t(length);
    }
    return out;
}

std::string toUtf8(StringView text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        appendUtf8(out, cp);
    }
    return out;
}

String decimalText(int64_t value)
{
    if (value >= 0)
        return digitsOf(uint64_t(value));
    // Negate in unsigned arithmetic so INT64_MIN is printed correctly.
    String text = digitsOf(uint64_t(0) - uint64_t(value));
    text.insert(text.begin(), u'-');
    return text;
}

String decimalText(uint64_t value) { return digitsOf(value); }

bool isSpace(char16_t c)
{
    switch (c) {
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x20:
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

bool isLetterOrDigit(char16_t c)
{
    if (c < 0x80)
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    // Beyond ASCII every letter-like code unit counts: Latin-1 letters,
    // and the alphabetic blocks above them; punctuation and symbols do not.
    if (c < 0x100)
        return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    if (c >= 0x2000 && c <= 0x2BFF)
        return false; // general punctuation, symbols, arrows, box drawing
    if (c >= 0x3000 && c <= 0x303F)
        return false; // CJK punctuation
    if (c >= 0xD800 && c <= 0xDFFF)
        return false;
    if (c >= 0xFE30 && c <= 0xFE4F)
        return false;
    if (c >= 0xFF00 && c <= 0xFF0F)
        return false;
    return true;
}

String trimmed(StringView text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return String(text.substr(begin, end - begin));
}

bool endsWith(StringView text, StringView suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

String replaceAll(StringView text, StringView from, StringView to)
{
    if (from.empty())
        return String(text);
    String out;
    size_t pos = 0;
    for (;;) {
        const size_t hit = text.find(from, pos);
        if (hit == StringView::npos)
            break;
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

std::vector<StringView> splitLines(StringView text)
{
    std::vector<StringView> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(u'\n', start);
        StringView line = text.substr(start, end == StringView::npos ? StringView::npos : end - start);
        if (!line.empty() && line.back() == u'\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == StringView::npos)
            return lines;
        start = end + 1;
    }
}
