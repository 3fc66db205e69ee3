#pragma once
// The checks every insertion into a single-line field passes through, kept
// apart from the widget so that typing, pasting and dropping share them.
//
// The text loses its line breaks and control characters, a read-only field
// refuses it, a maximum length keeps only what fits (the selection being
// replaced counts as room, so a full field can be overtyped), and a validator
// sees the text the edit would leave: a refused text leaves the field, its
// selection and its undo history exactly as they were.

#include "platform/Text.h"
#include "ui/widgets/UITextCursor.h"
#include "ui/widgets/UIValidator.h"

struct InsertRules {
    bool readOnly = false;
    int maxLength = -1;                     // 0 or less: unlimited
    const UIValidator* validator = nullptr; // not owned
    bool keepTabs = false;                  // the Tab key inserts a tab; pasted tabs are dropped
    EditKind kind = EditKind::Separate;     // Typing for characters typed one at a time
};

enum class InsertResult {
    Inserted,  // all of the text went in
    Truncated, // only what the maximum length leaves room for went in; beep
    Refused,   // nothing changed; beep
};

constexpr bool needsBeep(InsertResult result) { return result != InsertResult::Inserted; }

// The characters of `text` a field can hold: no CR, LF or other control
// characters (below U+0020, and U+007F), tabs only when `keepTabs`.
String insertableText(StringView text, bool keepTabs);

InsertResult insertText(UITextCursor& cursor, StringView text, const InsertRules& rules);
