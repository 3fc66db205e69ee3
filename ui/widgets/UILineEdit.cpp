#include "ui/widgets/UILineEdit.h"
#include "ui/widgets/FieldSkinFrame.h"
#include "app/Language.h"
#include "app/TranslatedTexts.h"
#include "platform/Caret.h"
#include "platform/InputState.h"
#include "platform/Locale.h"
#include "ui/core/Alignment.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIClipboard.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIMetrics.h"
#include "ui/core/UIMimeData.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/widgets/UIMenu.h"
#include "ui/widgets/UITextInsert.h"
#include "ui/widgets/UITextLook.h"

#include <algorithm>

// Sections: construction and properties; editing operations; the key table;
// mouse, focus and caret; drops and the input method; geometry and painting.

namespace {

constexpr uint32_t kKeyBackspace = 0x08;
constexpr uint32_t kKeyEnter = 0x0D;
constexpr uint32_t kKeyEnd = 0x23;
constexpr uint32_t kKeyHome = 0x24;
constexpr uint32_t kKeyLeft = 0x25;
constexpr uint32_t kKeyRight = 0x27;
constexpr uint32_t kKeyInsert = 0x2D;
constexpr uint32_t kKeyDelete = 0x2E;
constexpr uint32_t kKeyA = 0x41;
constexpr uint32_t kKeyC = 0x43;
constexpr uint32_t kKeyU = 0x55;
constexpr uint32_t kKeyV = 0x56;
constexpr uint32_t kKeyX = 0x58;
constexpr uint32_t kKeyY = 0x59;
constexpr uint32_t kKeyZ = 0x5A;
constexpr uint32_t kKeyApps = 0x5D;

constexpr int32_t kTextBeamCursor = 4;
// The caret keeps this far from the top and the bottom of the text area.
constexpr int32_t kCaretInset = 2;

// Keys that only change what the next key means; pressed alone they do
// nothing and never beep.
bool isModifierOnlyKey(uint32_t key)
{
    switch (key) {
    case 0x10: // Shift
    case 0x11: // Control
    case 0x12: // Alt
    case 0x14: // Caps Lock
    case 0x5B: // left Windows
    case 0x5C: // right Windows
    case 0x90: // Num Lock
    case 0x91: // Scroll Lock
    case 0xA0: // left and right Shift, Control, Alt
    case 0xA1:
    case 0xA2:
    case 0xA3:
    case 0xA4:
    case 0xA5:
        return true;
    default:
        return false;
    }
}

bool isPrintable(StringView text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u' ' && c != u'\x7F'; });
}

// Word characters for a double click: letters and digits, white space, and
// every other character as a class of its own.
int characterClass(char16_t c)
{
    if (c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u3000')
        return 0;
    if (c >= 0x80 || (c >= u'0' && c <= u'9') || ((c | 0x20) >= u'a' && (c | 0x20) <= u'z') || c == u'_')
        return 1;
    return 2;
}

int32_t caretWidthMetric()
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    return std::max(1, style ? style->metric(MetricId::TextCursorWidth) : 0);
}

void beep() { UIManager::instance().failureBeep(); }

} // namespace

// ---------------------------------------------------------------------------
// Construction and properties

UILineEdit::UILineEdit(UIWidget* parent)
    : UIWidget(parent)
    , m_caretBlinkInterval(platform::caretBlinkTime())
    , m_caretWidth(caretWidthMetric())
{
    setFlag(Flag::TrackHover, true);
    setFlag(Flag::ParentBackground, true);
    setFlag(Flag::Control, true);
    setFlag(Flag::DoubleClicks, true);
    setFlag(Flag::InputMethod, true);
    setFocusPolicy(TabFocus | ClickFocus);
    setDropFlags(dropFlags() | kAcceptsDrops);
    setCursor(kTextBeamCursor);
    layout().setPolicy(SizePolicy::Expanding, SizePolicy::Fixed);
    create(u"UILineEdit");
}

