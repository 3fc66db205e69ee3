#include "app/Variant.h"

#include "platform/Locale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17).
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// "%.9g" in the "C" conventions, whatever the process locale says.
String floatingText(double value)
{
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
    return String(buffer, result.ptr);
}

size_t skipSpace(StringView text)
{
    size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    return i;
}

// Decimal integer after optional white space and sign; stops at the first
// non-digit and saturates at the 64-bit limits instead of overflowing.
int64_t parseInteger(StringView text)
{
    size_t i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    // Accumulate the magnitude in unsigned arithmetic, one past INT64_MAX
    // so that INT64_MIN itself is representable.
    constexpr uint64_t kLimit = uint64_t(std::numeric_limits<int64_t>::max()) + 1;
    uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const unsigned digit = unsigned(text[i] - u'0');
        if (magnitude > (kLimit - digit) / 10) {
            magnitude = kLimit;
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (negative)
        return magnitude >= kLimit ? std::numeric_limits<int64_t>::min() : -int64_t(magnitude);
    return magnitude >= kLimit ? std::numeric_limits<int64_t>::max() : int64_t(magnitude);
}

// Whether a decimal number as from_chars accepted it ("-12.5e3") is at
// least 1 in magnitude. For a number out of the double's range that tells
// overflow from underflow by its value: the position of its first non-zero
// digit, moved by the exponent.
bool magnitudeAtLeastOne(std::string_view number)
{
    size_t i = 0;
    if (i < number.size() && number[i] == '-')
        ++i;
    // Decimal order of the first non-zero digit relative to the units.
    int64_t order = 0;
    bool found = false;
    for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i) {
        if (found)
            ++order;
        else if (number[i] != '0')
            found = true;
    }
    if (i < number.size() && number[i] == '.') {
        ++i;
        for (int64_t position = 1; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i, ++position) {
            if (!found && number[i] != '0') {
                found = true;
                order = -position;
            }
        }
    }
    if (!found)
        return false;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '-' || number[i] == '+'))
            negative = number[i++] == '-';
        // Saturate far beyond any double's range instead of overflowing.
        constexpr int64_t kExponentCap = int64_t(1) << 40;
        int64_t exponent = 0;
        for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i)
            exponent = std::min(kExponentCap, exponent * 10 + (number[i] - '0'));
        order += negative ? -exponent : exponent;
    }
    return order >= 0;
}

double parseDouble(StringView text)
{
    size_t i = skipSpace(text);
    // from_chars takes a "-" but not a "+"; a "+" must not precede a "-".
    if (i < text.size() && text[i] == u'+') {
        ++i;
        if (i < text.size() && text[i] == u'-')
            return 0.0;
    }
    std::string narrow;
    for (; i < text.size() && text[i] < 0x80; ++i)
        narrow.push_back(char(text[i]));
    double value = 0.0;
    const char* first = narrow.data();
    const char* last = first + narrow.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow and underflow;
        // answer as strtod would: infinity or zero with the number's sign.
        const std::string_view parsed(first, size_t(result.ptr - first));
        const bool negative = !parsed.empty() && parsed.front() == '-';
        const double magnitude = magnitudeAtLeastOne(parsed) ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return result.ec == std::errc() ? value : 0.0;
}

// Truncation toward zero that stays defined for values beyond the target
// range (clamped) and for NaN (0).
template <typename Integer>
Integer truncated(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double kUpper = double(std::numeric_limits<Integer>::max());
    constexpr double kLower = double(std::numeric_limits<Integer>::min());
    if (value >= kUpper)
        return std::numeric_limits<Integer>::max();
    if (value <= kLower)
        return std::numeric_limits<Integer>::min();
    return Integer(value);
}

} // namespace

String Variant::toText() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return String(); },
                          [](bool v) { return String(v ? u"1" : u"0"); },
                          [](int32_t v) { return decimalText(int64_t(v)); },
                          [](uint32_t v) { return decimalText(uint64_t(v)); },
                          [](int64_t v) { return decimalText(v); },
                          [](uint64_t v) { return decimalText(v); },
                          [](float v) { return floatingText(v); },
                          [](double v) { return floatingText(v); },
                          [](const String& v) { return v; },
                      },
                      m_value);
}

int32_t Variant::toInt32() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return int32_t(0); },
                          [](bool v) { return int32_t(v ? 1 : 0); },
                          [](int32_t v) { return v; },
                          [](uint32_t v) { return int32_t(v); },
                          [](int64_t v) { return int32_t(uint32_t(uint64_t(v))); },
                          [](uint64_t v) { return int32_t(uint32_t(v)); },
                          [](float v) { return truncated<int32_t>(v); },
                          [](double v) { return truncated<int32_t>(v); },
                          [](const String& v) {
                              const int64_t parsed = parseInteger(v);
                              if (parsed > std::numeric_limits<int32_t>::max())
                                  return std::numeric_limits<int32_t>::max();
                              if (parsed < std::numeric_limits<int32_t>::min())
                                  return std::numeric_limits<int32_t>::min();
                              return int32_t(parsed);
                          },
                      },
                      m_value);
}

int64_t Variant::toInt64() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return int64_t(0); },
                          [](bool v) { return int64_t(v ? 1 : 0); },
                          [](int32_t v) { return int64_t(v); },
                          [](uint32_t v) { return int64_t(v); },
                          [](int64_t v) { return v; },
                          [](uint64_t v) { return int64_t(v); },
                          [](float v) { return truncated<int64_t>(v); },
                          [](double v) { return truncated<int64_t>(v); },
                          [](const String& v) { return parseInteger(v); },
                      },
                      m_value);
}

bool Variant::toBool() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return false; },
                          [](bool v) { return v; },
                          [](int32_t v) { return v != 0; },
                          [](uint32_t v) { return v != 0; },
                          [](int64_t v) { return v != 0; },
                          [](uint64_t v) { return v != 0; },
                          [](float v) { return v != 0.0f; },
                          [](double v) { return v != 0.0; },
                          [](const String& v) {
                              const String word = platform::toLower(trimmed(v));
                              return !(word.empty() || word == u"false" || word == u"0");
                          },
                      },
                      m_value);
}

double Variant::toDouble() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return 0.0; },
                          [](bool v) { return v ? 1.0 : 0.0; },
                          [](int32_t v) { return double(v); },
                          [](uint32_t v) { return double(v); },
                          [](int64_t v) { return double(v); },
                          [](uint64_t v) { return double(v); },
                          [](float v) { return double(v); },
                          [](double v) { return v; },
                          [](const String& v) { return parseDouble(v); },
                      },
                      m_value);
}
