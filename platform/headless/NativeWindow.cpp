// Top-level windows of the headless build: entries in the same registry as
// the hidden windows, with a window manager small enough to reason about.
//
// What Windows does synchronously, this does too: moving, sizing, showing
// and focus changes send their messages to the client before returning, so
// host code sees the same sequences natively and under Wine. The default
// processing knows the few system behaviours the toolkit leaves to the
// system: the window-menu commands and Alt+F4. Presented pixels are kept
// per window, so tests can read back what the toolkit put on the screen.
#include "platform/NativeWindow.h"
#include "platform/headless/HeadlessWindows.h"
#include "platform/HandleCounts.h"
#include "platform/InputState.h"
#include "platform/Monitors.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// Frame thicknesses of the headless window manager: a caption bar of 19
// pixels over a 3-pixel border, a sizing border of 4.
constexpr int32_t kBorder = 3;
constexpr int32_t kSizingBorder = 4;
constexpr int32_t kCaptionHeight = 19;
constexpr int kMaximumTitleLength = 2047;
constexpr uintptr_t kVirtualKeyF4 = 0x73;
constexpr intptr_t kAltContextBit = intptr_t(1) << 29;

struct Desktop {
    NativeHandle focus = nullptr;
    NativeHandle active = nullptr;
    NativeHandle capture = nullptr;
    std::vector<String> registeredClasses;
};

Desktop& desktop()
{
    static Desktop state;
    return state;
}

// A handle that is no window of the registry stands for the desktop.
NativeHandle desktopHandle()
{
    static char desktopWindow;
    return &desktopWindow;
}

intptr_t send(NativeHandle window, WindowMessageId id, uintptr_t wParam = 0, intptr_t lParam = 0)
{
    return sendMessage(window, messageNumber(id), wParam, lParam);
}

} // namespace

struct NativeWindow::State {
    String className;
    bool classRegistered = false;
    NativeHandle handle = nullptr;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    bool dropShadow = false;
    NativeHandle owner = nullptr;
    Rect outer;
    Rect restored; // outer rectangle to go back to from minimized or maximized
    bool minimized = false;
    bool maximized = false;
    String title;
    NativeIcon smallIcon;
    NativeIcon bigIcon;
    bool paintPending = false;
    Size presentedSize;
    std::vector<uint32_t> presented;

    bool visible() const { return (style & WindowStyleVisible) != 0; }
    Margins frame() const
    {
        const bool caption = (style & WindowStyleCaption) == WindowStyleCaption;
        const int32_t border = (style & WindowStyleThickFrame) ? kSizingBorder : caption ? kBorder : 0;
        return {border, border + (caption ? kCaptionHeight : 0), border, border};
    }
    Size client() const
    {
        const Margins m = frame();
        return {std::max(0, outer.width - m.left - m.right), std::max(0, outer.height - m.top - m.bottom)};
    }
};

struct NativeWindow::Procedure {
    static void reposition(NativeWindow& window, const Rect& outer, uint32_t change)
    {
        window.m_state->outer = outer;
        WindowMessage record;
        record.message = messageNumber(WindowMessageId::WindowPositionChanged);
        record.rect = outer;
        record.positionChange = change;
        window.deliver(record);
    }
    static NativeWindow::State& state(NativeWindow& window) { return *window.m_state; }
};

