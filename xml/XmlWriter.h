#pragma once
// The XML writer: UTF-8 with a byte-order mark, the header line when there
// is one, the declaration, then one element per line indented with spaces.
// Element text is never written.
//
// The writer refuses trees the reader could not read back rather than
// produce a broken file: a name the reader does not accept, or an attribute
// value holding both quote kinds (a value holding only double quotes is
// delimited with single quotes instead), or a tree deeper or with more
// elements or attributes than the reader accepts. It also refuses output
// beyond a size limit, which only an absurdly deep or large tree reaches.

#include "platform/FileSystem.h"
#include "xml/XmlElement.h"

#include <optional>

class XmlWriter {
public:
    XmlWriter(int indentWidth, size_t maxBytes);

    // The file's bytes for the children of `root`; nothing when the tree
    // cannot be written faithfully.
    std::optional<platform::Bytes> write(const XmlElement& root, StringView header);

private:
    bool append(std::string_view utf8);
    bool append(StringView text);
    bool appendIndent(size_t level);
    bool appendStartTag(const XmlElement& element, size_t level);
    bool appendEndTag(const XmlElement& element, size_t level);

    size_t m_indentWidth;
    size_t m_maxBytes;
    platform::Bytes m_out;
    size_t m_elementCount = 0;
    size_t m_attributeCount = 0;
};
