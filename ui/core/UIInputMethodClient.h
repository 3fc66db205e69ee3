#pragma once
// What a widget that takes input-method text offers its window host: where
// its caret is, so the composition window can follow it, and a place for
// the finished text. A widget sets the InputMethod flag and implements this;
// the host looks for it on the focus widget.

#include "platform/Geometry.h"
#include "platform/Text.h"

class UIInputMethodClient {
public:
    virtual ~UIInputMethodClient() = default;
    // The caret's rectangle in the widget's own coordinates.
    virtual Rect inputMethodCaretRect() const = 0;
    // The text the input method composed, to be inserted as if typed.
    virtual void inputMethodCommit(StringView text) = 0;
};
