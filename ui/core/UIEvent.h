#pragma once
// The toolkit's events: a type code from 100 to 128, the three state bits
// every event carries, and one small class per kind of payload.
//
// An event is created with `new` (std::make_unique) and owned by whoever
// delivers it: a sent event stays the sender's, a posted one belongs to the
// event service until it is delivered or dropped.

#include "app/Event.h"
#include "platform/Geometry.h"
#include "platform/Text.h"

#include <array>
#include <cstdint>

enum class UIEventType : int32_t {
    Timer = 100,
    Paint = 101,
    Resize = 102,
    Show = 103,
    Hide = 104,
    Move = 105,
    MousePress = 106,
    MouseRelease = 107,
    Click = 108,
    MouseDoubleClick = 109,
    MouseMove = 110,
    Leave = 111,
    Enter = 112,
    Close = 113,
    ContextMenu = 114,
    FocusIn = 115,
    FocusOut = 116,
    HotKey = 117,
    DragEnter = 118,
    DragMove = 119,
    DragLeave = 120,
    Drop = 121,
    KeyPress = 122,
    KeyRelease = 123,
    // 124 is never produced.
    Wheel = 125,
    EnabledChange = 126,
    WindowStateChange = 127,
    InstanceMessage = 128,
};

class UIEvent : public Event {
public:
    static constexpr int32_t kFirstType = 100;
    static constexpr int32_t kLastType = 128;

    // Input and system events (mouse, keys, wheel, context menu, drag) are
    // flagged `input`: a disabled widget ignores them.
    explicit UIEvent(UIEventType type);

    UIEventType kind() const { return static_cast<UIEventType>(type()); }
    static bool isUIEventType(int type) { return type >= kFirstType && type <= kLastType; }

    bool isAccepted() const { return m_accepted; }
    void setAccepted(bool accepted) { m_accepted = accepted; }
    void accept() { m_accepted = true; }
    void ignore() { m_accepted = false; }
    // Set by postEvent when the event goes through the queue.
    bool isPosted() const { return m_posted; }
    void setPosted(bool posted) { m_posted = posted; }
    bool isInput() const { return m_input; }

    // The payload class of this kind, for handlers that know the kind.
    template <class T>
    T& as()
    {
        return static_cast<T&>(*this);
    }
    template <class T>
    const T& as() const
    {
        return static_cast<const T&>(*this);
    }

private:
    bool m_accepted;
    bool m_posted = false;
    bool m_input;
};

class UITimerEvent : public UIEvent {
public:
    explicit UITimerEvent(uint32_t id) : UIEvent(UIEventType::Timer), m_id(id) {}
    uint32_t id() const { return m_id; }

private:
    uint32_t m_id;
};

class UIPaintEvent : public UIEvent {
public:
    explicit UIPaintEvent(const Rect& rect, Point origin = {})
        : UIEvent(UIEventType::Paint)
        , m_rect(rect)
        , m_origin(origin)
    {}
    // The area to repaint, in widget coordinates.
    const Rect& rect() const { return m_rect; }
    Point origin() const { return m_origin; }

private:
    Rect m_rect;
    Point m_origin;
};

class UIResizeEvent : public UIEvent {
public:
    UIResizeEvent(Size size, Size oldSize) : UIEvent(UIEventType::Resize), m_size(size), m_oldSize(oldSize) {}
    Size size() const { return m_size; }
    Size oldSize() const { return m_oldSize; }

private:
    Size m_size;
    Size m_oldSize;
};

class UIMoveEvent : public UIEvent {
public:
    UIMoveEvent(Point position, Point oldPosition)
        : UIEvent(UIEventType::Move)
        , m_position(position)
        , m_oldPosition(oldPosition)
    {}
    Point position() const { return m_position; }
    Point oldPosition() const { return m_oldPosition; }

private:
    Point m_position;
    Point m_oldPosition;
};

// Press, release, click, double click and move; Enter and Leave carry only
// the position and the modifiers. Positions are in widget coordinates.
class UIMouseEvent : public UIEvent {
public:
    UIMouseEvent(UIEventType type, uint32_t buttons, uint32_t button, Point position, uint32_t modifiers)
        : UIEvent(type)
        , m_buttons(buttons)
        , m_button(button)
        , m_position(position)
        , m_modifiers(modifiers)
    {}
    // The OR of platform::MouseButton bits held.
    uint32_t buttons() const { return m_buttons; }
    // The button that changed (0 for moves).
    uint32_t button() const { return m_button; }
    Point position() const { return m_position; }
    // The OR of platform::KeyModifier bits.
    uint32_t modifiers() const { return m_modifiers; }

private:
    uint32_t m_buttons;
    uint32_t m_button;
    Point m_position;
    uint32_t m_modifiers;
};

