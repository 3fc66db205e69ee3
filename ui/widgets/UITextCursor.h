#pragma once
// UITextCursor: the anchor and caret position of a field's selection.
//
// The cursor reads its document (which must outlive it) and keeps both ends
// within 0..length at all times: every setter clamps, and every edit made
// through the cursor or restored by undo and redo leaves a selection inside
// the new text.

#include "platform/Text.h"
#include "ui/widgets/UITextDocument.h"

enum class MoveMode { MoveAnchor, KeepAnchor };

// Where a replacement leaves the selection: a caret after the new text, or the
// new text selected (a case change keeps its selection, and so does its redo).
enum class AfterReplace { Caret, SelectText };

class UITextCursor {
public:
    explicit UITextCursor(UITextDocument& document);

    UITextDocument& document() const { return m_document; }
    int anchor() const { return m_selection.anchor; }
    int position() const { return m_selection.position; }
    TextSelection selection() const { return m_selection; }
    bool hasSelection() const { return m_selection.anchor != m_selection.position; }
    int selectionStart() const;
    int selectionEnd() const;
    String selectedText() const;

    void setPosition(int position, MoveMode mode = MoveMode::MoveAnchor);
    void setSelection(TextSelection selection);
    void selectAll();

    // One character (a surrogate pair counts as one); without KeepAnchor a
    // selection first collapses to the side moved towards.
    void moveCharacter(int direction, MoveMode mode = MoveMode::MoveAnchor);
    // To the start of the next word (forwards) or of this or the previous
    // word (backwards). Letters and digits form words, white space separates
    // them, and every other character is a word of its own kind. In password
    // mode the whole text is one word, so the masked text's shape stays hidden.
    void moveWord(int direction, MoveMode mode = MoveMode::MoveAnchor);
    void moveToStart(MoveMode mode = MoveMode::MoveAnchor) { setPosition(0, mode); }
    void moveToEnd(MoveMode mode = MoveMode::MoveAnchor) { setPosition(m_document.length(), mode); }

    // Edits recorded in the document's history. Each returns false when it
    // changes nothing.
    bool replaceSelection(StringView text, EditKind kind, AfterReplace after = AfterReplace::Caret);
    bool deleteSelection();
    bool deletePrevious(); // Backspace: the selection, or the character before the caret
    bool deleteNext();     // Delete: the selection, or the character after the caret
    bool undo();
    bool redo();
    void setText(StringView text);

    // The position a word move reaches from `from`, without moving.
    int wordBoundary(int from, int direction) const;

private:
    UITextDocument& m_document;
    TextSelection m_selection;
};
