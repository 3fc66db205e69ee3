#pragma once
// A top-level native window of the toolkit, with a window class of its own.
//
// The window reports every message it receives to its client as a
// WindowMessage record (the message number and both parameters as the
// system gives them, plus what only the platform can read for the few
// messages whose parameters point at system structures). The client decides
// everything: what a message means, and whether it is answered or left to
// the system's default processing. So the translation of messages into
// toolkit events is portable code, and the headless build runs it on
// injected messages exactly as Windows runs it on real ones.
//
// Ownership: the NativeWindow owns its window, its window class (registered
// by `create`, unregistered when the window goes), the icons handed to
// `setIcons` and its device contexts. The client is not owned and must
// outlive the window. A window owned by another window (`owner`) is only
// referenced.
//
// Sizes: `windowRect`, `moveTo` and `resizeTo` are outer (frame included);
// `clientSize` is the inside. `frameMargins` converts between them.

#include "platform/Geometry.h"
#include "platform/NativeBitmap.h"
#include "platform/NativeHandle.h"
#include "platform/NativeIcon.h"
#include "platform/Text.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace platform {

// Window style bits, with the values of the Windows API, since styles are
// compared with what the system reports.
enum WindowStyle : uint32_t {
    WindowStylePopup = 0x80000000,
    WindowStyleChild = 0x40000000,
    WindowStyleMinimize = 0x20000000,
    WindowStyleVisible = 0x10000000,
    WindowStyleDisabled = 0x08000000,
    WindowStyleClipSiblings = 0x04000000,
    WindowStyleClipChildren = 0x02000000,
    WindowStyleMaximize = 0x01000000,
    WindowStyleCaption = 0x00C00000,
    WindowStyleSystemMenu = 0x00080000,
    WindowStyleThickFrame = 0x00040000,
    WindowStyleMinimizeBox = 0x00020000,
    WindowStyleMaximizeBox = 0x00010000,
};

enum WindowExStyle : uint32_t {
    WindowExStyleTopMost = 0x00000008,
    WindowExStyleLayered = 0x00080000,
    // Neither a click nor showing makes the window the active one.
    WindowExStyleNoActivate = 0x08000000,
};

// Message numbers the toolkit handles, with the values of the Windows API:
// the records carry them unchanged.
enum class WindowMessageId : uint32_t {
    Null = 0x0000,
    Destroy = 0x0002,
    Move = 0x0003,
    Size = 0x0005,
    Activate = 0x0006,
    SetFocus = 0x0007,
    KillFocus = 0x0008,
    Paint = 0x000F,
    Close = 0x0010,
    QueryEndSession = 0x0011,
    EraseBackground = 0x0014,
    SetCursor = 0x0020,
    GetMinMaxInfo = 0x0024,
    WindowPositionChanged = 0x0047,
    DisplayChange = 0x007E,
    NonClientHitTest = 0x0084,
    NonClientActivate = 0x0086,
    NonClientMouseMove = 0x00A0,
    NonClientLeftButtonDown = 0x00A1,
    NonClientRightButtonDown = 0x00A4,
    NonClientMiddleButtonDown = 0x00A7,
    KeyDown = 0x0100,
    KeyUp = 0x0101,
    Character = 0x0102,
    DeadCharacter = 0x0103,
    SystemKeyDown = 0x0104,
    SystemKeyUp = 0x0105,
    SystemCharacter = 0x0106,
    SystemDeadCharacter = 0x0107,
    InputMethodStartComposition = 0x010D,
    InputMethodEndComposition = 0x010E,
    InputMethodComposition = 0x010F,
    SystemCommand = 0x0112,
    MouseMove = 0x0200,
    LeftButtonDown = 0x0201,
    LeftButtonUp = 0x0202,
    LeftButtonDoubleClick = 0x0203,
    RightButtonDown = 0x0204,
    RightButtonUp = 0x0205,
    RightButtonDoubleClick = 0x0206,
    MiddleButtonDown = 0x0207,
    MiddleButtonUp = 0x0208,
    MiddleButtonDoubleClick = 0x0209,
    Wheel = 0x020A,
    ExtraButtonDown = 0x020B,
    ExtraButtonUp = 0x020C,
    ExtraButtonDoubleClick = 0x020D,
    HorizontalWheel = 0x020E,
    CaptureChanged = 0x0215,
    InputMethodNotify = 0x0282,
    InputMethodCharacter = 0x0286,
    InputMethodKeyDown = 0x0290,
    InputMethodKeyUp = 0x0291,
    HotKey = 0x0312,
    ApplicationCommand = 0x0319,
    // Sent by a second copy of the program (through its instance window).
    ShowRequest = 0xD000,
};

constexpr uint32_t messageNumber(WindowMessageId id) { return static_cast<uint32_t>(id); }

// What a position-changed message says changed.
enum WindowPositionChange : uint32_t {
    WindowPositionMoved = 1,
    WindowPositionSized = 2,
    WindowPositionFrameChanged = 4,
};

// System-command values of the system-command message's first parameter
// (the low four bits are the system's own and masked off).
enum class SystemCommand : uint32_t {
    Minimize = 0xF020,
    Maximize = 0xF030,
    Close = 0xF060,
    Restore = 0xF120,
    ScreenSave = 0xF140,
    MonitorPower = 0xF170,
};

// Answer of the hit test that lets the mouse through to what lies below.
inline constexpr intptr_t kHitTestTransparent = -1;

struct WindowMessage {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;