UIMenu& UILineEdit::menu()
{
    if (m_menu)
        return *m_menu;
    m_menu = std::make_unique<UIMenu>();
    const auto item = [this](void (UILineEdit::*action)()) {
        return [this, action](UIMenuItem&) { (this->*action)(); };
    };
    m_menu->addItem(String()).setReceiver(item(&UILineEdit::undo));
    m_menu->addItem(String()).setReceiver(item(&UILineEdit::redo));
    m_menu->addSeparator();
    m_menu->addItem(String()).setReceiver(item(&UILineEdit::cut));
    m_menu->addItem(String()).setReceiver(item(&UILineEdit::copy));
    m_menu->addItem(String()).setReceiver(item(&UILineEdit::paste));
    m_menu->addItem(String()).setReceiver(item(&UILineEdit::deleteSelection));
    m_menu->addSeparator();
    m_menu->addItem(String()).setReceiver(item(&UILineEdit::selectAll));
    m_menu->aboutToOpen.connect(this, [this](UIEvent&) { updateMenu(); });
    retranslate();
    setContextMenu(m_menu.get());
    return *m_menu;
}

bool UILineEdit::event(UIEvent& event)
{
    if (event.kind() == UIEventType::ContextMenu)
        menu();
    return UIWidget::event(event);
}

UILineEdit::~UILineEdit()
{
    setContextMenu(nullptr);
    destroyWidget();
}

void UILineEdit::retranslate()
{
    if (!m_menu)
        return;
    const std::pair<MenuItem, String> captions[] = {
        {MenuItem::Undo, translate(Texts::UILineEdit::undo)},
        {MenuItem::Redo, translate(Texts::UILineEdit::redo)},
        {MenuItem::Cut, translate(Texts::UILineEdit::cut)},
        {MenuItem::Copy, translate(Texts::UILineEdit::copy)},
        {MenuItem::Paste, translate(Texts::UILineEdit::paste)},
        {MenuItem::Delete, translate(Texts::UILineEdit::deleteSelection)},
        {MenuItem::SelectAll, translate(Texts::UILineEdit::selectAll)},
    };
    for (const auto& [index, caption] : captions)
        m_menu->item(static_cast<int32_t>(index)).setText(caption);
}

void UILineEdit::setStyleProperty(StringView name, StringView value)
{
    struct ColorKey {
        StringView name;
        UIColorRecord UILineEdit::*member;
    };
    struct BrushKey {
        StringView name;
        UIBrush UILineEdit::*member;
    };
    static constexpr ColorKey kColors[] = {
        {u"foreground", &UILineEdit::m_foreground},
        {u"selectedForeground", &UILineEdit::m_selectedForeground},
        {u"unfocusedSelectedForeground", &UILineEdit::m_unfocusedSelectedForeground},
        {u"disabledForeground", &UILineEdit::m_disabledForeground},
        {u"readonlyForeground", &UILineEdit::m_readonlyForeground},
        {u"blankForeground", &UILineEdit::m_blankForeground},
    };
    static constexpr BrushKey kBrushes[] = {
        {u"background", &UILineEdit::m_background},
        {u"selectedBackground", &UILineEdit::m_selectedBackground},
        {u"unfocusedSelectedBackground", &UILineEdit::m_unfocusedSelectedBackground},
        {u"disabledBackground", &UILineEdit::m_disabledBackground},
        {u"readonlyBackground", &UILineEdit::m_readonlyBackground},
    };
    for (const ColorKey& key : kColors)
        if (name == key.name) {
            this->*key.member = parseColorRecord(value);
            return;
        }
    for (const BrushKey& key : kBrushes)
        if (name == key.name) {
            this->*key.member = parseFill(value);
            return;
        }
    if (name == u"font")
        m_font = parseFont(value);
    else if (name == u"blankFont")
        m_blankFont = parseFont(value);
    else if (name == u"padding")
        m_padding = parseMargins(value);
    else if (name == u"minimumWidth")
        setMinimumSize({parseInteger(value), minimumSize().height});
    else if (name == u"minimumHeight")
        setMinimumSize({minimumSize().width, parseInteger(value)});
    else if (name == u"minimumSize")
        setMinimumSize(parseSize(value));
}

void UILineEdit::setSkin(StringView name, const UISkin& skin)
{
    if (name == u"UILineEdit_Background")
        m_skin = skin;
}

Size UILineEdit::sizeHint() const
{
    const Size minimum = minimumSize();
    const int32_t width = m_font.textSize(m_document.displayText()).width + m_caretWidth;
    return {std::max(width + m_padding.left + m_padding.right, minimum.width),
            std::max(m_font.metrics().lineHeight() + m_padding.top + m_padding.bottom, minimum.height)};
}

