#pragma once
// One element of an XML tree, seen through a small handle: the tree (owned
// by its XmlDocument) holds names, text, attributes and children; handles
// are copied freely and stay valid as long as the document does, moves of
// the document included. A default-constructed handle is "no element": it
// reads as an element without name, attributes or children, and ignores
// changes, so lookups can be chained without checks in between.
//
// Views returned by name(), text() and attributes() stay valid for the life
// of the document too: the tree never moves or frees characters.

#include "platform/Text.h"
#include "xml/XmlTree.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

struct XmlAttribute {
    StringView name;
    StringView value; // exactly as it stood between the quotes
};

class XmlElement {
public:
    XmlElement() = default;
    XmlElement(XmlTree* tree, uint32_t node) : m_tree(tree), m_node(node) {}

    explicit operator bool() const { return m_tree != nullptr; }
    friend bool operator==(const XmlElement&, const XmlElement&) = default;

    StringView name() const { return m_tree ? m_tree->name(m_node) : StringView(); }

    // Every character run that followed a start tag up to the next "<".
    // The text is kept for readers only; it is never written.
    StringView text() const { return m_tree ? m_tree->text(m_node) : StringView(); }
    void appendText(StringView text) const;

    // Value of the first attribute with exactly this name; empty if none.
    String attribute(StringView name) const;
    bool hasAttribute(StringView name) const;
    // Sets the first attribute of that name, or appends a new one.
    void setAttribute(StringView name, StringView value) const;
    // Appends even when the name is already present (as a file may hold it).
    void appendAttribute(StringView name, StringView value) const;

    // First child with exactly this name, or no element.
    XmlElement child(StringView name) const;
    // Appends a new last child and returns it.
    XmlElement appendChild(StringView name) const;
    bool hasChildren() const { return m_tree && m_tree->firstChild(m_node) != XmlTree::kNone; }

    // Forward ranges over the children and the attributes, in document order.
    class ChildIterator;
    class AttributeIterator;
    template <typename Iterator>
    struct Range {
        Iterator first;
        Iterator last;
        Iterator begin() const { return first; }
        Iterator end() const { return last; }
        bool empty() const { return first == last; }
        size_t size() const { return size_t(std::distance(first, last)); }
    };
    Range<ChildIterator> children() const;
    Range<AttributeIterator> attributes() const;

private:
    XmlTree* m_tree = nullptr;
    uint32_t m_node = XmlTree::kRoot;
};

class XmlElement::ChildIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = XmlElement;
    using difference_type = std::ptrdiff_t;
    using pointer = const XmlElement*;
    using reference = XmlElement;

    ChildIterator() = default;
    ChildIterator(XmlTree* tree, uint32_t node) : m_tree(tree), m_node(node) {}

    XmlElement operator*() const { return XmlElement(m_tree, m_node); }
    ChildIterator& operator++()
    {
        m_node = m_tree->nextChild(m_node);
        return *this;
    }
    ChildIterator operator++(int)
    {
        ChildIterator before = *this;
        ++*this;
        return before;
    }
    friend bool operator==(const ChildIterator& a, const ChildIterator& b) { return a.m_node == b.m_node; }

private:
    XmlTree* m_tree = nullptr;
    uint32_t m_node = XmlTree::kNone;
};

class XmlElement::AttributeIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = XmlAttribute;
    using difference_type = std::ptrdiff_t;
    using pointer = const XmlAttribute*;
    using reference = XmlAttribute;

    AttributeIterator() = default;
    AttributeIterator(const XmlTree* tree, uint32_t owner, uint32_t index)
        : m_tree(tree)
        , m_owner(owner)
        , m_index(index)
    {}

    XmlAttribute operator*() const
    {
        const XmlTree::Attribute& attribute = m_tree->attribute(m_index);
        return {m_tree->view(attribute.name), m_tree->view(attribute.value)};
    }
    AttributeIterator& operator++()
    {
        m_index = m_tree->nextAttribute(m_owner, m_index);
        return *this;
    }
    AttributeIterator operator++(int)
    {
        AttributeIterator before = *this;
        ++*this;
        return before;
    }
    friend bool operator==(const AttributeIterator& a, const AttributeIterator& b) { return a.m_index == b.m_index; }

private:
    const XmlTree* m_tree = nullptr;
    uint32_t m_owner = XmlTree::kNone;
    uint32_t m_index = XmlTree::kNone;
};
