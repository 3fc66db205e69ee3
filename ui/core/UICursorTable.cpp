#include "ui/core/UICursorTable.h"
#include "platform/InputState.h"

NativeHandle UICursorTable::cursorFor(int32_t id)
{
    using platform::SystemCursor;
    SystemCursor shape = SystemCursor::Arrow;
    switch (id) {
    case UICursor::Cross: shape = SystemCursor::Cross; break;
    case UICursor::Wait: shape = SystemCursor::Wait; break;
    case UICursor::TextBeam: shape = SystemCursor::TextBeam; break;
    case UICursor::SizeAll: shape = SystemCursor::SizeAll; break;
    case UICursor::SizeHorizontal: shape = SystemCursor::SizeHorizontal; break;
    case UICursor::SizeVertical: shape = SystemCursor::SizeVertical; break;
    case UICursor::SizeDiagonalDown: shape = SystemCursor::SizeDiagonalDown; break;
    case UICursor::SizeDiagonalUp: shape = SystemCursor::SizeDiagonalUp; break;
    default:
        if (id >= UICursor::FirstHand && id <= UICursor::LastHand)
            shape = SystemCursor::Hand;
        break;
    }
    return platform::systemCursor(shape);
}

void UICursorTable::apply(int32_t id) { platform::setCursor(cursorFor(id)); }
