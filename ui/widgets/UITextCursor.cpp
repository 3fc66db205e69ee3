#include "ui/widgets/UITextCursor.h"

#include <algorithm>

namespace {

enum class CharClass { Space, Word, Other };

CharClass classOf(char16_t c)
{
    if (isSpace(c))
        return CharClass::Space;
    return isLetterOrDigit(c) ? CharClass::Word : CharClass::Other;
}

// True when `index` falls between the halves of a surrogate pair, where no
// caret or edit boundary may stop.
bool splitsPair(const String& text, int index)
{
    return index > 0 && index < static_cast<int>(text.size()) && (text[static_cast<size_t>(index)] & 0xFC00) == 0xDC00
        && (text[static_cast<size_t>(index - 1)] & 0xFC00) == 0xD800;
}

} // namespace

UITextCursor::UITextCursor(UITextDocument& document) : m_document(document) { moveToEnd(); }

int UITextCursor::selectionStart() const { return std::min(m_selection.anchor, m_selection.position); }

int UITextCursor::selectionEnd() const { return std::max(m_selection.anchor, m_selection.position); }

String UITextCursor::selectedText() const
{
    return m_document.text().substr(static_cast<size_t>(selectionStart()),
                                    static_cast<size_t>(selectionEnd() - selectionStart()));
}

void UITextCursor::setPosition(int position, MoveMode mode)
{
    const int clamped = std::clamp(position, 0, m_document.length());
    if (clamped != m_selection.position)
        m_document.endEditGroup();
    m_selection.position = clamped;
    if (mode == MoveMode::MoveAnchor)
        m_selection.anchor = clamped;
}

void UITextCursor::setSelection(TextSelection selection)
{
    const int length = m_document.length();
    const TextSelection clamped{std::clamp(selection.anchor, 0, length), std::clamp(selection.position, 0, length)};
    if (clamped != m_selection)
        m_document.endEditGroup();
    m_selection = clamped;
}

void UITextCursor::selectAll() { setSelection({0, m_document.length()}); }

void UITextCursor::moveCharacter(int direction, MoveMode mode)
{
    if (mode == MoveMode::MoveAnchor && hasSelection()) {
        setPosition(direction < 0 ? selectionStart() : selectionEnd());
        return;
    }
    const int step = direction < 0 ? -1 : 1;
    int next = m_selection.position + step;
    if (splitsPair(m_document.text(), next))
        next += step;
    setPosition(next, mode);
}

int UITextCursor::wordBoundary(int from, int direction) const
{
    const String& text = m_document.text();
    const int length = m_document.length();
    from = std::clamp(from, 0, length);
    if (m_document.isPasswordMode())
        return direction < 0 ? 0 : length;
    auto at = [&](int i) { return classOf(text[static_cast<size_t>(i)]); };
    int i = from;
    if (direction > 0) {
        if (i < length && at(i) != CharClass::Space) {
            const CharClass kind = at(i);
            while (i < length && at(i) == kind)
                ++i;
        }
        while (i < length && at(i) == CharClass::Space)
            ++i;
    } else {
        while (i > 0 && at(i - 1) == CharClass::Space)
            --i;
        if (i > 0) {
            const CharClass kind = at(i - 1);
            while (i > 0 && at(i - 1) == kind)
                --i;
        }
    }
    return i;
}

void UITextCursor::moveWord(int direction, MoveMode mode) { setPosition(wordBoundary(position(), direction), mode); }

bool UITextCursor::replaceSelection(StringView text, EditKind kind, AfterReplace after)
{
    if (!hasSelection() && text.empty())
        return false;
    const int start = selectionStart();
    const int end = start + static_cast<int>(text.size());
    const TextSelection selection{after == AfterReplace::SelectText ? start : end, end};
    m_document.replace(start, selectionEnd(), text, kind, m_selection, selection);
    m_selection = selection;
    return true;
}

bool UITextCursor::deleteSelection() { return replaceSelection({}, EditKind::Separate); }

bool UITextCursor::deletePrevious()
{
    if (hasSelection())
        return deleteSelection();
    if (m_selection.position == 0)
        return false;
    const int to = m_selection.position;
    int from = to - 1;
    if (splitsPair(m_document.text(), from))
        --from;
    m_document.replace(from, to, {}, EditKind::DeleteBackward, m_selection, {from, from});
    m_selection = {from, from};
    return true;
}

bool UITextCursor::deleteNext()
{
    if (hasSelection())
        return deleteSelection();
    const int from = m_selection.position;
    if (from >= m_document.length())
        return false;
    int to = from + 1;
    if (splitsPair(m_document.text(), to))
        ++to;
    m_document.replace(from, to, {}, EditKind::DeleteForward, m_selection, {from, from});
    return true;
}

bool UITextCursor::undo()
{
    const auto restored = m_document.undo();
    if (restored)
        m_selection = *restored;
    return restored.has_value();
}

bool UITextCursor::redo()
{
    const auto restored = m_document.redo();
    if (restored)
        m_selection = *restored;
    return restored.has_value();
}

void UITextCursor::setText(StringView text) { m_selection = m_document.setText(text, m_selection); }
