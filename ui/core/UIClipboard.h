#pragma once
// Text to and from the system clipboard, for the toolkit's widgets and the
// application's windows.
//
// The clipboard is opened for an owner window: the given native window, or
// for a widget the native window of its top-level window. Without one (a
// window that has no native window yet) the event service's hidden window
// stands in, since the system refuses data from a clipboard opened without
// an owner. Every failure only sounds the failure beep (UIManager).

#include "platform/NativeHandle.h"
#include "platform/Text.h"

class UIWidget;

// Replaces the clipboard's content by the text. An empty text, or a
// clipboard that stays held by another program, leaves the content
// unchanged and beeps; returns whether the text is there now.
bool setClipboardText(NativeHandle window, StringView text);
bool setClipboardText(const UIWidget& widget, StringView text);
// The clipboard's Unicode text; empty (with the beep) when there is none.
String clipboardText(NativeHandle window);
String clipboardText(const UIWidget& widget);
// Whether Unicode text is on the clipboard.
bool canPasteText();
