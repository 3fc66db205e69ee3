// Top-level windows of the toolkit on Windows.
//
// The window procedure binds the NativeWindow at WM_NCCREATE (the pointer
// travels in the creation parameters), so every later message of the live
// window reaches the client; it unbinds at WM_NCDESTROY. The window, its
// class, its device contexts and icons are counted handles.
#include "platform/NativeWindow.h"
#include "platform/win32/GdiHandles.h"
#include "platform/win32/Wide.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace platform {

using win32::wide;

namespace {

constexpr int kWindowExtraBytes = 32;
constexpr WORD kApplicationIconResource = 32512;
constexpr int kMaximumTitleLength = 2047;
// Styles that describe the window's state rather than its look: setStyle
// keeps whatever the system says about them.
constexpr uint32_t kStateStyles = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE;

struct DestroyWindowHandle {
    static void destroy(HWND window) { DestroyWindow(window); }
};
using UniqueWindow = win32::UniqueHandle<HWND, HandleKind::Window, DestroyWindowHandle>;

struct ReleaseWindowDc {
    static void destroy(HDC dc) { ReleaseDC(WindowFromDC(dc), dc); }
};
using WindowDc = win32::UniqueHandle<HDC, HandleKind::DeviceContext, ReleaseWindowDc>;

// Every live NativeWindow, so a handle is only trusted when it is ours.
std::vector<NativeWindow*>& liveWindows()
{
    static std::vector<NativeWindow*> windows;
    return windows;
}

} // namespace

struct NativeWindow::State {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    String className;
    bool classRegistered = false;
    // Set at WM_NCCREATE, before CreateWindowExW returns.
    HWND window = nullptr;
    UniqueWindow ownedWindow;
    WindowDc windowDc;
    NativeIcon smallIcon;
    NativeIcon bigIcon;

    void unregisterClass()
    {
        if (classRegistered && UnregisterClassW(wide(className), instance)) {
            classRegistered = false;
            countHandleDestroyed(HandleKind::WindowClass);
        }
    }
};

struct NativeWindow::Procedure {
    static LRESULT CALLBACK run(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

LRESULT CALLBACK NativeWindow::Procedure::run(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* host = static_cast<NativeWindow*>(create->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
        host->m_state->window = window;
    }
    auto* host = NativeWindow::fromHandle(window);
    if (!host)
        return DefWindowProcW(window, message, wParam, lParam);

    WindowMessage record;
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        if (BeginPaint(window, &paint)) {
            record.rect =
                Rect::fromEdges(paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom);
            host->deliver(record);
            EndPaint(window, &paint);
        }
        return 0;
    }
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        record.minimumTrackingSize = {info->ptMinTrackSize.x, info->ptMinTrackSize.y};
        if (const auto answer = host->deliver(record)) {
            info->ptMinTrackSize = {record.minimumTrackingSize.width, record.minimumTrackingSize.height};
            return *answer;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        record.rect = {position->x, position->y, position->cx, position->cy};
        if (!(position->flags & SWP_NOMOVE))
            record.positionChange |= WindowPositionMoved;
        if (!(position->flags & SWP_NOSIZE))
            record.positionChange |= WindowPositionSized;
        if (position->flags & SWP_FRAMECHANGED)
            record.positionChange |= WindowPositionFrameChanged;
        break;
    }
    case WM_NCDESTROY:
        // The window goes: later messages (there are none) find no host.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        break;
    }
    if (const auto answer = host->deliver(record))
        return *answer;
    return DefWindowProcW(window, message, wParam, lParam);
}

NativeWindow::NativeWindow(NativeWindowClient& client) : m_client(client), m_state(std::make_unique<State>())
{
    liveWindows().push_back(this);
}

NativeWindow::~NativeWindow()
{
    destroy();
    std::erase(liveWindows(), this);
}

