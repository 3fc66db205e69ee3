#include "platform/Clipboard.h"
#include "platform/ClipboardBlocks.h"

#include <windows.h>

#include "platform/win32/GlobalMemory.h"
#include "platform/win32/Wide.h"

namespace platform {

struct Clipboard::State {};

Clipboard::Clipboard(std::unique_ptr<State> state) : m_state(std::move(state)) {}

std::unique_ptr<Clipboard> Clipboard::tryOpen(NativeHandle owner)
{
    if (!OpenClipboard(static_cast<HWND>(owner)))
        return nullptr;
    return std::unique_ptr<Clipboard>(new Clipboard(std::make_unique<State>()));
}

Clipboard::~Clipboard() { CloseClipboard(); }

bool Clipboard::setText(StringView text)
{
    // The block is ready before the content is emptied, so a failed
    // allocation leaves the content as it was.
    win32::GlobalMemory block = win32::globalBlock(textBlock(text));
    if (!block || !EmptyClipboard())
        return false;
    if (!SetClipboardData(CF_UNICODETEXT, block.get()))
        return false;
    // The system owns the block now.
    block.release();
    return true;
}

std::optional<String> Clipboard::text() const
{
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        return std::nullopt;
    const std::optional<Bytes> bytes = win32::globalBytes(data, kMaxBlockBytes);
    return bytes ? textFromBlock(*bytes) : std::nullopt;
}

bool Clipboard::hasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != 0; }

uint32_t Clipboard::privateFormat()
{
    static const uint32_t format = RegisterClipboardFormatW(win32::wide(String(kPrivateClipboardFormatName)));
    return format;
}

} // namespace platform
