// The line edit's companions without a widget: what the insert checks let
// into the text, how undo and redo walk back and forth through the states an
// editing session passed through, word movement, and a long random session
// that must never leave the selection outside the text.
#include "ui/widgets/UITextCursor.h"
#include "ui/widgets/UITextDocument.h"
#include "ui/widgets/UITextInsert.h"
#include "ui/widgets/UIValidator.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

class DigitsOnly : public UIValidator {
public:
    bool validate(StringView text) const override
    {
        for (char16_t c : text)
            if (c < u'0' || c > u'9')
                return false;
        return true;
    }
};

struct State {
    String text;
    TextSelection selection;
    bool operator==(const State&) const = default;
};

State stateOf(const UITextCursor& cursor) { return {cursor.document().text(), cursor.selection()}; }

struct InsertCase {
    const char* name;
    const char16_t* initial;
    bool selectAll;
    InsertRules rules;
    std::vector<const char16_t*> typed; // each typed as one insertion
    const char16_t* expected;
    int beeps;
};

const DigitsOnly kDigitsOnly;

} // namespace

TEST(UITextInsertTest, InsertChecks)
{
    const std::vector<InsertCase> cases = {
        {"truncated to the maximum length", u"", false, {.maxLength = 5}, {u"abcdefgh"}, u"abcde", 1},
        {"line breaks removed", u"", false, {}, {u"ab\r\ncd"}, u"abcd", 0},
        {"controls removed", u"", false, {}, {u"a\u0001b\u007F\tc"}, u"abc", 0},
        {"tab kept when asked", u"a", false, {.keepTabs = true}, {u"\t"}, u"a\t", 0},
        {"only line breaks", u"x", true, {}, {u"\r\n"}, u"x", 1},
        {"empty text", u"x", false, {}, {u""}, u"x", 1},
        {"read-only", u"x", true, {.readOnly = true}, {u"y"}, u"x", 1},
        {"validator refuses one",
         u"",
         false,
         {.validator = &kDigitsOnly, .kind = EditKind::Typing},
         {u"1", u"a", u"2"},
         u"12",
         1},
        {"full field overtyped", u"abcde", true, {.maxLength = 5}, {u"z"}, u"z", 0},
        {"full field without selection", u"abcde", false, {.maxLength = 5}, {u"z"}, u"abcde", 1},
        {"pair never split", u"a", false, {.maxLength = 2}, {u"b\U0001F600"}, u"ab", 1},
        {"only half a pair fits", u"a", false, {.maxLength = 2}, {u"\U0001F600"}, u"a", 1},
    };
    for (const InsertCase& c : cases) {
        SCOPED_TRACE(c.name);
        UITextDocument document;
        UITextCursor cursor(document);
        cursor.setText(c.initial);
        if (c.selectAll)
            cursor.selectAll();
        int beeps = 0;
        for (const char16_t* typed : c.typed)
            beeps += needsBeep(insertText(cursor, typed, c.rules)) ? 1 : 0;
        EXPECT_EQ(document.text(), String(c.expected));
        EXPECT_EQ(beeps, c.beeps);
    }
}

TEST(UITextInsertTest, RefusedInsertLeavesNoUndoStep)
{
    UITextDocument document;
    UITextCursor cursor(document);
    const InsertRules typing{.validator = &kDigitsOnly, .kind = EditKind::Typing};
    for (const char16_t* typed : {u"1", u"a", u"2"})
        insertText(cursor, typed, typing);
    ASSERT_EQ(document.text(), u"12");
    // Every undo step changes the text: the refused "a" left none behind.
    String previous = document.text();
    while (cursor.undo()) {
        EXPECT_NE(document.text(), previous);
        previous = document.text();
    }
    EXPECT_EQ(previous, u"");
}

TEST(UITextDocumentTest, UndoAndRedoRestoreEachStateExactly)
{
    UITextDocument document;
    UITextCursor cursor(document);
    const InsertRules typing{.kind = EditKind::Typing};
    std::vector<State> states{stateOf(cursor)};
    auto type = [&](StringView text) {
        for (char16_t c : text)
            insertText(cursor, StringView(&c, 1), typing);
    };
    // Each entry is one step the user expects a single undo to take back.
    const std::vector<std::function<void()>> steps = {
        [&] { type(u"hello "); },
        [&] { type(u"world"); },
        [&] { insertText(cursor, u" pasted", {}); },
        [&] {
            cursor.setSelection({3, 8});
            cursor.deleteSelection();
        },
        [&] {
            cursor.moveToEnd();
            cursor.deletePrevious();
            cursor.deletePrevious();
        },
        [&] {
            cursor.setPosition(1);
            cursor.deleteNext();
            cursor.deleteNext();
        },
        [&] {
            cursor.setSelection({4, 0});
            insertText(cursor, u"Z", typing);
        },
        [&] {
            cursor.setSelection({0, 2});
            cursor.replaceSelection(u"AB", EditKind::Separate, AfterReplace::SelectText);
        },
        [&] { cursor.setText(u"replaced"); },
    };
    for (const auto& step : steps) {
        step();
        states.push_back(stateOf(cursor));
    }
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(cursor.undo());
        EXPECT_EQ(stateOf(cursor).text, states[i - 1].text) << "undo to state " << i - 1;
    }
    EXPECT_FALSE(cursor.undo());
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(cursor.redo());
        EXPECT_EQ(stateOf(cursor), states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(cursor.redo());
    // A new edit after an undo drops what could have been redone.
    cursor.undo();
    type(u"!");
    EXPECT_FALSE(document.canRedo());
}