namespace {

void changeFocus(NativeHandle target)
{
    Desktop& d = desktop();
    if (d.focus == target)
        return;
    const NativeHandle previous = d.focus;
    d.focus = target;
    if (previous)
        send(previous, WindowMessageId::KillFocus, uintptr_t(target));
    if (target && d.focus == target)
        send(target, WindowMessageId::SetFocus, uintptr_t(previous));
}

// Default processing of the messages the toolkit leaves to the system.
intptr_t defaultProcessing(NativeWindow& window, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    switch (static_cast<WindowMessageId>(message)) {
    case WindowMessageId::SystemCommand:
        switch (static_cast<SystemCommand>(wParam & 0xFFF0)) {
        case SystemCommand::Minimize:
            window.show(ShowCommand::Minimized);
            break;
        case SystemCommand::Maximize:
            window.show(ShowCommand::Maximized);
            break;
        case SystemCommand::Restore:
            window.show(ShowCommand::Restore);
            break;
        case SystemCommand::Close:
            send(window.handle(), WindowMessageId::Close);
            break;
        default:
            break;
        }
        return 0;
    case WindowMessageId::SystemKeyDown:
        if (wParam == kVirtualKeyF4 && (lParam & kAltContextBit))
            postMessage(window.handle(), messageNumber(WindowMessageId::SystemCommand), uintptr_t(SystemCommand::Close),
                        0);
        return 0;
    case WindowMessageId::Close:
        window.destroy();
        return 0;
    case WindowMessageId::NonClientHitTest:
        return 1; // the client area
    default:
        return 0;
    }
}

} // namespace

namespace headless {

intptr_t deliverToTopLevel(NativeWindow& window, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    WindowMessage record;
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;
    if (record.id() == WindowMessageId::Paint) {
        // Painting validates the whole window, as BeginPaint does.
        auto& state = NativeWindow::Procedure::state(window);
        state.paintPending = false;
        const Size client = state.client();
        record.rect = {0, 0, client.width, client.height};
        window.deliver(record);
        return 0;
    }
    if (const auto answer = window.deliver(record))
        return *answer;
    return defaultProcessing(window, message, wParam, lParam);
}

void translateKeyMessage(const Message& message)
{
    const auto id = static_cast<WindowMessageId>(message.message);
    if (id != WindowMessageId::KeyDown && id != WindowMessageId::SystemKeyDown)
        return;
    const uintptr_t key = message.wParam;
    char16_t character = 0;
    if (key >= 'A' && key <= 'Z')
        character = char16_t(isKeyDown(VirtualKey::Shift) ? key : key - 'A' + 'a');
    else if ((key >= '0' && key <= '9') || key == ' ' || key == '\r' || key == '\b' || key == 0x1B)
        character = char16_t(key);
    if (!character)
        return;
    const auto characterMessage =
        id == WindowMessageId::KeyDown ? WindowMessageId::Character : WindowMessageId::SystemCharacter;
    postMessage(message.window, messageNumber(characterMessage), character, message.lParam);
}

} // namespace headless

NativeWindow::NativeWindow(NativeWindowClient& client) : m_client(client), m_state(std::make_unique<State>()) {}

NativeWindow::~NativeWindow() { destroy(); }

bool NativeWindow::create(const NativeWindowOptions& options)
{
    State& state = *m_state;
    Desktop& d = desktop();
    if (state.handle
        || std::find(d.registeredClasses.begin(), d.registeredClasses.end(), options.className)
            != d.registeredClasses.end())
        return false;
    state.className = options.className;
    d.registeredClasses.push_back(state.className);
    state.classRegistered = true;
    countHandleCreated(HandleKind::WindowClass);

    auto& system = headless::windowSystem();
    state.handle = reinterpret_cast<NativeHandle>(system.nextHandle++);
    state.style = options.style & ~uint32_t(WindowStyleVisible);
    state.exStyle = options.exStyle;
    state.dropShadow = options.dropShadow;
    state.owner = options.owner;
    state.outer = {};
    system.windows.push_back({nullptr, state.handle, state.className, this});
    countHandleCreated(HandleKind::Window);
    return true;
}