void UILineEdit::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    update();
}

void UILineEdit::setBlankText(String text)
{
    m_blankText = std::move(text);
    update();
}

void UILineEdit::setPasswordMode(bool on)
{
    m_document.setPasswordMode(on);
    ensureCaretVisible();
    update();
}

void UILineEdit::setFramed(bool framed)
{
    m_framed = framed;
    update();
}

void UILineEdit::finish(const State& before)
{
    const UIWidgetGuard self(this);
    const bool textChange = m_document.text() != before.text;
    const TextSelection after = m_cursor.selection();
    ensureCaretVisible();
    restartCaret();
    update();
    if (textChange) {
        UINotifyEvent event(m_document.length());
        textChanged.emit(event);
    }
    if (self && after != before.selection) {
        UINotifyEvent event(after.position);
        selectionChanged.emit(event);
    }
    if (self && after.position != before.selection.position) {
        UINotifyEvent event(after.position);
        cursorPositionChanged.emit(event);
    }
}

// ---------------------------------------------------------------------------
// Editing operations

void UILineEdit::setText(StringView text)
{
    const State before = snapshot();
    String kept(text);
    if (m_maxLength > 0 && static_cast<int32_t>(kept.size()) > m_maxLength) {
        size_t length = static_cast<size_t>(m_maxLength);
        // Half a surrogate pair is not a character.
        if ((kept[length - 1] & 0xFC00) == 0xD800)
            --length;
        kept.resize(length);
        beep();
    }
    m_cursor.setText(kept);
    m_scroll = 0;
    finish(before);
}

String UILineEdit::selectedText() const { return m_cursor.selectedText(); }

void UILineEdit::setCursorPosition(int32_t position)
{
    const State before = snapshot();
    moveCaret(position, MoveMode::MoveAnchor);
    finish(before);
}

void UILineEdit::setSelection(int32_t anchor, int32_t position)
{
    const State before = snapshot();
    m_cursor.setSelection({anchor, position});
    m_document.endEditGroup();
    finish(before);
}

void UILineEdit::selectAll()
{
    const State before = snapshot();
    m_cursor.selectAll();
    m_document.endEditGroup();
    finish(before);
}

void UILineEdit::copy()
{
    if (isPasswordMode() || !m_cursor.hasSelection()) {
        beep();
        return;
    }
    setClipboardText(*this, m_cursor.selectedText());
}

void UILineEdit::cut()
{
    if (!isEditable() || isPasswordMode() || !m_cursor.hasSelection()) {
        beep();
        return;
    }
    if (!setClipboardText(*this, m_cursor.selectedText()))
        return;
    deleteSelection();
}

void UILineEdit::paste()
{
    if (!isEditable()) {
        beep();
        return;
    }
    if (!canPasteText()) {
        beep();
        return;
    }
    insertWith(clipboardText(*this), EditKind::Separate);
}

void UILineEdit::deleteSelection()
{
    if (!isEditable() || !m_cursor.hasSelection()) {
        beep();
        return;
    }
    const State before = snapshot();
    m_cursor.deleteSelection();
    finish(before);
}

void UILineEdit::undo()
{
    if (!isEditable() || !m_document.canUndo()) {
        beep();
        return;
    }
    const State before = snapshot();
    m_cursor.undo();
    finish(before);
}

void UILineEdit::redo()
{
    if (!isEditable() || !m_document.canRedo()) {
        beep();
        return;
    }
    const State before = snapshot();
    m_cursor.redo();
    finish(before);
}

void UILineEdit::insert(StringView text) { insertWith(text, EditKind::Separate); }

void UILineEdit::insertWith(StringView text, EditKind kind)
{
    const State before = snapshot();
    InsertRules rules;
    rules.readOnly = !isEditable();
    rules.maxLength = m_maxLength;
    rules.validator = m_validator.get();
    rules.kind = kind;
    const InsertResult result = insertText(m_cursor, text, rules);
    if (needsBeep(result))
        beep();
    finish(before);
}

void UILineEdit::typeText(StringView text) { insertWith(text, EditKind::Typing); }

void UILineEdit::moveCaret(int32_t position, MoveMode mode)
{
    m_cursor.setPosition(position, mode);
    m_document.endEditGroup();
}