TEST(UITextCursorTest, WordAndCharacterMoves)
{
    struct Case {
        int from;
        int direction;
        int expected;
    };
    //                     0123456789012345
    const String kText = u"foo bar,baz  qux";
    const std::vector<Case> cases = {
        {0, 1, 4},    {4, 1, 7},   {7, 1, 8},  {8, 1, 13}, {13, 1, 16}, {16, 1, 16},
        {16, -1, 13}, {13, -1, 8}, {8, -1, 7}, {7, -1, 4}, {2, -1, 0},  {0, -1, 0},
    };
    UITextDocument document;
    UITextCursor cursor(document);
    cursor.setText(kText);
    for (const Case& c : cases)
        EXPECT_EQ(cursor.wordBoundary(c.from, c.direction), c.expected) << c.from << " " << c.direction;

    cursor.setPosition(4);
    cursor.moveWord(1, MoveMode::KeepAnchor);
    EXPECT_EQ(cursor.selectedText(), u"bar");
    cursor.moveCharacter(-1);
    EXPECT_EQ(cursor.selection(), (TextSelection{4, 4}));
    // A surrogate pair is one character to the caret and to both deletions.
    cursor.setText(u"a\U0001F600b");
    cursor.setPosition(1);
    cursor.moveCharacter(1);
    EXPECT_EQ(cursor.position(), 3);
    cursor.deletePrevious();
    EXPECT_EQ(document.text(), u"ab");
    cursor.setText(u"a\U0001F600b");
    cursor.setPosition(1);
    cursor.deleteNext();
    EXPECT_EQ(document.text(), u"ab");

    // Masked, words give nothing away.
    cursor.setText(u"ab c");
    document.setPasswordMode(true);
    EXPECT_EQ(document.displayText(), String(4, UITextDocument::kDefaultPasswordCharacter));
    cursor.setPosition(0);
    cursor.moveWord(1);
    EXPECT_EQ(cursor.position(), document.length());
}

TEST(UITextCursorTest, RandomEditingKeepsTheSelectionInsideTheText)
{
    UITextDocument document;
    UITextCursor cursor(document);
    std::mt19937 random(20261207);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::vector<const char16_t*> pieces = {u"a", u" ", u"xy\r\nz", u"\U0001F600", u"12345678", u"\x01", u""};
    for (int step = 0; step < 5000; ++step) {
        InsertRules rules{.maxLength = pick(3) == 0 ? 12 : -1,
                          .validator = pick(4) == 0 ? &kDigitsOnly : nullptr,
                          .kind = pick(2) == 0 ? EditKind::Typing : EditKind::Separate};
        const MoveMode mode = pick(2) == 0 ? MoveMode::KeepAnchor : MoveMode::MoveAnchor;
        const int direction = pick(2) == 0 ? 1 : -1;
        const StringView piece = pieces[static_cast<size_t>(pick(static_cast<int>(pieces.size())))];
        const std::vector<std::function<void()>> actions = {
            [&] { insertText(cursor, piece, rules); },
            [&] { cursor.undo(); },
            [&] { cursor.redo(); },
            [&] { cursor.deletePrevious(); },
            [&] { cursor.deleteNext(); },
            [&] { cursor.deleteSelection(); },
            [&] {
                cursor.setSelection({pick(40) - 10, pick(40) - 10});
            },
            [&] { cursor.moveWord(direction, mode); },
            [&] { cursor.moveCharacter(direction, mode); },
            [&] { cursor.setText(piece); },
            [&] { document.setPasswordMode(!document.isPasswordMode()); },
        };
        actions[static_cast<size_t>(pick(static_cast<int>(actions.size())))]();
        ASSERT_GE(cursor.selectionStart(), 0) << "step " << step;
        ASSERT_LE(cursor.selectionEnd(), document.length()) << "step " << step;
    }
}