void NativeWindow::destroy()
{
    State& state = *m_state;
    Desktop& d = desktop();
    if (state.handle) {
        const NativeHandle handle = state.handle;
        if (d.focus == handle)
            changeFocus(nullptr);
        if (d.capture == handle)
            d.capture = nullptr;
        if (d.active == handle)
            d.active = nullptr;
        auto& system = headless::windowSystem();
        std::erase_if(system.windows, [handle](const headless::WindowEntry& entry) { return entry.handle == handle; });
        std::erase_if(system.queue, [handle](const Message& message) { return message.window == handle; });
        state.handle = nullptr;
        countHandleDestroyed(HandleKind::Window);
    }
    state.smallIcon.reset();
    state.bigIcon.reset();
    if (state.classRegistered) {
        std::erase(d.registeredClasses, state.className);
        state.classRegistered = false;
        countHandleDestroyed(HandleKind::WindowClass);
    }
}

bool NativeWindow::isCreated() const { return m_state->handle != nullptr; }
NativeHandle NativeWindow::handle() const { return m_state->handle; }
const String& NativeWindow::className() const { return m_state->className; }

uint32_t NativeWindow::style() const
{
    const State& state = *m_state;
    uint32_t result = state.style;
    if (state.minimized)
        result |= WindowStyleMinimize;
    if (state.maximized)
        result |= WindowStyleMaximize;
    return result;
}

uint32_t NativeWindow::exStyle() const { return m_state->exStyle; }

void NativeWindow::setStyle(uint32_t newStyle)
{
    constexpr uint32_t kKept = WindowStyleVisible | WindowStyleDisabled | WindowStyleMinimize | WindowStyleMaximize;
    if (!m_state->handle)
        return;
    m_state->style = (newStyle & ~kKept) | (m_state->style & kKept);
    Procedure::reposition(*this, m_state->outer, WindowPositionFrameChanged);
}

void NativeWindow::setExStyle(uint32_t newExStyle)
{
    if (!m_state->handle)
        return;
    m_state->exStyle = newExStyle;
    Procedure::reposition(*this, m_state->outer, WindowPositionFrameChanged);
}

void NativeWindow::setClassDropShadow(bool on) { m_state->dropShadow = on; }
bool NativeWindow::classDropShadow() const { return m_state->handle && m_state->dropShadow; }
void NativeWindow::setOwner(NativeHandle owner) { m_state->owner = owner; }
NativeHandle NativeWindow::owner() const { return m_state->owner; }

void NativeWindow::setTopMost(bool on, bool)
{
    if (!m_state->handle)
        return;
    m_state->exStyle =
        on ? m_state->exStyle | WindowExStyleTopMost : m_state->exStyle & ~uint32_t(WindowExStyleTopMost);
}

void NativeWindow::show(ShowCommand command)
{
    State& state = *m_state;
    if (!state.handle)
        return;
    const NativeHandle handle = state.handle;
    Desktop& d = desktop();
    const auto restore = [&] {
        if (state.minimized || state.maximized) {
            state.minimized = state.maximized = false;
            Procedure::reposition(*this, state.restored, WindowPositionMoved | WindowPositionSized);
        }
    };
    const auto activate = [&] {
        d.active = handle;
        changeFocus(handle);
    };
    switch (command) {
    case ShowCommand::Hide:
        state.style &= ~uint32_t(WindowStyleVisible);
        if (d.active == handle)
            d.active = nullptr;
        if (d.focus == handle)
            changeFocus(nullptr);
        return;
    case ShowCommand::Normal:
    case ShowCommand::Restore:
        state.style |= WindowStyleVisible;
        restore();
        activate();
        return;
    case ShowCommand::NormalNoActivate:
        state.style |= WindowStyleVisible;
        restore();
        return;
    case ShowCommand::Minimized:
        state.style |= WindowStyleVisible;
        if (!state.minimized) {
            if (!state.maximized)
                state.restored = state.outer;
            state.minimized = true;
            state.maximized = false;
            if (d.active == handle)
                d.active = nullptr;
            if (d.focus == handle)
                changeFocus(nullptr);
        }
        return;
    case ShowCommand::Maximized:
        state.style |= WindowStyleVisible;
        if (!state.maximized) {
            if (!state.minimized)
                state.restored = state.outer;
            state.minimized = false;
            state.maximized = true;
            Procedure::reposition(*this, workAreaFor(state.restored), WindowPositionMoved | WindowPositionSized);
        }
        activate();
        return;
    }
}

