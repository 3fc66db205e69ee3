#include "xml/XmlElement.h"

String XmlElement::attribute(StringView name) const
{
    for (const XmlAttribute attribute : attributes()) {
        if (attribute.name == name)
            return String(attribute.value);
    }
    return {};
}

bool XmlElement::hasAttribute(StringView name) const
{
    for (const XmlAttribute attribute : attributes()) {
        if (attribute.name == name)
            return true;
    }
    return false;
}

void XmlElement::appendText(StringView text) const
{
    if (m_tree)
        m_tree->appendText(m_node, m_tree->store(text));
}

void XmlElement::setAttribute(StringView name, StringView value) const
{
    if (!m_tree)
        return;
    for (uint32_t index = m_tree->firstAttribute(m_node); index != XmlTree::kNone;
         index = m_tree->nextAttribute(m_node, index)) {
        XmlTree::Attribute& attribute = m_tree->attribute(index);
        if (m_tree->view(attribute.name) == name) {
            // The old characters stay where they are: views of them may be
            // held.
            attribute.value = m_tree->store(value);
            return;
        }
    }
    appendAttribute(name, value);
}

void XmlElement::appendAttribute(StringView name, StringView value) const
{
    if (!m_tree)
        return;
    const XmlTree::Span storedName = m_tree->store(name);
    m_tree->appendAttribute(m_node, storedName, m_tree->store(value));
}

XmlElement XmlElement::child(StringView name) const
{
    if (!m_tree)
        return {};
    // A name the tree never interned belongs to no element.
    const auto id = m_tree->findName(name);
    if (!id)
        return {};
    for (uint32_t node = m_tree->firstChild(m_node); node != XmlTree::kNone; node = m_tree->nextChild(node)) {
        if (m_tree->node(node).name == *id)
            return XmlElement(m_tree, node);
    }
    return {};
}

XmlElement XmlElement::appendChild(StringView name) const
{
    if (!m_tree)
        return {};
    return XmlElement(m_tree, m_tree->appendChild(m_node, m_tree->internName(name)));
}

XmlElement::Range<XmlElement::ChildIterator> XmlElement::children() const
{
    if (!m_tree)
        return {};
    return {ChildIterator(m_tree, m_tree->firstChild(m_node)), ChildIterator(m_tree, XmlTree::kNone)};
}

XmlElement::Range<XmlElement::AttributeIterator> XmlElement::attributes() const
{
    if (!m_tree)
        return {};
    return {AttributeIterator(m_tree, m_node, m_tree->firstAttribute(m_node)),
            AttributeIterator(m_tree, m_node, XmlTree::kNone)};
}