void UILineEdit::changeCase(bool upper)
{
    if (!isEditable() || isPasswordMode() || !m_cursor.hasSelection()) {
        beep();
        return;
    }
    const State before = snapshot();
    const String selected = m_cursor.selectedText();
    const String changed = upper ? platform::toUpper(selected) : platform::toLower(selected);
    if (changed != selected)
        m_cursor.replaceSelection(changed, EditKind::Separate, AfterReplace::SelectText);
    finish(before);
}

void UILineEdit::updateMenu()
{
    const bool editable = isEditable();
    const bool selection = m_cursor.hasSelection();
    const bool password = isPasswordMode();
    const std::pair<MenuItem, bool> states[] = {
        {MenuItem::Undo, editable && m_document.canUndo()},  {MenuItem::Redo, editable && m_document.canRedo()},
        {MenuItem::Cut, editable && selection && !password}, {MenuItem::Copy, selection && !password},
        {MenuItem::Paste, editable && canPasteText()},       {MenuItem::Delete, editable && selection},
        {MenuItem::SelectAll, !m_document.text().empty()},
    };
    for (const auto& [index, enabled] : states)
        menu().item(static_cast<int32_t>(index)).setEnabled(enabled);
}

void UILineEdit::openMenuAtCaret()
{
    const Rect caret = caretRect();
    menu().popup(mapToScreen({caret.x, caret.y + caret.height}));
}

// ---------------------------------------------------------------------------
// The key table

void UILineEdit::keyPressEvent(UIKeyEvent& event)
{
    event.accept();
    if (m_mouseSelecting)
        return;
    const uint32_t key = event.key();
    const uint32_t modifiers = event.modifiers();
    const bool control = (modifiers & platform::ControlModifier) != 0;
    const bool alt = (modifiers & platform::AltModifier) != 0;
    const bool shift = (modifiers & platform::ShiftModifier) != 0;
    if (isModifierOnlyKey(key))
        return;
    // Control and Alt together are AltGr: its characters are typed, not
    // looked up as shortcuts.
    const bool altGr = control && alt;
    if (!(altGr && isPrintable(event.text())) && handleKey(key, control && !alt, shift))
        return;
    if (isPrintable(event.text()) && (!control || altGr)) {
        if (!isEditable()) {
            beep();
            return;
        }
        typeText(event.text());
        return;
    }
    beep();
}

bool UILineEdit::handleKey(uint32_t key, bool control, bool shift)
{
    const State before = snapshot();
    const MoveMode mode = shift ? MoveMode::KeepAnchor : MoveMode::MoveAnchor;
    switch (key) {
    case kKeyBackspace:
        if (!isEditable()) {
            beep();
            return true;
        }
        m_cursor.deletePrevious();
        break;
    case kKeyEnter: {
        UINotifyEvent notify;
        returnPressed.emit(notify);
        return true;
    }
    case kKeyEnd:
        moveCaret(m_document.length(), mode);
        break;
    case kKeyHome:
        moveCaret(0, mode);
        break;
    case kKeyLeft:
    case kKeyRight: {
        const int direction = key == kKeyLeft ? -1 : 1;
        if (control)
            m_cursor.moveWord(direction, mode);
        else
            m_cursor.moveCharacter(direction, mode);
        m_document.endEditGroup();
        break;
    }
    case kKeyInsert:
        if (shift)
            paste();
        else if (control)
            copy();
        else
            beep();
        return true;
    case kKeyDelete:
        if (shift) {
            cut();
            return true;
        }
        if (!isEditable()) {
            beep();
            return true;
        }
        m_cursor.deleteNext();
        break;
    case kKeyApps:
        updateMenu();
        openMenuAtCaret();
        return true;
    default:
        if (!control)
            return false;
        switch (key) {
        case kKeyA:
            selectAll();
            return true;
        case kKeyC:
            copy();
            return true;
        case kKeyU:
            changeCase(shift);
            return true;
        case kKeyV:
            paste();
            return true;
        case kKeyX:
            cut();
            return true;
        case kKeyY:
            redo();
            return true;
        case kKeyZ:
            undo();
            return true;
        default:
            return false;
        }
    }
    finish(before);
    return true;
}

// ---------------------------------------------------------------------------
// Mouse, focus and caret