bool NativeWindow::isVisible() const { return m_state->handle && m_state->visible(); }
bool NativeWindow::isMinimized() const { return m_state->handle && m_state->minimized; }
bool NativeWindow::isMaximized() const { return m_state->handle && m_state->maximized; }

bool NativeWindow::isForegroundAndActive() const { return m_state->handle && desktop().active == m_state->handle; }

void NativeWindow::bringToForeground()
{
    if (m_state->handle && m_state->visible()) {
        desktop().active = m_state->handle;
        changeFocus(m_state->handle);
    }
}

void NativeWindow::setEnabled(bool enabled)
{
    State& state = *m_state;
    if (!state.handle)
        return;
    state.style = enabled ? state.style & ~uint32_t(WindowStyleDisabled) : state.style | WindowStyleDisabled;
    if (!enabled && desktop().focus == state.handle)
        changeFocus(nullptr);
}

bool NativeWindow::isEnabled() const { return m_state->handle && !(m_state->style & WindowStyleDisabled); }

void NativeWindow::moveTo(Point outerPosition)
{
    if (m_state->handle)
        Procedure::reposition(*this, {outerPosition.x, outerPosition.y, m_state->outer.width, m_state->outer.height},
                              WindowPositionMoved);
}

void NativeWindow::resizeTo(Size outerSize)
{
    if (m_state->handle)
        Procedure::reposition(*this, {m_state->outer.x, m_state->outer.y, outerSize.width, outerSize.height},
                              WindowPositionSized);
}

Rect NativeWindow::windowRect() const { return m_state->handle ? m_state->outer : Rect{}; }
Size NativeWindow::clientSize() const { return m_state->handle ? m_state->client() : Size{}; }
Point NativeWindow::clientOrigin() const
{
    const Margins frame = frameMargins();
    return {m_state->outer.x + frame.left, m_state->outer.y + frame.top};
}

Margins NativeWindow::frameMargins() const { return m_state->handle ? m_state->frame() : Margins{}; }

void NativeWindow::setTitle(StringView title)
{
    if (m_state->handle)
        m_state->title = String(title);
}

String NativeWindow::title() const
{
    return m_state->title.size() > size_t(kMaximumTitleLength) ? String() : m_state->title;
}

void NativeWindow::setIcons(NativeIcon small, NativeIcon big)
{
    if (!m_state->handle)
        return;
    m_state->smallIcon = std::move(small);
    m_state->bigIcon = std::move(big);
}

bool NativeWindow::hasIcons() const { return !m_state->smallIcon.isNull() || !m_state->bigIcon.isNull(); }

bool NativeWindow::setLayeredAlpha(uint8_t) { return m_state->handle && (m_state->exStyle & WindowExStyleLayered); }

bool NativeWindow::updateLayered(const PixelSource& image)
{
    if (!m_state->handle || !image.rows.bits || !(m_state->exStyle & WindowExStyleLayered))
        return false;
    return present(image, {0, 0, image.rows.width, image.rows.height});
}

void NativeWindow::flash(int32_t) {}

void NativeWindow::setFocus()
{
    if (m_state->handle && m_state->visible() && isEnabled())
        changeFocus(m_state->handle);
}

void NativeWindow::dropFocus()
{
    if (m_state->handle && desktop().focus == m_state->handle)
        changeFocus(nullptr);
}

bool NativeWindow::hasFocus() const { return m_state->handle && desktop().focus == m_state->handle; }

void NativeWindow::captureMouse()
{
    Desktop& d = desktop();
    if (!m_state->handle || d.capture == m_state->handle)
        return;
    const NativeHandle previous = d.capture;
    d.capture = m_state->handle;
    if (previous)
        send(previous, WindowMessageId::CaptureChanged, 0, intptr_t(m_state->handle));
}

