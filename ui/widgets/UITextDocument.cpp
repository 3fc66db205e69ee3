#include "ui/widgets/UITextDocument.h"

#include <algorithm>

String UITextDocument::displayText() const
{
    if (!m_passwordMode)
        return m_text;
    return String(m_text.size(), m_passwordCharacter);
}

TextSelection UITextDocument::setText(StringView text, TextSelection before)
{
    const TextSelection after{static_cast<int>(text.size()), static_cast<int>(text.size())};
    if (text == m_text)
        return after;
    m_groupOpen = false;
    replace(0, length(), text, EditKind::Separate, before, after);
    m_groupOpen = false;
    return after;
}

bool UITextDocument::joins(EditKind kind, int from, int to, StringView text) const
{
    if (!m_groupOpen || m_undo.empty() || kind == EditKind::Separate || m_undo.back().kind != kind)
        return false;
    const Step& last = m_undo.back();
    switch (kind) {
    case EditKind::Typing:
        // A space closes a word; the first character after it opens a new step.
        if (from != to || from != last.editEnd || text.empty())
            return false;
        return !(isSpace(last.textAfter[static_cast<size_t>(last.editEnd - 1)]) && !isSpace(text.front()));
    case EditKind::DeleteBackward:
        return text.empty() && to == last.editStart;
    case EditKind::DeleteForward:
        return text.empty() && from == last.editStart;
    case EditKind::Separate:
        break;
    }
    return false;
}

void UITextDocument::replace(int from, int to, StringView text, EditKind kind, TextSelection before,
                             TextSelection after)
{
    from = std::clamp(from, 0, length());
    to = std::clamp(to, from, length());
    if (from == to && text.empty())
        return;
    const bool join = joins(kind, from, to, text);
    String previous = m_text;
    m_text.replace(static_cast<size_t>(from), static_cast<size_t>(to - from), text);
    m_redo.clear();
    if (join) {
        Step& last = m_undo.back();
        last.textAfter = m_text;
        last.selectionAfter = after;
        if (kind == EditKind::Typing)
            last.editEnd = from + static_cast<int>(text.size());
        else if (kind == EditKind::DeleteBackward)
            last.editStart = from;
    } else {
        const int end = kind == EditKind::Typing ? from + static_cast<int>(text.size()) : to;
        push({std::move(previous), before, m_text, after, kind, from, end});
    }
    m_groupOpen = true;
}

void UITextDocument::push(Step step)
{
    m_undo.push_back(std::move(step));
    if (m_undo.size() > kMaximumUndoSteps)
        m_undo.erase(m_undo.begin());
}

std::optional<TextSelection> UITextDocument::undo()
{
    if (m_undo.empty())
        return std::nullopt;
    m_groupOpen = false;
    m_redo.push_back(std::move(m_undo.back()));
    m_undo.pop_back();
    m_text = m_redo.back().textBefore;
    return m_redo.back().selectionBefore;
}

std::optional<TextSelection> UITextDocument::redo()
{
    if (m_redo.empty())
        return std::nullopt;
    m_groupOpen = false;
    m_undo.push_back(std::move(m_redo.back()));
    m_redo.pop_back();
    m_text = m_undo.back().textAfter;
    return m_undo.back().selectionAfter;
}

void UITextDocument::clearHistory()
{
    m_undo.clear();
    m_redo.clear();
    m_groupOpen = false;
}
