#pragma once
// Turns the native mouse messages of one top-level widget into widget
// events: the window host calls one entry point per message, with the
// position in window (client) coordinates, the button that changed, the
// buttons held and the modifiers (platform::MouseButton and KeyModifier
// bits).
//
// The target is the mouse grabber if there is one, else the widget under
// the pointer, else the root; the position is mapped into the target, and
// nothing is delivered to a disabled target. Events are posted, so they
// arrive in a later turn of the loop, in order.

#include "platform/Geometry.h"

#include <cstdint>

class UIWidget;

class UIMouseRouter {
public:
    // The router does not own the root; the root's host owns the router.
    explicit UIMouseRouter(UIWidget& root) : m_root(root) {}

    // Captures the mouse while a button is held; presses of the same left
    // or right button on a DoubleClicks widget within the system's
    // double-click time and size become MouseDoubleClick.
    void press(Point position, uint32_t button, uint32_t buttons, uint32_t modifiers);
    // Releases the capture when no button is held any more; a right
    // release inside its target is followed by ContextMenu.
    void release(Point position, uint32_t button, uint32_t buttons, uint32_t modifiers);
    // Only a position that differs from the last one is routed; an
    // unchanged one only sets the cursor.
    void move(Point position, uint32_t buttons, uint32_t modifiers);
    // The wheel goes to the widget under the pointer, never to the grabber.
    void wheel(Point position, int32_t delta, bool horizontal, uint32_t modifiers);

    // Sets the pointer's shape for the widget at a window position: the
    // override cursor, else the target's cursorAt, else the arrow.
    void updateCursor(Point position);

private:
    UIWidget& target(Point position, bool grabberFirst) const;
    void applyCursor(UIWidget& target, Point local) const;

    UIWidget& m_root;
    Point m_lastPosition;
    bool m_hasLastPosition = false;
};
