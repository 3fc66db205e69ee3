// The line edit driven through its keys, mouse, drops and context menu, over
// the headless clipboard and sound, with the fake clock.
#include "app/Application.h"
#include "platform/Clipboard.h"
#include "platform/ClipboardBlocks.h"
#include "platform/InputMethod.h"
#include "platform/MessageLoop.h"
#include "platform/headless/HeadlessClipboard.h"
#include "platform/headless/HeadlessInput.h"
#include "platform/headless/HeadlessInputMethod.h"
#include "platform/headless/HeadlessWindows.h"
#include "tests/ui/core/NativeTestWindow.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UIMimeData.h"
#include "ui/core/UIMouseRouter.h"
#include "ui/widgets/UILineEdit.h"
#include "ui/widgets/UIMenu.h"

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace widgettest;
using platform::headless::SoundCall;

namespace {

constexpr uint32_t kUnicodeText = uint32_t(platform::ClipboardFormat::UnicodeText);
constexpr uint32_t kShift = platform::ShiftModifier;
constexpr uint32_t kControl = platform::ControlModifier;
constexpr uint32_t kAlt = platform::AltModifier;

class DigitsOnly : public UIValidator {
public:
    bool validate(StringView text) const override
    {
        return std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    }
};

int beeps()
{
    const auto& calls = platform::headless::soundCalls();
    return int(std::count_if(calls.begin(), calls.end(), [](const SoundCall& c) { return c.kind == SoundCall::Kind::Beep; }));
}

String clipboard()
{
    const auto block = platform::headless::clipboardBlock(kUnicodeText);
    return block ? platform::textFromBlock(*block).value_or(u"<bad>") : String(u"<none>");
}

class UILineEditTest : public WidgetTest {
public:
    UILineEditTest()
    {
        platform::headless::resetInput();
        platform::headless::resetClipboard();
        platform::headless::resetSoundCalls();
        window = makeWindow({300, 60});
        field = std::make_unique<UILineEdit>(window.get());
        field->setGeometry({0, 0, 200, 24});
        field->show();
        field->setFocus();
    }

    // A key as the window host sends it: the virtual key and its character.
    void key(uint32_t virtualKey, uint32_t modifiers = 0, String text = {})
    {
        UIKeyEvent press(UIEventType::KeyPress, virtualKey, modifiers, std::move(text));
        UIWidget::sendEvent(field.get(), press);
    }
    void type(StringView text)
    {
        for (char16_t c : text)
            key(c >= u'a' && c <= u'z' ? uint32_t(c - u'a' + 'A') : uint32_t(c), 0, String(1, c));
    }
    void control(char letter, uint32_t more = 0) { key(uint32_t(letter), kControl | more, String(1, char16_t(letter - '@'))); }
    void setClipboard(StringView text) { platform::headless::setClipboardBlock(kUnicodeText, platform::textBlock(text)); }
    void press(Point at, uint32_t modifiers = 0)
    {
        UIMouseRouter router(*window);
        router.press(at, platform::LeftButton, platform::LeftButton, modifiers);
        router.release(at, platform::LeftButton, 0, modifiers);
        processEvents();
    }
    // The x of the boundary before character `index` in the field.
    int32_t xOf(int32_t index) const
    {
        return UIFont::defaultFont().textSize(StringView(field->text()).substr(0, size_t(index))).width;
    }

    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<UILineEdit> field;
};

} // namespace