    // Paint: the invalid rectangle (client coordinates).
    // Position changed: the new outer rectangle (screen coordinates).
    Rect rect;
    // Position changed: the WindowPositionChange bits.
    uint32_t positionChange = 0;
    // Minimum and maximum size query: the minimum tracking size the system
    // proposes; a client that answers the message leaves its own here.
    Size minimumTrackingSize;

    WindowMessageId id() const { return static_cast<WindowMessageId>(message); }
};

class NativeWindowClient {
public:
    virtual ~NativeWindowClient() = default;
    // The client's answer, or nothing for the system's default processing.
    virtual std::optional<intptr_t> windowMessage(WindowMessage& message) = 0;
};

struct NativeWindowOptions {
    String className;
    // Adds the drop-shadow bit to the class style (the class has its own
    // device context in any case and no double-click style).
    bool dropShadow = false;
    uint32_t style = 0;   // WindowStyle bits
    uint32_t exStyle = 0; // WindowExStyle bits
    NativeHandle owner = nullptr;
};

enum class ShowCommand {
    Hide,
    Normal,
    NormalNoActivate,
    Minimized,
    Maximized,
    Restore,
};

// Pixels to copy to the screen: rows of 32-bit pixels (24-bit rows for
// `present` only) and, on Windows, the bitmap that holds them (which
// `updateLayered` needs).
struct PixelSource {
    PixelRows rows;
    void* nativeBitmap = nullptr;
};

class NativeWindow {
public:
    explicit NativeWindow(NativeWindowClient& client);
    ~NativeWindow();

    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    // Registers the class and creates the hidden window at (0, 0) with size
    // 0 x 0. Messages sent during creation already reach the client.
    // Fails when the class or the window cannot be had.
    bool create(const NativeWindowOptions& options);
    // Destroys the window and unregisters its class (also done by the
    // destructor). The desktop window is never destroyed.
    void destroy();
    bool isCreated() const;
    NativeHandle handle() const;
    const String& className() const;

    uint32_t style() const;
    uint32_t exStyle() const;
    // Replace the styles and let the system recompute the frame.
    void setStyle(uint32_t style);
    void setExStyle(uint32_t exStyle);
    void setClassDropShadow(bool on);
    bool classDropShadow() const;
    // The owner window: another window, the desktop (`desktopWindow`) or
    // none.
    void setOwner(NativeHandle owner);
    NativeHandle owner() const;
    void setTopMost(bool on, bool activate);

    // A shown top-most window lies above every other top-most window.
    void show(ShowCommand command);
    bool isVisible() const;
    bool isMinimized() const;
    bool isMaximized() const;
    // Both the foreground window and the thread's active window.
    bool isForegroundAndActive() const;
    void bringToForeground();
    void setEnabled(bool enabled);
    bool isEnabled() const;

    void moveTo(Point outerPosition);
    void resizeTo(Size outerSize);
    Rect windowRect() const;
    Size clientSize() const;
    // Screen position of the client area's top-left corner.
    Point clientOrigin() const;
    // Frame thickness for the window's current styles.
    Margins frameMargins() const;

    void setTitle(StringView title);
    // Empty when longer than 2047 characters.
    String title() const;
    // Takes the icons; both are destroyed with the window (or when replaced).
    void setIcons(NativeIcon small, NativeIcon big);
    bool hasIcons() const;

    // Constant alpha of a layered window.
    bool setLayeredAlpha(uint8_t alpha);
    // Per-pixel alpha: premultiplied 32-bit rows shown at the window's place.
    bool updateLayered(const PixelSource& image);
    void flash(int32_t count);

    void setFocus();
    void dropFocus();
    bool hasFocus() const;
    void captureMouse();
    void releaseMouse();
    bool hasCapture() const;

    // Asks for a paint message without erasing.
    void invalidate();
    // Copies `rect` of `source` (client coordinates, one pixel per pixel) to
    // the window's client area, from the rows alone (the bitmap is not
    // used). 32-bit rows are the screen's layout and copy without a
    // conversion per pixel; 24-bit rows are converted on the way.
    bool present(const PixelSource& source, const Rect& rect);

    // What the window shows at a client position as 0xFFRRGGBB, read back
    // from the screen (for tests); nothing outside the client area.
    std::optional<uint32_t> presentedPixel(Point clientPosition) const;
    // Asks the window for its minimum tracking size the way the system does
    // before a sizing (the system's proposal when the client leaves it).
    Size queryMinimumTrackingSize();

    // The next queued keyboard message (key down up to system dead
    // character) for this window, taken from the queue when `remove`.
    std::optional<WindowMessage> peekKeyboardMessage(bool remove);

    // The native window that a handle belongs to, if it is one of ours.
    static NativeWindow* fromHandle(NativeHandle handle);
    static NativeHandle desktopWindow();
    static bool isClassRegistered(StringView className);
    // The message number the shell registers for "TaskbarButtonCreated".
    static uint32_t taskbarButtonCreatedMessage();

    // The window procedure's entry: hands the message to the client.
    std::optional<intptr_t> deliver(WindowMessage& message);

    // Internals of each platform's implementation: the per-window state and
    // the window procedure, which binds the window at creation.
    struct State;
    struct Procedure;

private:
    NativeWindowClient& m_client;
    std::unique_ptr<State> m_state;
};

// Dispatches every message already queued for the thread (keyboard input
// translated, as the event loop does) without waiting for more; a quit
// request is left in the queue. Returns how many were dispatched. For tests
// and for draining input before a measurement.
int dispatchPendingMessages();

} // namespace platform