void UILineEdit::mousePressEvent(UIMouseEvent& event)
{
    if (event.button() != platform::LeftButton)
        return;
    const State before = snapshot();
    const bool extend = (event.modifiers() & platform::ShiftModifier) != 0;
    moveCaret(positionAt(event.position()), extend ? MoveMode::KeepAnchor : MoveMode::MoveAnchor);
    m_mouseSelecting = true;
    finish(before);
}

void UILineEdit::mouseMoveEvent(UIMouseEvent& event)
{
    if (!m_mouseSelecting || !(event.buttons() & platform::LeftButton))
        return;
    const State before = snapshot();
    m_cursor.setPosition(positionAt(event.position()), MoveMode::KeepAnchor);
    finish(before);
}

void UILineEdit::mouseReleaseEvent(UIMouseEvent& event)
{
    if (event.button() == platform::LeftButton)
        m_mouseSelecting = false;
}

void UILineEdit::mouseDoubleClickEvent(UIMouseEvent& event)
{
    if (event.button() != platform::LeftButton)
        return;
    const State before = snapshot();
    selectWordAt(event.position());
    finish(before);
}

void UILineEdit::selectWordAt(Point point)
{
    m_document.endEditGroup();
    const String& text = m_document.text();
    const int32_t length = m_document.length();
    if (length == 0)
        return;
    // In password mode the masked text is one word.
    if (isPasswordMode()) {
        m_cursor.selectAll();
        return;
    }
    // The character under the point: the one left of the nearest boundary
    // when the point lies left of that boundary.
    int32_t index = positionAt(point);
    const int32_t x = point.x - textRect().x + m_scroll;
    if (index > 0 && (index == length || x < textWidth(index)))
        --index;
    const int kind = characterClass(text[static_cast<size_t>(index)]);
    int32_t start = index;
    int32_t end = index + 1;
    while (start > 0 && characterClass(text[static_cast<size_t>(start - 1)]) == kind)
        --start;
    while (end < length && characterClass(text[static_cast<size_t>(end)]) == kind)
        ++end;
    m_cursor.setSelection({start, end});
}

void UILineEdit::timerEvent(UITimerEvent& event)
{
    if (event.id() != kCaretTimer)
        return;
    event.accept();
    if (!isVisible() || !isEnabled())
        return;
    m_caretShown = !m_caretShown;
    update();
}

void UILineEdit::restartCaret()
{
    if (!hasFocus())
        return;
    m_caretShown = true;
    if (m_caretBlinkInterval)
        startTimer(kCaretTimer, *m_caretBlinkInterval);
}

void UILineEdit::focusInEvent(UIEvent&)
{
    restartCaret();
    update();
}

void UILineEdit::focusOutEvent(UIEvent&)
{
    killTimer(kCaretTimer);
    m_caretShown = false;
    m_mouseSelecting = false;
    m_document.endEditGroup();
    update();
}

void UILineEdit::enterEvent(UIMouseEvent&) { update(); }

void UILineEdit::leaveEvent(UIMouseEvent&) { update(); }

void UILineEdit::changeEvent(UIEvent&) { update(); }

void UILineEdit::resizeEvent(UIResizeEvent&) { ensureCaretVisible(); }

// ---------------------------------------------------------------------------
// Drops and the input method

bool UILineEdit::acceptsDrag(const UIDragEvent& event) const
{
    return isEditable() && !m_validator && event.mimeData() && event.mimeData()->hasText();
}

void UILineEdit::dragEnterEvent(UIDragEvent& event)
{
    m_dragOverMovesCaret = acceptsDrag(event);
    dragMoveEvent(event);
}

void UILineEdit::dragMoveEvent(UIDragEvent& event)
{
    if (!m_dragOverMovesCaret || !acceptsDrag(event)) {
        event.ignore();
        return;
    }
    event.accept();
    const State before = snapshot();
    moveCaret(positionAt(event.position()), MoveMode::MoveAnchor);
    finish(before);
}

void UILineEdit::dropEvent(UIDragEvent& event)
{
    m_dragOverMovesCaret = false;
    if (!acceptsDrag(event)) {
        event.ignore();
        return;
    }
    event.accept();
    moveCaret(positionAt(event.position()), MoveMode::MoveAnchor);
    insertWith(event.mimeData()->text(), EditKind::Separate);
}

Rect UILineEdit::inputMethodCaretRect() const { return caretRect(); }