TEST_F(UILineEditTest, InsertionsKeepWhatFitsAndBeepOnTheRest)
{
    struct Case {
        const char* name;
        std::function<void(UILineEdit&)> setUp;
        std::function<void(UILineEditTest&)> act;
        String text;
        int beeps;
    };
    const auto paste = [](StringView text) {
        return [text](UILineEditTest& t) {
            t.setClipboard(text);
            t.control('V');
        };
    };
    const Case cases[] = {
        {"paste beyond the maximum", [](UILineEdit& f) { f.setMaxLength(5); }, paste(u"abcdefgh"), u"abcde", 1},
        {"paste with CR LF", {}, paste(u"ab\r\ncd"), u"abcd", 0},
        {"setText beyond the maximum", [](UILineEdit& f) { f.setMaxLength(3); },
         [](UILineEditTest& t) { t.field->setText(u"abcdef"); }, u"abc", 1},
        {"full and all selected, typing overwrites",
         [](UILineEdit& f) {
             f.setMaxLength(3);
             f.setText(u"abc");
             f.selectAll();
         },
         [](UILineEditTest& t) { t.type(u"z"); }, u"z", 0},
        {"full, typing beeps", [](UILineEdit& f) { f.setMaxLength(3), f.setText(u"abc"); },
         [](UILineEditTest& t) { t.type(u"z"); }, u"abc", 1},
        {"digits only", [](UILineEdit& f) { f.setValidator(std::make_unique<DigitsOnly>()); },
         [](UILineEditTest& t) { t.type(u"1a2"); }, u"12", 1},
        {"Control+A selects, never types U+0001", [](UILineEdit& f) { f.setText(u"xy"); },
         [](UILineEditTest& t) {
             t.control('A');
             t.type(u"q");
         },
         u"q", 0},
        {"control characters are not typed", {},
         [](UILineEditTest& t) {
             t.key(0x1B, 0, u"\x1B");
             t.key(0, 0, u"\x7F");
         },
         u"", 2},
        {"AltGr types its character", {}, [](UILineEditTest& t) { t.key('E', kControl | kAlt, u"\u20AC"); }, u"\u20AC",
         0},
        {"bare modifiers never beep", {},
         [](UILineEditTest& t) {
             for (uint32_t k : {0x10u, 0x11u, 0x12u, 0xA5u, 0x14u, 0x5Bu})
                 t.key(k);
         },
         u"", 0},
        {"empty insert beeps", {}, [](UILineEditTest& t) { t.field->insert(u""); }, u"", 1},
        {"Control+U and Control+Shift+U change case",
         [](UILineEdit& f) {
             f.setText(u"Ab");
             f.selectAll();
         },
         [](UILineEditTest& t) {
             t.control('U', kShift);
             t.key(0x23); // End
             t.type(u"c");
             t.field->setSelection(0, 3);
             t.control('U');
         },
         u"abc", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        field = std::make_unique<UILineEdit>(window.get());
        field->setGeometry({0, 0, 200, 24});
        field->show();
        field->setFocus();
        if (c.setUp)
            c.setUp(*field);
        platform::headless::resetSoundCalls();
        c.act(*this);
        EXPECT_EQ(toUtf8(field->text()), toUtf8(c.text));
        EXPECT_EQ(beeps(), c.beeps);
        EXPECT_LE(field->selectionEnd(), int32_t(field->text().size()));
    }
}

TEST_F(UILineEditTest, RefusedCharacterLeavesNoUndoStep)
{
    field->setValidator(std::make_unique<DigitsOnly>());
    type(u"1a2");
    std::vector<std::string> history;
    while (field->canUndo()) {
        field->undo();
        history.push_back(toUtf8(field->text()));
    }
    EXPECT_EQ(history, std::vector<std::string>{""});
}

TEST_F(UILineEditTest, ReadOnlyAllowsOnlySelectingAndCopying)
{
    field->setText(u"keep");
    field->setReadOnly(true);
    setClipboard(u"x");
    type(u"a");
    key(0x2E);            // Delete
    key(0x08, 0, u"\b");  // Backspace
    control('X');
    control('V');
    control('Z');
    EXPECT_EQ(toUtf8(field->text()), "keep");
    EXPECT_EQ(beeps(), 6);
    control('A');
    control('C');
    EXPECT_EQ(field->selectedText(), u"keep");
    EXPECT_EQ(toUtf8(clipboard()), "keep");
}

TEST_F(UILineEditTest, PasswordModeKeepsTheTextOffTheClipboard)
{
    field->setPasswordMode(true);
    type(u"secret");
    setClipboard(u"before");
    control('A');
    control('C');
    key(0x2D, kControl); // Control+Insert
    control('X');
    EXPECT_EQ(toUtf8(clipboard()), "before");
    EXPECT_EQ(toUtf8(field->text()), "secret");
}

TEST_F(UILineEditTest, UndoAndRedoRestoreEachStateExactly)
{
    type(u"hello world");
    field->setSelection(0, 5);
    control('X'); // " world", "hello" on the clipboard
    key(0x23);    // End
    control('V'); // " worldhello"
    type(u"!");
    const std::vector<std::pair<std::string, std::pair<int, int>>> states = {
        {" worldhello!", {12, 12}}, {" worldhello", {11, 11}}, {" world", {6, 6}}, {"hello world", {0, 5}}, {"hello ", {6, 6}}, {"", {0, 0}}};
    const auto selection = [this] { return std::pair{field->selectionStart(), field->selectionEnd()}; };
    for (size_t i = 0; i < states.size(); ++i) {
        EXPECT_EQ(toUtf8(field->text()), states[i].first) << "undo " << i;
        EXPECT_EQ(selection(), states[i].second) << "undo " << i;
        control('Z');
    }
    for (size_t i = states.size() - 1; i-- > 0;) {
        control('Y');
        EXPECT_EQ(toUtf8(field->text()), states[i].first) << "redo " << i;
    }
}

TEST_F(UILineEditTest, DropInsertsAtTheDropPointWithoutLineBreaks)
{
    field->setText(u"abcd");
    UIMimeData data;
    data.setText(u"q\nr");
    const Point at{xOf(2) + 1, 10};
    UIDragEvent enter(UIEventType::DragEnter, &data, platform::DropEffectCopy, 0, at);
    UIWidget::sendEvent(field.get(), enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(field->cursorPosition(), 2);
    UIDragEvent drop(UIEventType::Drop, &data, platform::DropEffectCopy, 0, at);
    UIWidget::sendEvent(field.get(), drop);
    EXPECT_EQ(toUtf8(field->text()), "abqrcd");

    // A validator refuses drags altogether.
    field->setValidator(std::make_unique<DigitsOnly>());
    UIDragEvent refused(UIEventType::DragEnter, &data, platform::DropEffectCopy, 0, at);
    UIWidget::sendEvent(field.get(), refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(UILineEditTest, MouseSelection)
{
    field->setText(u"one two");
    press({xOf(1), 10});
    EXPECT_EQ(field->cursorPosition(), 1);
    press({xOf(5), 10}, kShift);
    EXPECT_EQ(std::pair(field->selectionStart(), field->selectionEnd()), std::pair(1, 5));

    platform::headless::advanceClock(1000);
    press({xOf(5) + 2, 10});
    press({xOf(5) + 2, 10});
    EXPECT_EQ(toUtf8(field->selectedText()), "two");

    // A drag selects from the press to the pointer; keys wait until the release.
    platform::headless::advanceClock(1000);
    UIMouseRouter router(*window);
    router.press({xOf(0), 10}, platform::LeftButton, platform::LeftButton, 0);
    router.move({xOf(3), 10}, platform::LeftButton, 0);
    processEvents();
    key(0x24); // Home, ignored while selecting
    EXPECT_EQ(toUtf8(field->selectedText()), "one");
    router.release({xOf(3), 10}, platform::LeftButton, 0, 0);
    processEvents();
}

TEST_F(UILineEditTest, ContextMenuEnablesWhatCanTakeEffect)
{
    using Item = UILineEdit::MenuItem;
    struct Case {
        const char* name;
        std::function<void(UILineEdit&)> setUp;
        bool clipboardText;
        std::vector<Item> enabled;
    };
    const Case cases[] = {
        {"empty", {}, false, {}},
        {"text, clipboard", [](UILineEdit& f) { f.setText(u"ab"); }, true, {Item::Undo, Item::Paste, Item::SelectAll}},
        {"selection",
         [](UILineEdit& f) {
             f.setText(u"ab");
             f.selectAll();
         },
         false, {Item::Undo, Item::Cut, Item::Copy, Item::Delete, Item::SelectAll}},
        {"read-only selection",
         [](UILineEdit& f) {
             f.setText(u"ab");
             f.selectAll();
             f.setReadOnly(true);
         },
         true, {Item::Copy, Item::SelectAll}},
        {"password selection",
         [](UILineEdit& f) {
             f.setPasswordMode(true);
             f.setText(u"ab");
             f.undo();
             f.redo();
             f.selectAll();
         },
         false, {Item::Undo, Item::Delete, Item::SelectAll}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        field = std::make_unique<UILineEdit>(window.get());
        platform::headless::resetClipboard();
        if (c.clipboardText)
            setClipboard(u"x");
        if (c.setUp)
            c.setUp(*field);
        field->updateMenu();
        std::vector<Item> enabled;
        for (Item item : {Item::Undo, Item::Redo, Item::Cut, Item::Copy, Item::Paste, Item::Delete, Item::SelectAll})
            if (field->menu().item(int32_t(item)).isEnabled())
                enabled.push_back(item);
        EXPECT_EQ(enabled, c.enabled);
    }
    EXPECT_EQ(field->menu().itemCount(), 9);
}

TEST_F(UILineEditTest, LongTextScrollsToKeepTheCaretInside)
{
    type(u"a long line of text that is much wider than the field itself");
    const auto caretInside = [this] {
        const Rect caret = field->caretRect();
        return caret.x >= 0 && caret.x + caret.width <= field->width();
    };
    EXPECT_GT(field->horizontalScroll(), 0);
    EXPECT_TRUE(caretInside());
    key(0x24); // Home
    EXPECT_EQ(field->horizontalScroll(), 0);
    key(0x23); // End
    EXPECT_TRUE(caretInside());
    field->setText(u"short");
    EXPECT_EQ(field->horizontalScroll(), 0);
}

TEST_F(UILineEditTest, RandomEditingThroughTheWidgetKeepsTheSelectionInsideTheText)
{
    std::mt19937 random(20261207);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::vector<StringView> pieces = {u"a", u" ", u"xy\r\nz", u"\U0001F600", u"12345678", u""};
    const std::vector<uint32_t> keys = {0x08, 0x23, 0x24, 0x25, 0x27, 0x2E};
    for (int step = 0; step < 3000; ++step) {
        const StringView piece = pieces[size_t(pick(int(pieces.size())))];
        const uint32_t modifiers = (pick(2) ? kShift : 0) | (pick(3) == 0 ? kControl : 0);
        const std::vector<std::function<void()>> actions = {
            [&] { field->insert(piece); },
            [&] { type(piece); },
            [&] { key(keys[size_t(pick(int(keys.size())))], modifiers); },
            [&] { control("AZYXCVU"[pick(7)], pick(2) ? kShift : 0); },
            [&] { field->setSelection(pick(40) - 10, pick(40) - 10); },
            [&] { field->setMaxLength(pick(3) == 0 ? 10 : -1); },
            [&] { field->setPasswordMode(pick(2) == 0); },
            [&] { press({pick(240) - 20, 10}, pick(2) ? kShift : 0); },
        };
        actions[size_t(pick(int(actions.size())))]();
        ASSERT_GE(field->selectionStart(), 0) << "step " << step;
        ASSERT_LE(field->selectionEnd(), int32_t(field->text().size())) << "step " << step;
        ASSERT_GE(field->horizontalScroll(), 0) << "step " << step;
    }
}

// The window host hands the input method's result to the focused field and
// puts the composition window at its caret.
TEST(UILineEditInputMethodTest, CompositionFollowsTheCaretAndCommitsItsText)
{
    const auto application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
    platform::headless::resetInputMethod();
    UINativeWindow::install();
    auto window = makeNativeTestWindow(u"UIWindow");
    auto field = std::make_unique<UILineEdit>(window.get());
    field->setGeometry({10, 20, 80, 24});
    field->show();
    field->setFocus();
    auto& host = dynamic_cast<UINativeWindow&>(*window->host());
    const NativeHandle handle = host.handle();
    EXPECT_TRUE(platform::headless::isInputMethodEnabled(handle));

    const auto message = [&](platform::WindowMessageId id, intptr_t lParam) {
        return platform::headless::deliverToTopLevel(host.nativeWindow(), uint32_t(id), 0, lParam);
    };
    field->setText(u"ab");
    message(platform::WindowMessageId::InputMethodStartComposition, 0);
    const Rect caret = field->caretRect();
    EXPECT_EQ(platform::headless::compositionPosition(handle), field->mapToWindow({caret.x, caret.y}));

    platform::headless::setCompositionResult(u"\u65E5\u672C");
    EXPECT_EQ(message(platform::WindowMessageId::InputMethodComposition, platform::kCompositionResultFlag), 0);
    EXPECT_EQ(field->text(), u"ab\u65E5\u672C");

    field->clearFocus();
    EXPECT_FALSE(platform::headless::isInputMethodEnabled(handle));
    field.reset();
    window.reset();
    platform::dispatchPendingMessages();
    UIManager::instance().setWindowHostFactory(nullptr);
}
