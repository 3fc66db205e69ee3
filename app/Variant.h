#pragma once
// A typed value as the settings store keeps it: one of nine kinds with a
// payload owned by the variant (copying a variant copies the payload).
//
// Every reader converts with toText/toInt32/toInt64/toBool/toDouble, which
// never fail: text that does not parse reads as 0, false or empty. Values
// loaded from the settings file are String variants until a reader converts
// them, so the conversions are the one place that decides what bad input
// means.

#include "platform/Text.h"

#include <cstdint>
#include <variant>

// The numeric codes are the kinds' identities; do not reorder.
enum class VariantType : int32_t {
    None = 0,
    Bool = 1,
    Int32 = 2,
    UInt32 = 3,
    Int64 = 4,
    UInt64 = 5,
    Float = 6,
    Double = 7,
    String = 8,
};

class Variant {
public:
    Variant() = default;
    Variant(bool value) : m_value(value) {}
    Variant(int32_t value) : m_value(value) {}
    Variant(uint32_t value) : m_value(value) {}
    Variant(int64_t value) : m_value(value) {}
    Variant(uint64_t value) : m_value(value) {}
    Variant(float value) : m_value(value) {}
    Variant(double value) : m_value(value) {}
    Variant(String value) : m_value(std::move(value)) {}
    Variant(StringView value) : m_value(String(value)) {}
    Variant(const char16_t* value) : m_value(String(value)) {}
    // Narrow literals would silently become bool through the pointer
    // conversion; the program's text is UTF-16 only.
    Variant(const char*) = delete;

    VariantType type() const { return VariantType(m_value.index()); }
    bool isNone() const { return type() == VariantType::None; }

    // bool -> "1"/"0"; integers in decimal; float/double as "%.9g" in the
    // "C" conventions; none -> empty.
    String toText() const;
    // Integers narrow to their low 32 bits; floating point truncates toward
    // zero (clamped to the range, NaN -> 0); text is parsed as decimal
    // digits after optional white space and sign, clamped to the range.
    int32_t toInt32() const;
    // As toInt32, with the 64-bit range.
    int64_t toInt64() const;
    // Text: trimmed and lower-cased; empty, "false" and "0" are false,
    // anything else true.
    bool toBool() const;
    // Text: decimal floating point with "." as the decimal point, parsed up
    // to the first character that does not fit; 0.0 when nothing fits.
    double toDouble() const;

    // Same kind and same payload.
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    // The alternatives are in code order, so index() is the kind's code.
    std::variant<std::monostate, bool, int32_t, uint32_t, int64_t, uint64_t, float, double, String> m_value;
};
