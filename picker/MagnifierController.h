#pragma once
// MagnifierController: what the magnifier does with the pointer.
//
// Left press or drag on the magnifier picks the colour under the pointer; a
// left drag outside the main window shows the live screen around the
// pointer, and releasing it there freezes the desktop; the right button
// pans the frozen image; the wheel and a double-click zoom. The main window
// turns the magnifier's notifications into MagnifierEvents and serves the
// few things the handlers need through MagnifierHost.
//
// The controller borrows the model and the host; both must outlive it.

#include "picker/PickerModel.h"
#include "platform/Geometry.h"

#include <cstdint>

// The toolkit's cursor identifiers the magnifier uses.
enum class MagnifierCursor : int32_t {
    Arrow = 1,
    HandOpen = 6,
    Pipette = 23,
};

// One pointer event of the magnifier.
struct MagnifierEvent {
    // Mouse-button bits, as the toolkit's events carry them.
    enum Button : uint32_t {
        NoButton = 0,
        Left = 1,
        Right = 2,
        Middle = 4,
        Extra1 = 8,
        Extra2 = 0x10,
    };

    Point position;       // magnifier coordinates
    Point screenPosition; // the pointer on the screen
    uint32_t buttons = 0; // buttons held at the time of the event
    uint32_t button = 0;  // the button pressed or released
    int32_t wheelDelta = 0;
    bool hovered = false; // the pointer is over the magnifier

    bool holds(Button b) const { return (buttons & b) != 0; }
};

// What the handlers need from the window around the magnifier.
class MagnifierHost {
public:
    virtual ~MagnifierHost() = default;
    // The magnifier's current size.
    virtual Size magnifierSize() const = 0;
    // The main window's outer rectangle in screen coordinates.
    virtual Rect mainWindowRect() const = 0;
    virtual void setMagnifierCursor(MagnifierCursor cursor) = 0;
    // Hands the new display image to the magnifier and has it repainted.
    virtual void showImage(const UIImage& image) = 0;
};

class MagnifierController {
public:
    MagnifierController(PickerModel& model, MagnifierHost& host) : m_model(model), m_host(host) {}

    MagnifierController(const MagnifierController&) = delete;
    MagnifierController& operator=(const MagnifierController&) = delete;

    void mousePress(const MagnifierEvent& event);
    void mouseMove(const MagnifierEvent& event);
    void mouseRelease(const MagnifierEvent& event);
    void mouseDoubleClick(const MagnifierEvent& event);
    void wheel(const MagnifierEvent& event);
    // The magnifier now has `size`.
    void resize(Size size);

    // Panning: the view centre and the pointer's screen position when the
    // right button went down (the origin is also reset on a left release).
    Point panOrigin() const { return m_panOrigin; }
    Point panStart() const { return m_panStart; }

private:
    void show();

    PickerModel& m_model;
    MagnifierHost& m_host;
    Point m_panOrigin;
    Point m_panStart;
};
