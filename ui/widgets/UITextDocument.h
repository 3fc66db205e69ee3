#pragma once
// UITextDocument: the characters of a single-line field, its password mode
// and its undo/redo history.
//
// Every change goes through replace() (or setText), which records one undo
// step holding the text and the selection on both sides of the change, so an
// undo or redo restores a state exactly rather than replaying an edit. Edits
// of the same kind that continue each other (typing at the caret, deleting
// backwards or forwards) extend the last step instead of adding one, the way
// users expect a burst of typing to go away with one undo; a new word, a caret
// move between edits, or an undo ends the burst.

#include "platform/Text.h"

#include <cstddef>
#include <optional>
#include <vector>

// An anchor and a position in characters; the selection lies between them.
struct TextSelection {
    int anchor = 0;
    int position = 0;

    bool operator==(const TextSelection&) const = default;
};

// How an edit joins the undo history.
enum class EditKind {
    Separate,       // always a step of its own (paste, cut, case change, drop)
    Typing,         // joins a directly preceding Typing edit that ends where it starts
    DeleteBackward, // joins a preceding DeleteBackward that began where it ends
    DeleteForward,  // joins a preceding DeleteForward at the same place
};

class UITextDocument {
public:
    static constexpr char16_t kDefaultPasswordCharacter = u'\u25CF';
    // The oldest steps are dropped beyond this many.
    static constexpr size_t kMaximumUndoSteps = 256;

    const String& text() const { return m_text; }
    int length() const { return static_cast<int>(m_text.size()); }

    // What the field shows: the text, or in password mode one masking
    // character per code unit, so that positions in the text and in what is
    // shown stay the same numbers.
    String displayText() const;
    bool isPasswordMode() const { return m_passwordMode; }
    void setPasswordMode(bool on) { m_passwordMode = on; }
    char16_t passwordCharacter() const { return m_passwordCharacter; }
    void setPasswordCharacter(char16_t c) { m_passwordCharacter = c; }

    // Replaces the whole text as one separate undo step (none when the text
    // is unchanged). Returns the selection afterwards: the caret at the end.
    TextSelection setText(StringView text, TextSelection before);

    // Replaces the characters [from, to) by `text` (bounds are clamped into
    // the text) and records the change; `before` and `after` are the
    // selections the step restores on undo and redo.
    void replace(int from, int to, StringView text, EditKind kind, TextSelection before, TextSelection after);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // Each returns the selection to restore, or nothing when there is no step.
    std::optional<TextSelection> undo();
    std::optional<TextSelection> redo();
    // The next edit starts a new step even if it continues the last one; the
    // owner calls this when the caret moves on its own.
    void endEditGroup() { m_groupOpen = false; }
    void clearHistory();

private:
    struct Step {
        String textBefore;
        TextSelection selectionBefore;
        String textAfter;
        TextSelection selectionAfter;
        EditKind kind = EditKind::Separate;
        int editStart = 0; // where the step's edit begins, for joining
        int editEnd = 0;   // where a joining edit must begin (typing) or end (deleting backwards)
    };

    bool joins(EditKind kind, int from, int to, StringView text) const;
    void push(Step step);

    String m_text;
    bool m_passwordMode = false;
    char16_t m_passwordCharacter = kDefaultPasswordCharacter;
    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    bool m_groupOpen = false;
};
