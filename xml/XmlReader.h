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

#include <array>
#include <memory>
#include <vector>

class XmlElement;

class XmlReader {
public:
    // Reads `document` (declaration included) into `root`, which the caller
    // has emptied. The reader does not keep the text or the root after read().
    bool read(StringView document, XmlElement& root);

    // Diagnosis of the last failure, e.g. "command error, id: 3"; internal,
    // never meant for the user.
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

    StringView m_text;
    size_t m_pos = 0;
    // Open elements, the root at the bottom; the top is the current element.
    std::vector<XmlElement*> m_open;
    // The start tag being read; appended to the current element at its ">".
    std::unique_ptr<XmlElement> m_newElement;
    String m_name;
    bool m_emptyTag = false;
    String m_attributeName;
    bool m_equalsSeen = false;
    char16_t m_quote = 0;
    String m_error;
};
