#pragma once
// UINativeWindow: the native window behind a top-level widget.
//
// It registers a window class of its own ("UUI___" + the decimal CRC-32 of
// the executable path's UTF-16LE bytes + the host counter), creates the
// window with the styles of its window type, and turns every message the
// window receives into the toolkit's events: mouse messages go through the
// widget's mouse routing, key messages through the keyboard translation
// below, position changes become Move and Resize, the show request of a
// second copy raises the window.
//
// Sizes: `width`, `height` and the minimum and maximum sizes of a window
// widget are client sizes everywhere; the frame (`frameMargins`) is added
// only where the native outer size is needed (resizing the native window,
// the minimum tracking size, the preferred size when shown). `x`, `y` are the
// outer position.
//
// Ownership: the host belongs to its widget's private record and is deleted
// with it; deleting it destroys the native window and unregisters the
// class. It holds the window's icons and the layered image. Widgets it
// refers to (the owner, the remembered focus widget, the open popup menu)
// are not owned; all but the owner are held by guards.

#include "platform/DragDrop.h"
#include "platform/NativeWindow.h"
#include "ui/core/UIDropTarget.h"
#include "ui/core/UIEvent.h"
#include "ui/core/UIImage.h"
#include "ui/core/UIMouseRouter.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/core/UIWindowHost.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>

class UIWidget;

// The bits of `windowState` and `applyWindowState`.
namespace WindowState {
enum : uint32_t {
    Minimized = 0x1,
    Maximized = 0x2,
    // applyWindowState: leave a hidden or minimized window as it is.
    KeepHidden = 0x4,
    // windowState: foreground and active; applyWindowState: bring there.
    Foreground = 0x8,
};
}

class UINativeWindow : public UIWindowHost, private platform::NativeWindowClient {
public:
    explicit UINativeWindow(UIWidget& owner);
    ~UINativeWindow() override;

    // Makes every top-level widget created from now on get a native window.
    static void install();

    UIWidget& owner() const { return m_owner; }
    const String& className() const { return m_className; }
    // "UUI___" + the decimal CRC-32 of the UTF-16LE bytes of the path.
    static String classPrefix(StringView executablePath);
    // The standard reflected CRC-32 (initial value and final inversion
    // 0xFFFFFFFF).
    static uint32_t crc32(const uint8_t* bytes, size_t size);

    // --- The host's operations, in the order of its slots ---
    // Only while the owner is effectively visible: Minimized, else
    // Maximized, else (unless KeepHidden) shows a hidden or minimized window
    // normally; then Foreground brings it to the foreground.
    void applyWindowState(uint32_t state);
    // The WindowState bits that hold now (0 for a normal background window).
    uint32_t windowState() const;
    void setWindowTypeFlag(uint32_t flag, bool on);
    void setWindowType(uint32_t flags) override;
    uint32_t windowType() const override { return m_windowType; }
    void setModality(Modality modality) override { m_modality = modality; }
    Modality modality() const override { return m_modality; }
    void modalDisable(bool disable) override;
    int32_t modalDisableCount() const { return m_modalDisableCount; }
    // Clamped to 0..1, NaN counting as 1: below 1 the window is layered
    // with the constant alpha round(opacity x 255).
    void setOpacity(float opacity);
    float opacity() const { return m_opacity; }
    // The constant alpha the host last gave the layered window (the system
    // may not read it back).
    uint8_t layeredAlpha() const { return m_layeredAlpha; }
    void flash(int32_t count);
    void show(bool visible, bool maximized, bool minimized) override;
    bool isVisible() const override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const;
    NativeHandle handle() const;
    void moveTo(Point outerPosition) override;
    // Client size; the frame is added for the native window.
    void resizeTo(Size clientSize) override;
    Rect windowRect() const;
    Margins frameMargins() const override;
    void setTitle(StringView title);
    String title() const;
    void activate(bool active) override;
    bool hasFocus() const;
    // A null image drops the layered style (unless the opacity needs it);
    // otherwise the image, scaled to the window's size, is shown with its
    // per-pixel alpha.
    void updateLayered(const UIImage& image);
    const UIImage& layeredImage() const { return m_layeredImage; }
    void invalidate();
    bool createWindow() override;