bool NativeWindow::create(const NativeWindowOptions& options)
{
    if (m_state->window)
        return false;
    State& state = *m_state;
    state.className = options.className;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_OWNDC | (options.dropShadow ? CS_DROPSHADOW : 0);
    windowClass.lpfnWndProc = Procedure::run;
    windowClass.cbWndExtra = kWindowExtraBytes;
    windowClass.hInstance = state.instance;
    windowClass.hIcon = LoadIconW(state.instance, MAKEINTRESOURCEW(kApplicationIconResource));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hbrBackground = HBRUSH(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = wide(state.className);
    if (!RegisterClassExW(&windowClass))
        return false;
    state.classRegistered = true;
    countHandleCreated(HandleKind::WindowClass);

    const HWND window = CreateWindowExW(options.exStyle, wide(state.className), L"", options.style, 0, 0, 0, 0,
                                        HWND(options.owner), nullptr, state.instance, this);
    if (!window) {
        state.window = nullptr;
        state.unregisterClass();
        return false;
    }
    state.ownedWindow.reset(window);
    state.window = window;
    return true;
}

void NativeWindow::destroy()
{
    State& state = *m_state;
    if (state.window) {
        SetWindowLongPtrW(state.window, GWLP_USERDATA, 0);
        state.windowDc.reset();
        if (state.window == GetDesktopWindow())
            state.ownedWindow.release();
        state.ownedWindow.reset();
        state.window = nullptr;
    }
    // The window referred to its icons until now.
    state.smallIcon.reset();
    state.bigIcon.reset();
    state.unregisterClass();
}

bool NativeWindow::isCreated() const { return m_state->window != nullptr; }
NativeHandle NativeWindow::handle() const { return m_state->window; }
const String& NativeWindow::className() const { return m_state->className; }

uint32_t NativeWindow::style() const { return uint32_t(GetWindowLongW(m_state->window, GWL_STYLE)); }
uint32_t NativeWindow::exStyle() const { return uint32_t(GetWindowLongW(m_state->window, GWL_EXSTYLE)); }

void NativeWindow::setStyle(uint32_t newStyle)
{
    const HWND window = m_state->window;
    if (!window)
        return;
    const uint32_t merged = (newStyle & ~kStateStyles) | (style() & kStateStyles);
    SetWindowLongW(window, GWL_STYLE, LONG(merged));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeWindow::setExStyle(uint32_t newExStyle)
{
    const HWND window = m_state->window;
    if (!window)
        return;
    SetWindowLongW(window, GWL_EXSTYLE, LONG(newExStyle));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeWindow::setClassDropShadow(bool on)
{
    if (!m_state->window)
        return;
    const ULONG_PTR classStyle = GetClassLongPtrW(m_state->window, GCL_STYLE);
    SetClassLongPtrW(m_state->window, GCL_STYLE,
                     on ? classStyle | CS_DROPSHADOW : classStyle & ~ULONG_PTR(CS_DROPSHADOW));
}

bool NativeWindow::classDropShadow() const
{
    return m_state->window && (GetClassLongPtrW(m_state->window, GCL_STYLE) & CS_DROPSHADOW) != 0;
}

void NativeWindow::setOwner(NativeHandle owner)
{
    if (m_state->window)
        SetWindowLongPtrW(m_state->window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

NativeHandle NativeWindow::owner() const { return m_state->window ? GetWindow(m_state->window, GW_OWNER) : nullptr; }

void NativeWindow::setTopMost(bool on, bool activate)
{
    if (m_state->window)
        SetWindowPos(m_state->window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE));
}

void NativeWindow::show(ShowCommand command)
{
    if (!m_state->window)
        return;
    int native = SW_HIDE;
    switch (command) {
    case ShowCommand::Hide:
        native = SW_HIDE;
        break;
    case ShowCommand::Normal:
        native = SW_SHOWNORMAL;
        break;
    case ShowCommand::NormalNoActivate:
        native = SW_SHOWNOACTIVATE;
        break;
    case ShowCommand::Minimized:
        native = SW_SHOWMINIMIZED;
        break;
    case ShowCommand::Maximized:
        native = SW_SHOWMAXIMIZED;
        break;
    case ShowCommand::Restore:
        native = SW_RESTORE;
        break;
    }
    ShowWindow(m_state->window, native);
    // A top-most window comes out above every other top-most one, as a
    // submenu must over its menu. Showing alone is not enough under Wine: it
    // files an owned window just above its owner, below the other top-most
    // windows, and raises the X window only of the window heading the
    // z-order, so the submenu stayed even below the owner on the screen.
    if (native != SW_HIDE && native != SW_SHOWMINIMIZED && (exStyle() & WS_EX_TOPMOST))
        SetWindowPos(m_state->window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool NativeWindow::isVisible() const { return m_state->window && IsWindowVisible(m_state->window); }
bool NativeWindow::isMinimized() const { return m_state->window && IsIconic(m_state->window); }
bool NativeWindow::isMaximized() const { return m_state->window && IsZoomed(m_state->window); }

bool NativeWindow::isForegroundAndActive() const
{
    return m_state->window && GetForegroundWindow() == m_state->window && GetActiveWindow() == m_state->window;
}

void NativeWindow::bringToForeground()
{
    if (!m_state->window)
        return;
    // Raised first: a window that already is the foreground one stays where
    // it is in the z-order otherwise, under Wine even below other programs'
    // windows.
    BringWindowToTop(m_state->window);
    SetForegroundWindow(m_state->window);
}

void NativeWindow::setEnabled(bool enabled)
{
    if (m_state->window)
        EnableWindow(m_state->window, enabled);
}

bool NativeWindow::isEnabled() const { return m_state->window && IsWindowEnabled(m_state->window); }

void NativeWindow::moveTo(Point outerPosition)
{
    if (m_state->window)
        SetWindowPos(m_state->window, nullptr, outerPosition.x, outerPosition.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeWindow::resizeTo(Size outerSize)
{
    if (m_state->window)
        SetWindowPos(m_state->window, nullptr, 0, 0, outerSize.width, outerSize.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect NativeWindow::windowRect() const
{
    RECT r{};
    if (!m_state->window || !GetWindowRect(m_state->window, &r))
        return {};
    return Rect::fromEdges(r.left, r.top, r.right, r.bottom);
}

Size NativeWindow::clientSize() const
{
    RECT r{};
    if (!m_state->window || !GetClientRect(m_state->window, &r))
        return {};
    return {r.right - r.left, r.bottom - r.top};
}

Point NativeWindow::clientOrigin() const
{
    POINT origin{0, 0};
    if (m_state->window)
        ClientToScreen(m_state->window, &origin);
    return {origin.x, origin.y};
}

Margins NativeWindow::frameMargins() const
{
    if (!m_state->window)
        return {};
    RECT r{0, 0, 0, 0};
    if (!AdjustWindowRectEx(&r, style(), FALSE, exStyle()))
        return {};
    return {-r.left, -r.top, r.right, r.bottom};
}

void NativeWindow::setTitle(StringView title)
{
    if (m_state->window) {
        const String text(title);
        SetWindowTextW(m_state->window, wide(text));
    }
}

String NativeWindow::title() const
{
    if (!m_state->window)
        return {};
    const int length = GetWindowTextLengthW(m_state->window);
    if (length <= 0 || length > kMaximumTitleLength)
        return {};
    std::vector<wchar_t> text(size_t(length) + 1);
    const int copied = GetWindowTextW(m_state->window, text.data(), length + 1);
    return win32::fromWide(text.data(), size_t(std::max(copied, 0)));
}

void NativeWindow::setIcons(NativeIcon small, NativeIcon big)
{
    if (!m_state->window)
        return;
    SendMessageW(m_state->window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.handle()));
    SendMessageW(m_state->window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.handle()));
    m_state->smallIcon = std::move(small);
    m_state->bigIcon = std::move(big);
}

bool NativeWindow::hasIcons() const
{
    return m_state->window
        && (SendMessageW(m_state->window, WM_GETICON, ICON_SMALL, 0)
            || SendMessageW(m_state->window, WM_GETICON, ICON_BIG, 0));
}

bool NativeWindow::setLayeredAlpha(uint8_t alpha)
{
    return m_state->window && SetLayeredWindowAttributes(m_state->window, 0, alpha, LWA_ALPHA);
}

bool NativeWindow::updateLayered(const PixelSource& image)
{
    if (!m_state->window || !image.nativeBitmap)
        return false;
    win32::ScreenDc screen;
    win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!memory)
        return false;
    win32::SelectionGuard selection(memory.get(), HGDIOBJ(image.nativeBitmap));
    const Rect place = windowRect();
    POINT position{place.x, place.y};
    SIZE size{image.rows.width, image.rows.height};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return UpdateLayeredWindow(m_state->window, screen.get(), &position, &size, memory.get(), &origin, 0, &blend,
                               ULW_ALPHA)
        != 0;
}

void NativeWindow::flash(int32_t count)
{
    if (!m_state->window)
        return;
    FLASHWINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = m_state->window;
    info.dwFlags = FLASHW_CAPTION;
    info.uCount = UINT(std::max(count, 0));
    FlashWindowEx(&info);
}

void NativeWindow::setFocus()
{
    if (m_state->window)
        SetFocus(m_state->window);
}

void NativeWindow::dropFocus()
{
    if (m_state->window && GetFocus() == m_state->window)
        SetFocus(nullptr);
}

bool NativeWindow::hasFocus() const { return m_state->window && GetFocus() == m_state->window; }

void NativeWindow::captureMouse()
{
    if (m_state->window)
        SetCapture(m_state->window);
}

void NativeWindow::releaseMouse()
{
    if (m_state->window && GetCapture() == m_state->window)
        ReleaseCapture();
}

bool NativeWindow::hasCapture() const { return m_state->window && GetCapture() == m_state->window; }

void NativeWindow::invalidate()
{
    if (m_state->window)
        InvalidateRect(m_state->window, nullptr, FALSE);
}

bool NativeWindow::present(const PixelSource& source, const Rect& rect)
{
    State& state = *m_state;
    const Rect area = rect.intersected({0, 0, source.rows.width, source.rows.height});
    // The system reads rows padded to 4 bytes, one after the other.
    const int64_t dibStride = (int64_t(source.rows.width) * source.rows.bitsPerPixel + 31) / 32 * 4;
    if (!state.window || !source.rows.bits || area.isEmpty() || source.rows.stride != dibStride)
        return false;
    // The class has its own device context: it is fetched once and kept with
    // its (identity) mapping for the life of the window.
    if (!state.windowDc)
        state.windowDc.reset(GetDC(state.window));
    if (!state.windowDc)
        return false;
    // Straight from the rows: no memory device context to select the source
    // bitmap into (selecting costs more than copying a small rectangle, and
    // a bitmap left selected could not be deleted by its owner). With 32-bit
    // rows, the screen's layout, this is a plain row copy.
    BITMAPINFO info = win32::topDownBitmapInfo(source.rows.width, source.rows.height, source.rows.bitsPerPixel);
    // The source row of a top-down section is still counted from the bottom.
    return SetDIBitsToDevice(state.windowDc.get(), area.x, area.y, DWORD(area.width), DWORD(area.height), area.x,
                             source.rows.height - area.bottom(), 0, UINT(source.rows.height), source.rows.bits, &info,
                             DIB_RGB_COLORS)
        != 0;
}

std::optional<uint32_t> NativeWindow::presentedPixel(Point clientPosition) const
{
    const Size client = clientSize();
    if (!m_state->window || !Rect{0, 0, client.width, client.height}.contains(clientPosition))
        return std::nullopt;
    WindowDc borrowed;
    HDC dc = m_state->windowDc.get();
    if (!dc) {
        borrowed.reset(GetDC(m_state->window));
        dc = borrowed.get();
    }
    const COLORREF color = GetPixel(dc, clientPosition.x, clientPosition.y);
    if (color == CLR_INVALID)
        return std::nullopt;
    return 0xFF000000u | uint32_t(GetRValue(color)) << 16 | uint32_t(GetGValue(color)) << 8 | GetBValue(color);
}

Size NativeWindow::queryMinimumTrackingSize()
{
    MINMAXINFO info{};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    if (m_state->window)
        SendMessageW(m_state->window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return {info.ptMinTrackSize.x, info.ptMinTrackSize.y};
}

std::optional<WindowMessage> NativeWindow::peekKeyboardMessage(bool remove)
{
    MSG msg{};
    if (!m_state->window
        || !PeekMessageW(&msg, m_state->window, WM_KEYFIRST, WM_KEYLAST, remove ? PM_REMOVE : PM_NOREMOVE))
        return std::nullopt;
    WindowMessage record;
    record.message = msg.message;
    record.wParam = msg.wParam;
    record.lParam = msg.lParam;
    return record;
}

NativeWindow* NativeWindow::fromHandle(NativeHandle handle)
{
    if (!handle)
        return nullptr;
    auto* candidate = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(HWND(handle), GWLP_USERDATA));
    const auto& live = liveWindows();
    return candidate && std::find(live.begin(), live.end(), candidate) != live.end() ? candidate : nullptr;
}

NativeHandle NativeWindow::desktopWindow() { return GetDesktopWindow(); }

bool NativeWindow::isClassRegistered(StringView className)
{
    const String name(className);
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    return GetClassInfoExW(GetModuleHandleW(nullptr), wide(name), &info) != 0;
}

uint32_t NativeWindow::taskbarButtonCreatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"TaskbarButtonCreated");
    return message;
}

std::optional<intptr_t> NativeWindow::deliver(WindowMessage& message) { return m_client.windowMessage(message); }

int dispatchPendingMessages()
{
    int count = 0;
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        ++count;
    }
    return count;
}

} // namespace platform
