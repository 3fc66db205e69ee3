#include "platform/InputMethod.h"

#include <windows.h>

#include <imm.h>

namespace platform {

namespace {

// The window's input context, released with this object.
class InputContext {
public:
    explicit InputContext(HWND window) : m_window(window), m_context(window ? ImmGetContext(window) : nullptr) {}
    ~InputContext()
    {
        if (m_context)
            ImmReleaseContext(m_window, m_context);
    }
    InputContext(const InputContext&) = delete;
    InputContext& operator=(const InputContext&) = delete;
    HIMC get() const { return m_context; }

private:
    HWND m_window;
    HIMC m_context;
};

} // namespace

void setInputMethodEnabled(NativeHandle window, bool enabled)
{
    if (window)
        ImmAssociateContextEx(static_cast<HWND>(window), nullptr, enabled ? IACE_DEFAULT : 0);
}

void setCompositionPosition(NativeHandle window, Point clientPosition)
{
    const InputContext context(static_cast<HWND>(window));
    if (!context.get())
        return;
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = {clientPosition.x, clientPosition.y};
    ImmSetCompositionWindow(context.get(), &form);
}

std::optional<String> compositionResult(NativeHandle window)
{
    const InputContext context(static_cast<HWND>(window));
    if (!context.get())
        return std::nullopt;
    const LONG bytes = ImmGetCompositionStringW(context.get(), GCS_RESULTSTR, nullptr, 0);
    if (bytes <= 0)
        return std::nullopt;
    String text(size_t(bytes) / sizeof(char16_t), u'\0');
    if (ImmGetCompositionStringW(context.get(), GCS_RESULTSTR, text.data(), DWORD(bytes)) != bytes)
        return std::nullopt;
    return text;
}

} // namespace platform
