#pragma once
// An XML document: a hidden root element "ROOT" whose children are the
// document's top-level elements. The document owns its whole tree.

#include "XmlElement.h"
#include "platform/FileSystem.h"

#include <optional>

// Text-file encodings by the codes files and callers use.
enum class TextEncoding : int { Ansi = 1, Utf8 = 2, Utf16LE = 3 };

class XmlDocument {
public:
    // No document of this system comes near this size; larger files are
    // refused on reading and larger output on writing.
    static constexpr uint64_t kMaxFileBytes = uint64_t(64) << 20;

    XmlDocument();
    // A moved-from document is empty and still usable.
    XmlDocument(XmlDocument&& other) noexcept;
    XmlDocument& operator=(XmlDocument&& other) noexcept;

    // Replaces the tree by the file's content. False for a missing, empty,
    // oversized, undecodable or malformed file; the tree is then empty.
    bool load(StringView path, int encoding = int(TextEncoding::Utf8));
    // Replaces the tree by the content of text already decoded (declaration
    // included). False when malformed; the tree is then empty.
    bool parse(StringView text);
    // Decodes bytes by the encoding code (byte-order mark skipped), then parses.
    bool parseBytes(const platform::Bytes& bytes, int encoding = int(TextEncoding::Utf8));

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
    // starting at the root. nullptr when a part is missing or the path has
    // no part at all.
    XmlElement* element(StringView path) const;

    XmlElement& root() { return m_root; }
    const XmlElement& root() const { return m_root; }

    // Written before the declaration when not empty; never read from a file.
    const String& header() const { return m_header; }
    void setHeader(String header) { m_header = std::move(header); }

    // Internal diagnosis of the last failed load or parse, such as
    // "command error, id: 3"; never shown to the user.
    const String& errorText() const { return m_error; }

    // Empties the tree (the header stays).
    void clear();

private:
    XmlElement m_root;
    String m_header;
    String m_error;
};
