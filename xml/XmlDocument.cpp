#include "xml/XmlDocument.h"

#include "platform/Locale.h"
#include "xml/XmlReader.h"
#include "xml/XmlWriter.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

constexpr StringView kRootName = u"ROOT";

bool startsWith(const platform::Bytes& bytes, std::initializer_list<uint8_t> prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// Decodes a file's bytes by encoding; nothing for an unknown code.
std::optional<String> decode(const platform::Bytes& bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Ansi:
        return platform::fromAnsi(bytes);
    case TextEncoding::Utf8: {
        const size_t skip = startsWith(bytes, {0xEF, 0xBB, 0xBF}) ? 3 : 0;
        return fromUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()) + skip, bytes.size() - skip));
    }
    case TextEncoding::Utf16LE: {
        const size_t skip = startsWith(bytes, {0xFF, 0xFE}) ? 2 : 0;
        String text;
        text.reserve((bytes.size() - skip) / 2);
        // A trailing odd byte is not a code unit; the parse of the truncated
        // text decides whether the document is still whole.
        for (size_t i = skip; i + 1 < bytes.size(); i += 2)
            text.push_back(char16_t(bytes[i] | (bytes[i + 1] << 8)));
        return text;
    }
    }
    return std::nullopt;
}

} // namespace

XmlDocument::XmlDocument() : m_tree(std::make_unique<XmlTree>(kRootName)) {}

XmlDocument::XmlDocument(XmlDocument&& other) noexcept
    : m_tree(std::exchange(other.m_tree, std::make_unique<XmlTree>(kRootName)))
    , m_header(std::move(other.m_header))
    , m_error(std::move(other.m_error))
{}

XmlDocument& XmlDocument::operator=(XmlDocument&& other) noexcept
{
    if (this != &other) {
        m_tree = std::exchange(other.m_tree, std::make_unique<XmlTree>(kRootName));
        m_header = std::move(other.m_header);
        m_error = std::move(other.m_error);
    }
    return *this;
}

bool XmlDocument::load(StringView path, TextEncoding encoding)
{
    clear();
    std::optional<platform::Bytes> bytes = platform::readFile(path, kMaxFileBytes);
    if (!bytes) {
        m_error = u"cannot read file";
        return false;
    }
    if (bytes->empty()) {
        m_error = u"empty file";
        return false;
    }
    std::optional<String> text = decode(*bytes, encoding);
    if (!text) {
        m_error = u"unknown encoding";
        return false;
    }
    // The bytes are not needed while the text is parsed.
    bytes.reset();
    return parseText(std::move(*text));
}

bool XmlDocument::parseBytes(const platform::Bytes& bytes, TextEncoding encoding)
{
    clear();
    if (bytes.empty()) {
        m_error = u"empty file";
        return false;
    }
    if (bytes.size() > kMaxFileBytes) {
        m_error = u"file too large";
        return false;
    }
    std::optional<String> text = decode(bytes, encoding);
    if (!text) {
        m_error = u"unknown encoding";
        return false;
    }
    return parseText(std::move(*text));
}

bool XmlDocument::parse(StringView text)
{
    clear();
    if (text.size() > kMaxFileBytes) {
        m_error = u"text too large";
        return false;
    }
    return parseText(String(text));
}

bool XmlDocument::parseText(String text)
{
    // The tree keeps the text: names, values and texts are spans of it.
    m_tree->reset(kRootName, std::move(text));
    XmlReader reader;
    if (reader.read(*m_tree))
        return true;
    m_error = reader.errorText();
    // Callers treat a failed read as a missing document; keep no half tree.
    m_tree->reset(kRootName);
    return false;
}

bool XmlDocument::save(StringView path, int indentWidth) const
{
    const std::optional<platform::Bytes> bytes = serialize(indentWidth);
    return bytes && platform::replaceFile(path, *bytes);
}

std::optional<platform::Bytes> XmlDocument::serialize(int indentWidth) const
{
    return XmlWriter(indentWidth, size_t(kMaxFileBytes)).write(root(), m_header);
}

XmlElement XmlDocument::element(StringView path) const
{
    XmlElement element; // nothing selected until the first part
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'/', start);
        if (end == StringView::npos)
            end = path.size();
        if (end > start) {
            const StringView part = path.substr(start, end - start);
            element = element ? element.child(part) : root().child(part);
            if (!element)
                return {};
        }
        start = end + 1;
    }
    return element;
}

void XmlDocument::clear()
{
    m_tree->reset(kRootName);
    m_error.clear();
}
