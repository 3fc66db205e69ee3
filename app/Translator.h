#pragma once
// A loaded language file: its header and the translations it holds.
//
// File format (UTF-8 XML with declaration):
//   <translation language="Deutsch" language_en="German" author="" date="">
//     <groups>
//       <group name="UserInterface">
//         <group name="UILineEdit">
//           <item context="Undo" translation="Rückgängig" />
// An item's context is the names of its enclosing groups joined with "/";
// its "context" attribute is the English source text.

#include "platform/Text.h"

#include <optional>
#include <vector>

class XmlDocument;
class XmlElement;

struct TranslationEntry {
    String context;     // enclosing group names joined with "/"
    String text;        // English source text, exactly as the program passes it
    String translation; // escape sequences already applied
};

class Translator {
public:
    // Bounds on a language file. The shipped files are under 5 KB with about
    // fifty items two groups deep. Every item keeps its own copy of the
    // joined group names, so the context bound is what keeps a long group
    // name over many items from costing far more memory than the file.
    static constexpr uint64_t kMaxFileBytes = uint64_t(1) << 20;
    static constexpr size_t kMaxEntries = 4096;
    static constexpr size_t kMaxContextChars = 1024;
    static constexpr size_t kMaxGroupDepth = 64;

    // Loads the file: the extension must be "xml" (any case), the document
    // must parse and hold "translation" with "groups" and at least one item;
    // every element inside a group must be an "item" or a "group", and the
    // bounds above must hold. On failure the translator must not be used.
    bool load(StringView path, StringView applicationName);
    // Reads only the header of the file (same checks up to "translation").
    bool loadHeader(StringView path);
    // The part of load() after parsing; `applicationName` replaces "%app".
    bool read(const XmlDocument& document, StringView applicationName);

    const String& path() const { return m_path; }
    // The file name without folder and extension.
    String key() const;
    const String& language() const { return m_language; }
    const String& languageEn() const { return m_languageEn; }
    const String& author() const { return m_author; }
    const String& date() const { return m_date; }
    const std::vector<TranslationEntry>& entries() const { return m_entries; }

    // First entry, in file order, with exactly this source text and, when a
    // context is given, exactly this context; nullptr if none.
    const TranslationEntry* find(StringView text, std::optional<StringView> context) const;

    // The text to show: the entry's translation, or its source text verbatim
    // when the translation is empty; without an entry the text with its
    // escape sequences applied.
    String translate(StringView text, std::optional<StringView> context, StringView applicationName) const;

private:
    bool readHeader(const XmlDocument& document);
    bool readGroup(const XmlElement& group, std::vector<String>& contextStack, StringView applicationName);

    String m_path;
    String m_language;
    String m_languageEn;
    String m_author;
    String m_date;
    std::vector<TranslationEntry> m_entries;
};