void NativeWindow::releaseMouse()
{
    Desktop& d = desktop();
    if (!m_state->handle || d.capture != m_state->handle)
        return;
    d.capture = nullptr;
    send(m_state->handle, WindowMessageId::CaptureChanged);
}

bool NativeWindow::hasCapture() const { return m_state->handle && desktop().capture == m_state->handle; }

void NativeWindow::invalidate()
{
    State& state = *m_state;
    if (!state.handle || state.paintPending)
        return;
    state.paintPending = true;
    postMessage(state.handle, messageNumber(WindowMessageId::Paint), 0, 0);
}

bool NativeWindow::present(const PixelSource& source, const Rect& rect)
{
    State& state = *m_state;
    const Size client = state.client();
    const Rect area = rect.intersected({0, 0, source.rows.width, source.rows.height})
                          .intersected({0, 0, client.width, client.height});
    if (!state.handle || !source.rows.bits || area.isEmpty())
        return false;
    if (state.presentedSize != client) {
        state.presentedSize = client;
        state.presented.assign(size_t(client.width) * size_t(client.height), 0);
    }
    const int32_t bytesPerPixel = source.rows.bitsPerPixel / 8;
    for (int32_t y = area.top(); y < area.bottom(); ++y) {
        const uint8_t* row = source.rows.bits + ptrdiff_t(y) * source.rows.stride;
        for (int32_t x = area.left(); x < area.right(); ++x) {
            const uint8_t* p = row + ptrdiff_t(x) * bytesPerPixel;
            state.presented[size_t(y) * size_t(client.width) + size_t(x)] =
                0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        }
    }
    return true;
}

std::optional<uint32_t> NativeWindow::presentedPixel(Point clientPosition) const
{
    const State& state = *m_state;
    if (!state.handle || !Rect{0, 0, state.presentedSize.width, state.presentedSize.height}.contains(clientPosition))
        return std::nullopt;
    return state.presented[size_t(clientPosition.y) * size_t(state.presentedSize.width) + size_t(clientPosition.x)];
}

Size NativeWindow::queryMinimumTrackingSize()
{
    WindowMessage record;
    record.message = messageNumber(WindowMessageId::GetMinMaxInfo);
    record.minimumTrackingSize = {112, 27};
    if (m_state->handle)
        deliver(record);
    return record.minimumTrackingSize;
}

std::optional<WindowMessage> NativeWindow::peekKeyboardMessage(bool remove)
{
    auto& queue = headless::windowSystem().queue;
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (it->window != m_state->handle || it->message < messageNumber(WindowMessageId::KeyDown)
            || it->message > 0x0109)
            continue;
        WindowMessage record;
        record.message = it->message;
        record.wParam = it->wParam;
        record.lParam = it->lParam;
        if (remove)
            queue.erase(it);
        return record;
    }
    return std::nullopt;
}

NativeWindow* NativeWindow::fromHandle(NativeHandle handle)
{
    const headless::WindowEntry* entry = headless::findWindow(handle);
    return entry ? entry->topLevel : nullptr;
}

NativeHandle NativeWindow::desktopWindow() { return desktopHandle(); }

bool NativeWindow::isClassRegistered(StringView className)
{
    const auto& classes = desktop().registeredClasses;
    return std::find(classes.begin(), classes.end(), className) != classes.end();
}

uint32_t NativeWindow::taskbarButtonCreatedMessage() { return 0xC100; }

std::optional<intptr_t> NativeWindow::deliver(WindowMessage& message) { return m_client.windowMessage(message); }

int dispatchPendingMessages()
{
    int count = 0;
    auto& queue = headless::windowSystem().queue;
    constexpr uint32_t kQuit = 0x0012;
    while (!queue.empty() && queue.front().message != kQuit) {
        const Message message = queue.front();
        queue.pop_front();
        dispatchMessage(message);
        ++count;
    }
    return count;
}

} // namespace platform
