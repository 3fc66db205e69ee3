#pragma once
// One element of an XML tree: name, text, attributes and owned children.

#include "platform/Text.h"

#include <memory>
#include <vector>

struct XmlAttribute {
    String name;
    String value; // exactly as it stood between the quotes
};

class XmlElement {
public:
    explicit XmlElement(String name = {}) : m_name(std::move(name)) {}
    // Tears the subtree down iteratively: a parsed tree may be nested far
    // deeper than the call stack could follow recursively.
    ~XmlElement();

    XmlElement(const XmlElement&) = delete;
    XmlElement& operator=(const XmlElement&) = delete;
    XmlElement(XmlElement&&) noexcept = default;
    XmlElement& operator=(XmlElement&& other) noexcept;

    const String& name() const { return m_name; }
    void setName(String name) { m_name = std::move(name); }

    // Every character run that followed a start tag up to the next "<".
    // The text is kept for readers only; it is never written.
    const String& text() const { return m_text; }
    void appendText(StringView text) { m_text.append(text); }

    // Value of the first attribute with exactly this name; empty if none.
    String attribute(StringView name) const;
    bool hasAttribute(StringView name) const;
    // Sets the first attribute of that name, or appends a new one.
    void setAttribute(StringView name, StringView value);
    // Appends even when the name is already present (as a file may hold it).
    void appendAttribute(StringView name, StringView value) { m_attributes.push_back({String(name), String(value)}); }
    const std::vector<XmlAttribute>& attributes() const { return m_attributes; }

    // First child with exactly this name, or nullptr.
    XmlElement* child(StringView name) const;
    // Takes ownership and appends; returns the appended element (nullptr
    // when given none).
    XmlElement* appendChild(std::unique_ptr<XmlElement> element);
    XmlElement* appendChild(String name) { return appendChild(std::make_unique<XmlElement>(std::move(name))); }
    const std::vector<std::unique_ptr<XmlElement>>& children() const { return m_children; }

    // Removes text, attributes and children; the name stays.
    void clear();

private:
    void releaseChildren();

    String m_name;
    String m_text;
    std::vector<XmlAttribute> m_attributes;
    std::vector<std::unique_ptr<XmlElement>> m_children;
};
