#pragma once
// UILineEdit: the toolkit's single-line text field.
//
// The text, its undo history and the password mode live in the text
// document; the selection in the cursor; every insertion, whether typed,
// pasted or dropped, passes the checks of insertText (line breaks and
// control characters removed, read-only, maximum length, validator) and a
// refused or shortened one sounds the failure beep. Keys are looked up in the
// key table before their character is typed, so Control+A selects all
// instead of inserting U+0001.
//
// Look: the style section "UILineEdit" (font and colours for the normal,
// selected, unfocused-selected, disabled and read-only looks, the blank
// text's font and colour, "padding", "minimumWidth", "minimumHeight") and
// the skin "UILineEdit_Background", four frames: normal, hovered, focused,
// disabled.
//
// Ownership: the field owns its document, cursor, validator and context
// menu.

#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIFont.h"
#include "ui/core/UIInputMethodClient.h"
#include "ui/core/UISignal.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UITextCursor.h"
#include "ui/widgets/UITextDocument.h"
#include "ui/widgets/UIValidator.h"

#include <cstdint>
#include <memory>
#include <optional>

class UICanvas;
class UIMenu;

class UILineEdit : public UIWidget, public UIInputMethodClient {
public:
    static constexpr uint32_t kCaretTimer = 100023;
    // The context menu's items, by index in the menu.
    enum class MenuItem : int32_t {
        Undo = 0,
        Redo = 1,
        Cut = 3,
        Copy = 4,
        Paste = 5,
        Delete = 6,
        SelectAll = 8,
    };

    explicit UILineEdit(UIWidget* parent = nullptr);
    ~UILineEdit() override;

    // Notifications. Each passes a UINotifyEvent: textChanged the new
    // length, selectionChanged and cursorPositionChanged the caret position.
    UISignal textChanged;
    UISignal returnPressed;
    UISignal selectionChanged;
    UISignal cursorPositionChanged;

    const String& text() const { return m_document.text(); }
    // Replaces the text as one undo step and puts the caret at its end. A
    // text longer than a positive maximum length is cut to it, with the
    // failure beep. Line breaks and control characters are not removed:
    // the owner decides what it sets.
    void setText(StringView text);
    String selectedText() const;
    bool hasSelection() const { return m_cursor.hasSelection(); }
    int32_t cursorPosition() const { return m_cursor.position(); }
    int32_t selectionStart() const { return m_cursor.selectionStart(); }
    int32_t selectionEnd() const { return m_cursor.selectionEnd(); }
    void setCursorPosition(int32_t position);
    void setSelection(int32_t anchor, int32_t position);

    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    // -1 (or anything below 1): unlimited. The text already there is kept.
    int32_t maxLength() const { return m_maxLength; }
    void setMaxLength(int32_t length) { m_maxLength = length; }
    const UIValidator* validator() const { return m_validator.get(); }
    // Destroys the previous validator; null removes it.
    void setValidator(std::unique_ptr<UIValidator> validator) { m_validator = std::move(validator); }
    const String& blankText() const { return m_blankText; }
    void setBlankText(String text);
    bool isPasswordMode() const { return m_document.isPasswordMode(); }
    void setPasswordMode(bool on);
    bool isFramed() const { return m_framed; }
    void setFramed(bool framed);

    // Editing operations; a refused one changes nothing and beeps.
    void selectAll();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void undo();
    void redo();
    // Puts the text in at the caret, replacing the selection.
    void insert(StringView text);

    bool canUndo() const { return m_document.canUndo(); }
    bool canRedo() const { return m_document.canRedo(); }
    bool isCaretShown() const { return m_caretShown; }
    // How far the text is scrolled to the left, in pixels.
    int32_t horizontalScroll() const { return m_scroll; }
    // The caret's rectangle in widget coordinates.
    Rect caretRect() const;
    // The caret position nearest to a point (widget coordinates).
    int32_t positionAt(Point point) const;
    // The context menu, made on first use: a field that never shows it
    // costs no popup window.
    UIMenu& menu();
    // Enables the context menu's items for the field's state now.
    void updateMenu();