    // --- The rest of the widget base's seam ---
    bool isActive() const override;
    void captureMouse() override;
    void releaseMouse() override;
    void flush(const UIImage& canvas, const Rect& rect) override;
    bool hasLayeredImage() const override { return !m_layeredImage.isEmpty(); }
    void refreshLayered() override { updateLayered(m_layeredImage); }
    void setInputMethodActive(bool active) override;

    // The native window, for what the toolkit does not wrap (tests,
    // benchmarks).
    platform::NativeWindow& nativeWindow() { return m_window; }
    // Whether the window takes drags from other programs (every window but
    // the popups of menus, tooltips and balloon tips).
    bool isDropTarget() const { return m_dragDrop && m_dragDrop->isRegistered(); }

    // The native styles a window type gives (with or without a parent
    // window), as createWindow applies them.
    static uint32_t styleFor(uint32_t windowType, bool hasParentWindow);
    static uint32_t exStyleFor(uint32_t windowType);

    // Process-wide: the popup menu now open, closed by any button press.
    static void setOpenPopupMenu(UIWidget* menu);
    static UIWidget* openPopupMenu();
    // Process-wide: whether the screen saver and monitor power-off are
    // refused while a window of the toolkit has the system's attention.
    static void setBlockScreenSaver(bool block);
    static void setBlockMonitorPowerOff(bool block);

private:
    std::optional<intptr_t> windowMessage(platform::WindowMessage& message) override;

    void mouseMove(const platform::WindowMessage& message);
    void mouseButton(const platform::WindowMessage& message, uint32_t button, bool down);
    void wheel(const platform::WindowMessage& message, bool horizontal);
    void captureChanged();
    std::optional<intptr_t> systemCommand(const platform::WindowMessage& message);
    void showRequest(const platform::WindowMessage& message);
    void focusGained();
    // The window that takes the keyboard, when the system says.
    void focusLost(NativeHandle receiver);
    void positionChanged(const platform::WindowMessage& message, bool& handled);
    void minimumTrackingSize(platform::WindowMessage& message);
    std::optional<intptr_t> keyMessage(const platform::WindowMessage& message);
    std::optional<intptr_t> keyDown(const platform::WindowMessage& message, UIWidget& target);
    void keyUp(const platform::WindowMessage& message, UIWidget& target);
    void characterWithoutKey(const platform::WindowMessage& message, UIWidget& target);
    // The input method's composition: its window follows the caret of the
    // focus widget, and a finished text goes to that widget.
    std::optional<intptr_t> composition(const platform::WindowMessage& message);
    void placeComposition();
    // Sends one key event; false when the host or the target went meanwhile.
    bool sendKey(UIWidget& target, UIEventType type, uint32_t key, const String& text,
                 const platform::WindowMessage& message, bool autoRepeat);
    void applyStyles();
    void loadIcons();
    UIWidget* parentWindow() const;

    UIWidget& m_owner;
    platform::NativeWindow m_window;
    UIMouseRouter m_router;
    uint32_t m_windowType = WindowType::SystemMenu;
    float m_opacity = 1.0f;
    uint8_t m_layeredAlpha = 255;
    String m_className;
    UIWidgetGuard m_rememberedFocus;
    Point m_lastMousePosition{INT32_MIN, INT32_MIN};
    bool m_releasingCapture = false;
    UIImage m_layeredImage;
    struct MinimumTrackingCache {
        Size forWidgetSize{-1, -1};
        Size value;
    } m_minimumTracking;
    Modality m_modality = Modality::None;
    bool m_enabledBeforeModal = true;
    int32_t m_modalDisableCount = 0;
    // Held keys by virtual-key code, with the text of their press.
    std::map<uint32_t, String> m_heldKeys;
    // Declared after the window: the registration is revoked before the
    // window goes.
    std::unique_ptr<UIDropTarget> m_dropTarget;
    std::unique_ptr<platform::DragDrop> m_dragDrop;
    // Cleared when the host goes, so code that sent an event synchronously
    // can tell whether the host survived it.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
