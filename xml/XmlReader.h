#pragma once
// The XML reader: finds the end of the declaration, then runs a state
// machine of eleven handlers over the rest of the text and builds the
// element tree under a given root.
//
// Each handler consumes characters from the shared position and either
// fails or names the next state; the driver stops when a handler finishes
// without naming one (only "between tags" at the end of the text does).
// The accepted language is deliberately small: no entity decoding, no
// processing instructions, no document types, no mixed content.

#include "platform/Text.h"
#include "xml/XmlTree.h"

#include <array>

class XmlReader {
public:
    // Bounds on what one document may hold; beyond them the read fails
    // rather than build a tree nobody asked for. The program's largest data
    // file (the style set's models) has about 200 elements and 400
    // attributes, and no file nests deeper than five levels; the readers of
    // each file walk the tree, some recursively, so the depth bound also
    // bounds their stacks.
    static constexpr uint32_t kMaxDepth = 256;
    static constexpr uint32_t kMaxElements = 1u << 16;
    static constexpr uint32_t kMaxAttributes = 1u << 18;

    // Reads the text the tree was reset with (declaration included) into
    // the tree's root, which has no children yet. Names, values and texts
    // become spans of that text. The reader keeps nothing of the tree after
    // read().
    bool read(XmlTree& tree);

    // Diagnosis of the last failure, e.g. "command error, id: 3" or "too
    // deeply nested"; internal, never meant for the user.
    const String& errorText() const { return m_error; }

    // The names this reader accepts: element names of letters, digits, "-",
    // "_" and "."; attribute names alike but starting with a letter or digit.
    static bool isNameChar(char16_t c);
    static bool isElementName(StringView name);
    static bool isAttributeName(StringView name);

private:
    enum class StepKind { Next, Done, Fail };
    struct Step {
        StepKind kind;
        int state = 0;
    };
    using Handler = Step (XmlReader::*)();

    static Step next(int state) { return {StepKind::Next, state}; }
    static Step done() { return {StepKind::Done}; }
    static Step fail() { return {StepKind::Fail}; }
    // A failure that names the bound the document went past.
    Step limitExceeded(StringView what)
    {
        m_error = String(what);
        return fail();
    }

    bool run(const Handler* table, size_t count);

    Step betweenTags();      // 0
    Step tagOpened();        // 1
    Step afterElementName(); // 2
    Step elementText();      // 3
    Step tagEnd();           // 4
    Step endTag();           // 5
    Step comment();          // 6
    Step inStartTag();       // 7
    Step attributeName();    // 8
    Step beforeValue();      // 9
    Step attributeValue();   // 10

    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t current() const { return m_text[m_pos]; }
    bool lookingAt(StringView what) const { return m_text.substr(m_pos, what.size()) == what; }

    static const std::array<Handler, 11> s_handlers;

    // The current character's span in the tree (`length` characters).
    XmlTree::Span spanFrom(size_t start) const { return {uint32_t(m_base + start), uint32_t(m_pos - start)}; }

    XmlTree* m_tree = nullptr;
    StringView m_text;
    uint32_t m_base = 0;
    size_t m_pos = 0;
    // The element whose children are being read (the root at first), and
    // its last child so far. An open element is always the last child of
    // its parent, so until its end tag its `next` link, unused till then,
    // holds its parent: the open elements need no stack of their own.
    uint32_t m_current = XmlTree::kRoot;
    uint32_t m_lastChild = XmlTree::kNone;
    // The number of open elements, and what the document holds so far.
    uint32_t m_depth = 0;
    uint32_t m_elementCount = 0;
    uint32_t m_attributeCount = 0;
    // The start tag being read: its element is linked at the name's end.
    uint32_t m_newElement = XmlTree::kNone;
    bool m_emptyTag = false;
    size_t m_attributeStart = 0;
    XmlTree::Span m_attributeName;
    bool m_equalsSeen = false;
    char16_t m_quote = 0;
    String m_error;
};