    void retranslate() override;
    Size sizeHint() const override;
    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;

    // Input method: the composition window goes at the caret; the result
    // is inserted as if typed.
    Rect inputMethodCaretRect() const override;
    void inputMethodCommit(StringView text) override;

    bool event(UIEvent& event) override;

protected:
    void paintEvent(UIPaintEvent& event) override;
    void resizeEvent(UIResizeEvent& event) override;
    void keyPressEvent(UIKeyEvent& event) override;
    void mousePressEvent(UIMouseEvent& event) override;
    void mouseReleaseEvent(UIMouseEvent& event) override;
    void mouseMoveEvent(UIMouseEvent& event) override;
    void mouseDoubleClickEvent(UIMouseEvent& event) override;
    void timerEvent(UITimerEvent& event) override;
    void focusInEvent(UIEvent& event) override;
    void focusOutEvent(UIEvent& event) override;
    void enterEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;
    void changeEvent(UIEvent& event) override;
    void dragEnterEvent(UIDragEvent& event) override;
    void dragMoveEvent(UIDragEvent& event) override;
    void dropEvent(UIDragEvent& event) override;

private:
    struct State {
        String text;
        TextSelection selection;
    };
    // Every change goes between a snapshot and `finish`, which sends the
    // notifications for what changed, keeps the caret in view and repaints.
    State snapshot() const { return {m_document.text(), m_cursor.selection()}; }
    void finish(const State& before);
    bool isEditable() const { return isEnabled() && !m_readOnly; }
    bool handleKey(uint32_t key, bool control, bool shift);
    void typeText(StringView text);
    void insertWith(StringView text, EditKind kind);
    void moveCaret(int32_t position, MoveMode mode);
    void changeCase(bool upper);
    void openMenuAtCaret();
    bool acceptsDrag(const UIDragEvent& event) const;
    void selectWordAt(Point point);
    void restartCaret();
    void ensureCaretVisible();
    Rect textRect() const;
    int32_t textWidth(int32_t length) const;
    void paintText(UICanvas& canvas, const Rect& area) const;

    UITextDocument m_document;
    UITextCursor m_cursor{m_document};
    std::unique_ptr<UIValidator> m_validator;
    std::unique_ptr<UIMenu> m_menu;
    int32_t m_maxLength = -1;
    bool m_framed = true;
    bool m_readOnly = false;
    // Set while the left button drags a selection; keys wait meanwhile.
    bool m_mouseSelecting = false;
    bool m_caretShown = false;
    bool m_dragOverMovesCaret = false;
    String m_blankText;
    int32_t m_scroll = 0;

    UIFont m_font = UIFont::defaultFont();
    UIFont m_blankFont = UIFont::defaultFont();
    UIColorRecord m_foreground{0, 0xFF000000u, 1.0f};
    UIColorRecord m_selectedForeground{0, 0xFFFFFFFFu, 1.0f};
    UIColorRecord m_unfocusedSelectedForeground{0, 0xFF000000u, 1.0f};
    UIColorRecord m_disabledForeground{0, 0xFF808080u, 1.0f};
    UIColorRecord m_readonlyForeground{0, 0xFF000000u, 1.0f};
    UIColorRecord m_blankForeground{0, 0xFF808080u, 1.0f};
    UIBrush m_background = UIBrush::solid(kTransparentColor);
    UIBrush m_selectedBackground = UIBrush::solid(0xFF3399FFu);
    UIBrush m_unfocusedSelectedBackground = UIBrush::solid(kTransparentColor);
    UIBrush m_disabledBackground = UIBrush::solid(kTransparentColor);
    UIBrush m_readonlyBackground = UIBrush::solid(kTransparentColor);
    Margins m_padding;
    UISkin m_skin;
    std::optional<uint32_t> m_caretBlinkInterval;
    int32_t m_caretWidth = 1;
};
