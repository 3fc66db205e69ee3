#include "xml/XmlWriter.h"

#include "xml/XmlElement.h"
#include "xml/XmlReader.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
constexpr std::string_view kLineEnd = "\r\n";

} // namespace

XmlWriter::XmlWriter(int indentWidth, size_t maxBytes)
    : m_indentWidth(indentWidth > 0 ? size_t(indentWidth) : 0)
    , m_maxBytes(maxBytes)
{}

std::optional<platform::Bytes> XmlWriter::write(const XmlElement& root, StringView header)
{
    m_out.clear();
    m_elementCount = 0;
    m_attributeCount = 0;
    bool ok = append(kByteOrderMark);
    if (ok && !header.empty())
        ok = append(header) && append(kLineEnd);
    ok = ok && append(kDeclaration) && append(kLineEnd);

    // Depth-first with an explicit stack of (element, next child): a parsed
    // tree can be nested deeper than recursion could follow. The root itself
    // is never written; an element at stack index i sits at level i - 1.
    struct Frame {
        XmlElement element;
        XmlElement::ChildIterator nextChild;
    };
    std::vector<Frame> stack{{root, root.children().begin()}};
    while (ok && !stack.empty()) {
        Frame& top = stack.back();
        if (top.nextChild != top.element.children().end()) {
            const XmlElement child = *top.nextChild++;
            const size_t level = stack.size() - 1;
            ok = appendStartTag(child, level);
            if (ok && child.hasChildren())
                stack.push_back({child, child.children().begin()}); // invalidates `top`
        } else {
            const XmlElement done = top.element;
            stack.pop_back();
            if (!stack.empty())
                ok = appendEndTag(done, stack.size() - 1);
        }
    }
    if (!ok) {
        m_out.clear();
        return std::nullopt;
    }
    return std::move(m_out);
}

bool XmlWriter::append(std::string_view utf8)
{
    if (utf8.size() > m_maxBytes - m_out.size())
        return false;
    m_out.insert(m_out.end(), utf8.begin(), utf8.end());
    return true;
}

bool XmlWriter::append(StringView text) { return append(std::string_view(toUtf8(text))); }

bool XmlWriter::appendIndent(size_t level)
{
    if (m_indentWidth != 0 && level > (m_maxBytes - m_out.size()) / m_indentWidth)
        return false;
    m_out.insert(m_out.end(), level * m_indentWidth, uint8_t(' '));
    return true;
}

bool XmlWriter::appendStartTag(const XmlElement& element, size_t level)
{
    if (!XmlReader::isElementName(element.name()) || level >= XmlReader::kMaxDepth
        || ++m_elementCount > XmlReader::kMaxElements)
        return false;
    if (!appendIndent(level) || !append("<") || !append(element.name()))
        return false;
    for (const XmlAttribute attribute : element.attributes()) {
        if (!XmlReader::isAttributeName(attribute.name) || ++m_attributeCount > XmlReader::kMaxAttributes)
            return false;
        const bool hasDouble = attribute.value.find(u'"') != StringView::npos;
        const bool hasSingle = attribute.value.find(u'\'') != StringView::npos;
        if (hasDouble && hasSingle)
            return false; // no delimiter could enclose it
        const std::string_view quote = hasDouble ? "'" : "\"";
        if (!append(" ") || !append(attribute.name) || !append("=") || !append(quote) || !append(attribute.value)
            || !append(quote))
            return false;
    }
    return element.hasChildren() ? append(">") && append(kLineEnd) : append(" />") && append(kLineEnd);
}

bool XmlWriter::appendEndTag(const XmlElement& element, size_t level)
{
    return appendIndent(level) && append("</") && append(element.name()) && append(">") && append(kLineEnd);
}
