#include "ui/core/UIClipboard.h"
#include "app/EventDispatcher.h"
#include "platform/Clipboard.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWidget.h"

namespace {

NativeHandle ownerWindow(NativeHandle window)
{
    if (window)
        return window;
    const EventDispatcher* dispatcher = EventDispatcher::instance();
    return dispatcher ? dispatcher->windowHandle() : nullptr;
}

NativeHandle windowOf(const UIWidget& widget)
{
    const UIWidget* top = widget.window();
    const auto* host = top ? dynamic_cast<const UINativeWindow*>(top->host()) : nullptr;
    return host ? host->handle() : nullptr;
}

} // namespace

bool setClipboardText(NativeHandle window, StringView text)
{
    if (!text.empty()) {
        const std::unique_ptr<platform::Clipboard> clipboard = platform::Clipboard::open(ownerWindow(window));
        if (clipboard && clipboard->setText(text))
            return true;
    }
    UIManager::instance().failureBeep();
    return false;
}

bool setClipboardText(const UIWidget& widget, StringView text) { return setClipboardText(windowOf(widget), text); }

String clipboardText(NativeHandle window)
{
    String text;
    if (platform::Clipboard::hasText())
        if (const std::unique_ptr<platform::Clipboard> clipboard = platform::Clipboard::open(ownerWindow(window)))
            text = clipboard->text().value_or(String());
    if (text.empty())
        UIManager::instance().failureBeep();
    return text;
}

String clipboardText(const UIWidget& widget) { return clipboardText(windowOf(widget)); }

bool canPasteText() { return platform::Clipboard::hasText(); }
