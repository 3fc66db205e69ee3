#pragma once
// What the widget base needs of the native window behind a top-level widget
// (flag Window). The Win32 host implements it over a real window; without an
// installed factory (UIManager::setWindowHostFactory) a top-level widget
// gets a UIMemoryWindowHost, so the toolkit also runs without a screen.
//
// A host belongs to its widget's private record and is destroyed with it.
// It reports native moves and resizes back to its widget with Move and
// Resize events; `width` and `height` of a window are its client size and
// `x`, `y` its outer position.

#include "platform/Geometry.h"

#include <cstdint>

class UIImage;

// Window type flags; the numbers are those the style data and the window
// classes use.
namespace WindowType {
enum : uint32_t {
    DropShadow = 0x1,
    OwnedByDesktop = 0x2,
    NoNonClientDeactivation = 0x4,
    NoActivate = 0x8,
    TopMost = 0x10,
    ResizableFrame = 0x20,
    MinimizeBox = 0x40,
    MaximizeBox = 0x80,
    SystemMenu = 0x100,
    Popup = 0x200,
    MouseTransparent = 0x400,
    // The window sees key presses before its focused child.
    KeyPreview = 0x800,
};
}

enum class Modality : int32_t { None = 0, Application = 1 };

class UIWindowHost {
public:
    virtual ~UIWindowHost() = default;

    // Creates the native window, placed and sized for the widget. Called
    // once from the widget's create.
    virtual bool createWindow() = 0;

    virtual void show(bool visible, bool maximized, bool minimized) = 0;
    // Whether the native window is visible.
    virtual bool isVisible() const = 0;
    // Whether the window is both the foreground and the active window.
    virtual bool isActive() const = 0;
    // Takes (true) or drops the keyboard focus.
    virtual void activate(bool active) = 0;
    virtual void setEnabled(bool enabled) = 0;

    virtual void moveTo(Point position) = 0;
    virtual void resizeTo(Size clientSize) = 0;
    // Thickness of the non-client frame.
    virtual Margins frameMargins() const = 0;

    virtual uint32_t windowType() const = 0;
    virtual void setWindowType(uint32_t flags) = 0;

    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;

    // Copies a rectangle of the window's canvas (client coordinates) to the
    // screen; skipped while the interactive desktop cannot be opened.
    virtual void flush(const UIImage& canvas, const Rect& rect) = 0;

    virtual Modality modality() const = 0;
    virtual void setModality(Modality modality) = 0;
    // Counted disabling by modal windows: the first disable saves the
    // enabled state, the last enable restores it.
    virtual void modalDisable(bool disable) = 0;

    // Per-pixel-alpha windows: whether the host holds a layered image, and
    // pushing it to the screen again (after a resize).
    virtual bool hasLayeredImage() const = 0;
    virtual void refreshLayered() = 0;

    // Associates (true) or detaches the window's input-method context.
    virtual void setInputMethodActive(bool active) = 0;
};
