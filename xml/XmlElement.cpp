#include "xml/XmlElement.h"

XmlElement::~XmlElement()
{
    releaseChildren();
}

XmlElement& XmlElement::operator=(XmlElement&& other) noexcept
{
    if (this != &other) {
        releaseChildren();
        m_name = std::move(other.m_name);
        m_text = std::move(other.m_text);
        m_attributes = std::move(other.m_attributes);
        m_children = std::move(other.m_children);
    }
    return *this;
}

String XmlElement::attribute(StringView name) const
{
    for (const XmlAttribute& attribute : m_attributes) {
        if (attribute.name == name)
            return attribute.value;
    }
    return {};
}

bool XmlElement::hasAttribute(StringView name) const
{
    for (const XmlAttribute& attribute : m_attributes) {
        if (attribute.name == name)
            return true;
    }
    return false;
}

void XmlElement::setAttribute(StringView name, StringView value)
{
    for (XmlAttribute& attribute : m_attributes) {
        if (attribute.name == name) {
            attribute.value = String(value);
            return;
        }
    }
    m_attributes.push_back({String(name), String(value)});
}

XmlElement* XmlElement::child(StringView name) const
{
    for (const auto& element : m_children) {
        if (element->m_name == name)
            return element.get();
    }
    return nullptr;
}

XmlElement* XmlElement::appendChild(std::unique_ptr<XmlElement> element)
{
    if (!element)
        return nullptr;
    m_children.push_back(std::move(element));
    return m_children.back().get();
}

void XmlElement::clear()
{
    m_text.clear();
    m_attributes.clear();
    releaseChildren();
}

void XmlElement::releaseChildren()
{
    // Each element is detached from its children before it is destroyed,
    // so no destructor ever descends more than one level.
    std::vector<std::unique_ptr<XmlElement>> pending = std::move(m_children);
    m_children.clear();
    while (!pending.empty()) {
        std::unique_ptr<XmlElement> element = std::move(pending.back());
        pending.pop_back();
        for (auto& child : element->m_children)
            pending.push_back(std::move(child));
        element->m_children.clear();
    }
}