void UILineEdit::inputMethodCommit(StringView text)
{
    if (!isEditable()) {
        beep();
        return;
    }
    typeText(text);
}

// ---------------------------------------------------------------------------
// Geometry and painting

Rect UILineEdit::textRect() const
{
    return {m_padding.left, m_padding.top, std::max(0, width() - m_padding.left - m_padding.right),
            std::max(0, height() - m_padding.top - m_padding.bottom)};
}

int32_t UILineEdit::textWidth(int32_t length) const
{
    if (length <= 0)
        return 0;
    const String shown = m_document.displayText();
    return m_font.textSize(StringView(shown).substr(0, static_cast<size_t>(length))).width;
}

int32_t UILineEdit::positionAt(Point point) const
{
    const int32_t x = point.x - textRect().x + m_scroll;
    const int32_t length = m_document.length();
    int32_t previous = 0;
    for (int32_t i = 1; i <= length; ++i) {
        const int32_t right = textWidth(i);
        if (x < (previous + right) / 2) {
            // A surrogate pair's halves are one character: never between.
            const char16_t c = m_document.text()[static_cast<size_t>(i - 1)];
            return (c & 0xFC00) == 0xDC00 ? i - 2 : i - 1;
        }
        previous = right;
    }
    return length;
}

Rect UILineEdit::caretRect() const
{
    const Rect area = textRect();
    const int32_t lineHeight = m_font.metrics().lineHeight();
    const int32_t top = area.y + std::max(0, (area.height - lineHeight) / 2);
    return {area.x + textWidth(m_cursor.position()) - m_scroll, top, m_caretWidth, std::min(lineHeight, area.height)};
}

void UILineEdit::ensureCaretVisible()
{
    // The caret's own width stays inside the text area, at either end.
    const int32_t visible = std::max(0, textRect().width - m_caretWidth);
    const int32_t caret = textWidth(m_cursor.position());
    const int32_t total = textWidth(m_document.length());
    if (caret - m_scroll > visible)
        m_scroll = caret - visible;
    if (caret < m_scroll)
        m_scroll = caret;
    // No empty space right of the text while some of it is scrolled out.
    if (total - m_scroll < visible)
        m_scroll = std::max(0, total - visible);
}

void UILineEdit::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    const UIBrush& fill = !isEnabled() ? m_disabledBackground : m_readOnly ? m_readonlyBackground : m_background;
    canvas.fillRect(rect(), fill);
    if (m_framed)
        drawSkin(canvas, m_skin, fieldSkinFrame(*this, m_skin), rect());
    const Rect area = textRect();
    canvas.setClipRect(area);
    paintText(canvas, area);
    if (m_caretShown && hasFocus())
        canvas.fillRect(caretRect(), m_foreground.color);
}

void UILineEdit::paintText(UICanvas& canvas, const Rect& area) const
{
    constexpr uint32_t kAlignment = Alignment::Left | Alignment::VCenter;
    if (m_document.text().empty()) {
        if (!m_blankText.empty() && isEditable() && !hasFocus()) {
            canvas.setFont(m_blankFont);
            drawShadowedText(canvas, area, m_blankText, kAlignment, m_blankForeground.color, kTransparentColor, {});
        }
        return;
    }
    const uint32_t color = !isEnabled() ? m_disabledForeground.color
        : m_readOnly                    ? m_readonlyForeground.color
                                        : m_foreground.color;
    const String shown = m_document.displayText();
    const Rect line{area.x - m_scroll, area.y, textWidth(m_document.length()) + m_caretWidth, area.height};
    canvas.setFont(m_font);
    drawShadowedText(canvas, line, shown, kAlignment, color, kTransparentColor, {});
    if (!m_cursor.hasSelection())
        return;
    const int32_t start = m_cursor.selectionStart();
    const int32_t end = m_cursor.selectionEnd();
    const int32_t left = line.x + textWidth(start);
    const Rect selection{left, area.y, line.x + textWidth(end) - left, area.height};
    const bool focused = hasFocus();
    canvas.fillRect(selection, focused ? m_selectedBackground : m_unfocusedSelectedBackground);
    const StringView selected = StringView(shown).substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
    drawShadowedText(canvas, {left, area.y, selection.width + m_caretWidth, area.height}, selected, kAlignment,
                     focused ? m_selectedForeground.color : m_unfocusedSelectedForeground.color, kTransparentColor, {});
}
