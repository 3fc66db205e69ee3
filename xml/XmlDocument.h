#pragma once
// An XML document: a hidden root element "ROOT" whose children are the
// document's top-level elements. The document owns its whole tree; the
// XmlElement handles it gives out borrow it.

#include "platform/FileSystem.h"
#include "xml/XmlElement.h"
#include "xml/XmlTree.h"

#include <memory>
#include <optional>

// Text-file encodings by the codes files and callers use.
enum class TextEncoding : int { Ansi = 1, Utf8 = 2, Utf16LE = 3 };

class XmlDocument {
public:
    // The largest file or text the reader accepts: every data file of the
    // program is a few kilobytes, and a bound on the input is a bound on the
    // tree (about 10 bytes of memory per byte read, at worst). Larger output
    // is refused on writing too.
    static constexpr uint64_t kMaxFileBytes = uint64_t(8) << 20;

    XmlDocument();
    // A moved document takes its tree along, so handles into it stay valid;
    // the moved-from document is empty and still usable.
    XmlDocument(XmlDocument&& other) noexcept;
    XmlDocument& operator=(XmlDocument&& other) noexcept;

    // Replaces the tree by the file's content. False for a missing, empty,
    // oversized, undecodable or malformed file; the tree is then empty.
    bool load(StringView path, TextEncoding encoding = TextEncoding::Utf8);
    // Replaces the tree by the content of text already decoded (declaration
    // included). False when malformed or oversized; the tree is then empty.
    bool parse(StringView text);
    // Decodes bytes by the encoding (byte-order mark skipped), then parses.
    bool parseBytes(const platform::Bytes& bytes, TextEncoding encoding = TextEncoding::Utf8);

    // Writes UTF-8 with BOM, the header line when not empty, the declaration
    // and one element per line. False, leaving any existing file untouched,
    // when the file cannot be written or the tree cannot be written so that
    // it reads back (see serialize).
    bool save(StringView path, int indentWidth = 4) const;
    // The exact bytes save() would write; nothing when a name is not one the
    // reader accepts, an attribute value holds both quote kinds, or the output
    // would exceed kMaxFileBytes. A value holding double quotes (and no single
    // quote) is delimited with single quotes.
    std::optional<platform::Bytes> serialize(int indentWidth = 4) const;

    // "a/b/c": each non-empty part selects the first child of that name,
    // starting at the root. No element when a part is missing or the path
    // has no part at all.
    XmlElement element(StringView path) const;

    // The hidden root "ROOT"; its children are the top-level elements.
    XmlElement root() const { return XmlElement(m_tree.get(), XmlTree::kRoot); }

    // Written before the declaration when not empty; never read from a file.
    const String& header() const { return m_header; }
    void setHeader(String header) { m_header = std::move(header); }

    // Internal diagnosis of the last failed load or parse, such as
    // "command error, id: 3"; never shown to the user.
    const String& errorText() const { return m_error; }

    // Empties the tree (the header stays).
    void clear();

private:
    bool parseText(String text);

    std::unique_ptr<XmlTree> m_tree;
    String m_header;
    String m_error;
};