enum class WheelDirection : int32_t {
    HorizontalNegative = 1, // horizontal, delta <= 0
    HorizontalPositive = 2, // horizontal, delta > 0
    VerticalNegative = 3,   // vertical, delta <= 0
    VerticalPositive = 4,   // vertical, delta > 0
};

class UIWheelEvent : public UIEvent {
public:
    static constexpr int32_t kNotch = 120;

    UIWheelEvent(Point position, int32_t delta, bool horizontal, uint32_t modifiers)
        : UIEvent(UIEventType::Wheel)
        , m_position(position)
        , m_delta(delta)
        , m_modifiers(modifiers)
        , m_direction(horizontal ? (delta > 0 ? WheelDirection::HorizontalPositive : WheelDirection::HorizontalNegative)
                                 : (delta > 0 ? WheelDirection::VerticalPositive : WheelDirection::VerticalNegative))
    {}
    int32_t count() const { return 1; }
    Point position() const { return m_position; }
    int32_t delta() const { return m_delta; }
    uint32_t modifiers() const { return m_modifiers; }
    WheelDirection direction() const { return m_direction; }

private:
    Point m_position;
    int32_t m_delta;
    uint32_t m_modifiers;
    WheelDirection m_direction;
};

class UIContextMenuEvent : public UIEvent {
public:
    UIContextMenuEvent(Point position, Point screenPosition)
        : UIEvent(UIEventType::ContextMenu)
        , m_position(position)
        , m_screenPosition(screenPosition)
    {}
    Point position() const { return m_position; }
    Point screenPosition() const { return m_screenPosition; }

private:
    Point m_position;
    Point m_screenPosition;
};

class UIHotKeyEvent : public UIEvent {
public:
    explicit UIHotKeyEvent(int32_t id) : UIEvent(UIEventType::HotKey), m_id(id) {}
    int32_t id() const { return m_id; }

private:
    int32_t m_id;
};

class UIKeyEvent : public UIEvent {
public:
    using NativeValues = std::array<uint32_t, 3>;

    UIKeyEvent(UIEventType type, uint32_t key, uint32_t modifiers, String text = {}, NativeValues native = {},
               bool autoRepeat = false)
        : UIEvent(type)
        , m_key(key)
        , m_modifiers(modifiers)
        , m_text(std::move(text))
        , m_native(native)
        , m_autoRepeat(autoRepeat)
    {}
    // The virtual-key code.
    uint32_t key() const { return m_key; }
    uint32_t modifiers() const { return m_modifiers; }
    const String& text() const { return m_text; }
    // The window host's modifier word, scan code and key-state word.
    const NativeValues& nativeValues() const { return m_native; }
    bool isAutoRepeat() const { return m_autoRepeat; }

private:
    uint32_t m_key;
    uint32_t m_modifiers;
    String m_text;
    NativeValues m_native;
    bool m_autoRepeat;
};

class UIInstanceMessageEvent : public UIEvent {
public:
    explicit UIInstanceMessageEvent(intptr_t value) : UIEvent(UIEventType::InstanceMessage), m_value(value) {}
    intptr_t value() const { return m_value; }

private:
    intptr_t m_value;
};

// The data of a drag-and-drop operation; defined with the clipboard.
class UIMimeData;

// DragEnter, DragMove, DragLeave and Drop. The data belongs to the
// drag-and-drop operation and lives as long as the event.
class UIDragEvent : public UIEvent {
public:
    UIDragEvent(UIEventType type, const UIMimeData* data, uint32_t effect, uint32_t keyState, Point position)
        : UIEvent(type)
        , m_data(data)
        , m_effect(effect)
        , m_keyState(keyState)
        , m_position(position)
    {}
    const UIMimeData* mimeData() const { return m_data; }
    uint32_t proposedEffect() const { return m_effect; }
    uint32_t keyState() const { return m_keyState; }
    Point position() const { return m_position; }

private:
    const UIMimeData* m_data;
    uint32_t m_effect;
    uint32_t m_keyState;
    Point m_position;
};

// What the end-of-session channel passes: an empty event of no type, so
// handlers always get a valid object. Clearing `accepted` asks the window
// host to refuse the end of the session.
class UIEndSessionEvent : public UIEvent {
public:
    UIEndSessionEvent();
};

// What a widget's own notifications (a button's `clicked`, a slider's
// `valueChanged` ...) pass: an event of no type that is never dispatched,
// carrying the new value where the notification has one.
class UINotifyEvent : public UIEvent {
public:
    explicit UINotifyEvent(int64_t value = 0) : UIEvent(static_cast<UIEventType>(0)), m_value(value) {}
    int64_t value() const { return m_value; }

private:
    int64_t m_value;
};
