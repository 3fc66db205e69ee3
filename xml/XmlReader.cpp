#include "xml/XmlReader.h"

#include <utility>

namespace {

constexpr StringView kCommentOpen = u"<!--";
constexpr StringView kCommentClose = u"-->";

// Position just after the first "?>" that is not inside a comment, or npos.
// Whatever precedes it (the declaration, the declared encoding) is ignored.
size_t declarationEnd(StringView text)
{
    size_t i = 0;
    while (i + 1 < text.size()) {
        if (text.substr(i, kCommentOpen.size()) == kCommentOpen) {
            const size_t close = text.find(kCommentClose, i + kCommentOpen.size());
            if (close == StringView::npos)
                return StringView::npos;
            i = close + kCommentClose.size();
            continue;
        }
        if (text[i] == u'?' && text[i + 1] == u'>')
            return i + 2;
        ++i;
    }
    return StringView::npos;
}

} // namespace

bool XmlReader::isNameChar(char16_t c) { return isLetterOrDigit(c) || c == u'-' || c == u'_' || c == u'.'; }

bool XmlReader::isElementName(StringView name)
{
    if (name.empty())
        return false;
    for (char16_t c : name) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

bool XmlReader::isAttributeName(StringView name) { return isElementName(name) && isLetterOrDigit(name.front()); }

// Indexed by state number.
const std::array<XmlReader::Handler, 11> XmlReader::s_handlers = {
    &XmlReader::betweenTags,   &XmlReader::tagOpened,   &XmlReader::afterElementName, &XmlReader::elementText,
    &XmlReader::tagEnd,        &XmlReader::endTag,      &XmlReader::comment,          &XmlReader::inStartTag,
    &XmlReader::attributeName, &XmlReader::beforeValue, &XmlReader::attributeValue,
};

bool XmlReader::read(XmlTree& tree)
{
    m_error.clear();
    const XmlTree::Span source = tree.sourceSpan();
    const StringView document = tree.view(source);
    bool ok = false;
    const size_t start = declarationEnd(document);
    if (start == StringView::npos) {
        m_error = u"missing declaration";
    } else {
        m_tree = &tree;
        m_text = document;
        m_base = source.offset;
        m_pos = start;
        m_current = XmlTree::kRoot;
        m_lastChild = XmlTree::kNone;
        m_depth = 0;
        m_elementCount = 0;
        m_attributeCount = 0;
        ok = run(s_handlers.data(), s_handlers.size());
        // Elements left open end the document as the last children of
        // their parents.
        while (ok && m_current != XmlTree::kRoot)
            m_current = std::exchange(tree.mutableNode(m_current).next, XmlTree::kNone);
    }
    // Nothing of this read may outlive it: the tree belongs to the caller.
    m_tree = nullptr;
    m_text = {};
    m_pos = 0;
    m_newElement = XmlTree::kNone;
    return ok;
}

bool XmlReader::run(const Handler* table, size_t count)
{
    if (!table || count == 0) {
        m_error = u"unknown error";
        return false;
    }
    int state = 0;
    for (;;) {
        if (state < 0 || size_t(state) >= count) {
            m_error = u"command not found";
            return false;
        }
        const Handler handler = table[state];
        if (!handler) {
            m_error = u"unknown error";
            return false;
        }
        const Step step = (this->*handler)();
        switch (step.kind) {
        case StepKind::Done:
            return true;
        case StepKind::Fail:
            if (m_error.empty())
                m_error = u"command error, id: " + decimalText(int64_t(state));
            return false;
        case StepKind::Next:
            state = step.state;
            break;
        }
    }
}

// 0: only white space may stand between tags, which is what rejects text
// after a child element (mixed content).
XmlReader::Step XmlReader::betweenTags()
{
    while (!atEnd()) {
        const char16_t c = current();
        ++m_pos;
        if (isSpace(c))
            continue;
        if (c == u'<')
            return next(1);
        return fail();
    }
    // Elements still open at the end are accepted as they stand: the
    // readers of each file decide whether what arrived is enough.
    return done();
}

// 1: after "<": an element name, "/" of an end tag, or a comment.
XmlReader::Step XmlReader::tagOpened()
{
    m_emptyTag = false;
    while (!atEnd() && isSpace(current()))
        ++m_pos;
    const size_t nameStart = m_pos;
    while (!atEnd() && isNameChar(current()))
        ++m_pos;
    if (m_pos > nameStart) {
        if (m_depth >= kMaxDepth)
            return limitExceeded(u"too deeply nested");
        if (++m_elementCount > kMaxElements)
            return limitExceeded(u"too many elements");
        m_newElement = m_tree->addNode(m_tree->internName(spanFrom(nameStart)));
        m_tree->link(m_current, m_lastChild, m_newElement);
        m_lastChild = m_newElement;
        return next(2); // the character after the name is examined there
    }
    if (atEnd())
        return fail();
    if (current() == u'/') {
        ++m_pos;
        return next(5);
    }
    if (lookingAt(kCommentOpen.substr(1))) {
        m_pos += kCommentOpen.size() - 1;
        return next(6);
    }
    return fail(); // processing instruction, document type, stray character
}

// 2: the name ended; attributes follow after white space, or the tag ends.
XmlReader::Step XmlReader::afterElementName()
{
    if (atEnd())
        return fail();
    const char16_t c = current();
    if (isSpace(c)) {
        ++m_pos;
        return next(7);
    }
    if (c == u'/' || c == u'>')
        return next(4);
    return fail();
}

// 3: the text of the element just opened, up to the next tag.
XmlReader::Step XmlReader::elementText()
{
    const size_t tag = m_text.find(u'<', m_pos);
    if (tag == StringView::npos) {
        m_pos = m_text.size();
        return fail();
    }
    const size_t start = m_pos;
    m_pos = tag;
    m_tree->appendText(m_current, spanFrom(start));
    m_pos = tag + 1;
    return next(1);
}

// 4: "/" marks the element empty; ">" attaches it to the current element.
XmlReader::Step XmlReader::tagEnd()
{
    while (!atEnd()) {
        const char16_t c = current();
        ++m_pos;
        if (isSpace(c))
            continue;
        if (c == u'/') {
            m_emptyTag = true;
            continue;
        }
        if (c == u'>') {
            if (m_newElement == XmlTree::kNone)
                return fail();
            const uint32_t element = std::exchange(m_newElement, XmlTree::kNone);
            if (m_emptyTag)
                return next(0);
            m_tree->mutableNode(element).next = m_current;
            m_current = element;
            ++m_depth;
            m_lastChild = XmlTree::kNone;
            return next(3);
        }
        return fail();
    }
    return fail();
}

// 5: an end tag closes whatever element is open; its name is not compared.
XmlReader::Step XmlReader::endTag()
{
    while (!atEnd()) {
        const char16_t c = current();
        ++m_pos;
        if (isNameChar(c) || c == u'/' || isSpace(c))
            continue;
        if (c == u'>') {
            if (m_current == XmlTree::kRoot)
                return fail(); // nothing open but the root
            m_lastChild = m_current;
            m_current = std::exchange(m_tree->mutableNode(m_current).next, XmlTree::kNone);
            --m_depth;
            return next(0);
        }
        return fail();
    }
    return fail();
}

// 6: a comment, skipped up to "-->".
XmlReader::Step XmlReader::comment()
{
    const size_t close = m_text.find(kCommentClose, m_pos);
    if (close == StringView::npos) {
        m_pos = m_text.size();
        return fail();
    }
    m_pos = close + kCommentClose.size();
    return next(0);
}

// 7: inside a start tag, between attributes.
XmlReader::Step XmlReader::inStartTag()
{
    while (!atEnd()) {
        const char16_t c = current();
        if (isSpace(c)) {
            ++m_pos;
            continue;
        }
        if (isLetterOrDigit(c)) {
            m_attributeStart = m_pos;
            return next(8);
        }
        if (c == u'/' || c == u'>')
            return next(4);
        return fail();
    }
    return fail();
}

// 8: the attribute name.
XmlReader::Step XmlReader::attributeName()
{
    while (!atEnd() && isNameChar(current()))
        ++m_pos;
    m_attributeName = spanFrom(m_attributeStart);
    if (atEnd() || m_attributeName.length == 0)
        return fail();
    m_equalsSeen = false;
    return next(9);
}

// 9: "=" and the opening quote, either kind.
XmlReader::Step XmlReader::beforeValue()
{
    while (!atEnd()) {
        const char16_t c = current();
        ++m_pos;
        if (isSpace(c))
            continue;
        if (c == u'=') {
            m_equalsSeen = true;
            continue;
        }
        if ((c == u'"' || c == u'\'') && m_equalsSeen) {
            m_quote = c;
            return next(10);
        }
        return fail();
    }
    return fail();
}

// 10: the value, verbatim up to the same quote (entities stay undecoded).
XmlReader::Step XmlReader::attributeValue()
{
    const size_t close = m_text.find(m_quote, m_pos);
    if (close == StringView::npos) {
        m_pos = m_text.size();
        return fail();
    }
    if (m_attributeName.length == 0 || m_newElement == XmlTree::kNone)
        return fail();
    if (++m_attributeCount > kMaxAttributes)
        return limitExceeded(u"too many attributes");
    const size_t start = m_pos;
    m_pos = close;
    m_tree->appendAttribute(m_newElement, m_attributeName, spanFrom(start));
    m_attributeName = {};
    m_pos = close + 1;
    return next(7);
}
