#include "ui/widgets/UITextInsert.h"

#include <algorithm>

namespace {

constexpr char16_t kTab = u'\t';
constexpr char16_t kDelete = u'\x7F';
constexpr char16_t kFirstPrintable = u' ';

} // namespace

String insertableText(StringView text, bool keepTabs)
{
    String result;
    result.reserve(text.size());
    for (char16_t c : text) {
        if (c == kDelete || (c < kFirstPrintable && !(keepTabs && c == kTab)))
            continue;
        result.push_back(c);
    }
    return result;
}

InsertResult insertText(UITextCursor& cursor, StringView text, const InsertRules& rules)
{
    if (text.empty() || rules.readOnly)
        return InsertResult::Refused;
    String insertion = insertableText(text, rules.keepTabs);
    if (insertion.empty())
        return InsertResult::Refused;

    InsertResult result = InsertResult::Inserted;
    if (rules.maxLength > 0) {
        const UITextDocument& document = cursor.document();
        const int kept = document.length() - (cursor.selectionEnd() - cursor.selectionStart());
        size_t room = static_cast<size_t>(std::max(rules.maxLength - kept, 0));
        if (room == 0)
            return InsertResult::Refused;
        if (insertion.size() > room) {
            // Half a surrogate pair is not a character; leave the whole pair out.
            if ((insertion[room - 1] & 0xFC00) == 0xD800)
                --room;
            if (room == 0)
                return InsertResult::Refused;
            insertion.resize(room);
            result = InsertResult::Truncated;
        }
    }

    if (rules.validator) {
        String candidate = cursor.document().text();
        candidate.replace(static_cast<size_t>(cursor.selectionStart()),
                          static_cast<size_t>(cursor.selectionEnd() - cursor.selectionStart()), insertion);
        if (!rules.validator->validate(candidate))
            return InsertResult::Refused;
    }
    cursor.replaceSelection(insertion, rules.kind);
    return result;
}
