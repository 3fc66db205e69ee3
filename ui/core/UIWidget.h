#pragma once
// UIWidget: the base of every visible element of the toolkit.
//
// A widget is an event receiver, a timer client and a signal receiver. Every
// input, timer, paint and state change reaches it through `event`, the one
// dispatch: input to a disabled widget is dropped, the base does its own
// step for the kind (focus on press, layout on resize, click synthesis ...),
// then the protected virtual handler runs, then the matching channel emits.
//
// Ownership: widgets are owned by whoever created them (window classes and
// dialogs keep them as members). A widget does not delete its children; a
// parent destroyed first detaches them. A top-level widget (flag Window)
// owns its window host and the canvas its widgets are composed into; every
// widget owns its paint buffer.
//
// Sections: flags and channels; construction; the virtual slots; tree and
// geometry; focus; painting; events and timers; private steps.

#include "app/EventReceiver.h"
#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIEvent.h"
#include "ui/core/UIFont.h"
#include "ui/core/UIImage.h"
#include "ui/core/UILayout.h"
#include "ui/core/UILockable.h"
#include "ui/core/UISignal.h"
#include "ui/core/UISignalReceiver.h"
#include "ui/core/UITimerClient.h"

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <vector>

class UIPaintListener;
class UIPopupMenu;
class UISkin;
class UIWindowHost;
struct UIWidgetPrivate;

class UIWidget : public UILockable, public EventReceiver, public UITimerClient, public UISignalReceiver {
public:
    enum class Flag : uint32_t {
        Window = 0x1,
        Created = 0x4,
        Deleting = 0x8,
        DoubleClicks = 0x10,
        Enabled = 0x20,
        Visible = 0x40,
        Hovered = 0x80,
        Pressed = 0x100,
        KeyDown = 0x200,
        TrackHover = 0x400,
        DirectPaint = 0x800,
        Dirty = 0x2000,
        ParentBackground = 0x4000,
        InputMethod = 0x8000,
        HostSignalled = 0x20000,
        // Set by the interactive controls (buttons, fields, combo boxes) as
        // a mark; the base gives it no behaviour.
        Control = 0x40000,
    };
    static constexpr uint32_t kInitialFlags = 0x6820;

    enum class Channel : int32_t {
        Paint = 0,
        Resize = 1,
        Move = 2,
        Show = 3,
        Hide = 4,
        Change = 5, // EnabledChange and WindowStateChange
        Close = 6,
        Reserved7 = 7,
        EndSession = 8, // emitted by the window host
        Reserved9 = 9,
        MousePress = 10,
        MouseRelease = 11,
        MouseMove = 12,
        Click = 13,
        MouseDoubleClick = 14,
        Enter = 15,
        Leave = 16,
        Reserved17 = 17,
        Timer = 18,
        FocusIn = 19,
        FocusOut = 20,
        HotKey = 21,
        DragEnter = 22,
        DragMove = 23,
        DragLeave = 24,
        Drop = 25,
        Wheel = 26,
        KeyPress = 27,
        KeyRelease = 28,
        InstanceMessage = 29,
    };
    static constexpr int32_t kChannelCount = 30;

    // Bits of the focus policy.
    enum FocusPolicy : uint32_t { NoFocus = 0, TabFocus = 1, ClickFocus = 2, WheelFocus = 4 };
    // Bit of dropFlags: the widget can be the target of drag and drop.
    static constexpr uint32_t kAcceptsDrops = 2;
    static constexpr uint32_t kHoverInterval = 20;
    static constexpr uint32_t kTabKey = 9;

    // The widget is appended to the parent's children and to the registry.
    explicit UIWidget(UIWidget* parent = nullptr);
    // Runs the teardown if it has not run yet, so Hide still reaches the
    // channels. A class whose own handlers or connections use its members
    // calls destroyWidget in its destructor, while those members exist.
    ~UIWidget() override;

    // The style key of a style name: h = h * 101 + unit over its UTF-16
    // code units, wrapping, from 0.
    static uint64_t styleKey(StringView styleName);

    // --- Virtual slots 3 to 44 (1 and 2 are lock and unlock) ---
    virtual void retranslate() {}
    virtual Size sizeHint() const { return {}; }
    virtual Size contentsSizeHint() const { return {}; }
    virtual void setStyleProperty(StringView name, StringView value);
    virtual void setExtraProperty(StringView name, StringView value);
    virtual void setSkin(StringView name, const UISkin& skin);
    virtual int32_t cursorAt(Point position) const;
    virtual void setContentOffset(int32_t horizontal, int32_t vertical);
    virtual void move(int32_t x, int32_t y);
    virtual void resize(int32_t width, int32_t height);
    virtual void setVisible(bool visible);
    virtual void enable();
    virtual void disable();
    virtual Margins contentsMargins() const { return {}; }
    virtual UIFont font() const;
    virtual String toolTipAt(Point position) const;
    // Called once by every widget class after construction.
    virtual void create(StringView styleName);

protected:
    virtual void paintEvent(UIPaintEvent&) {}
    virtual void resizeEvent(UIResizeEvent&) {}
    virtual void moveEvent(UIMoveEvent&) {}
    virtual void keyPressEvent(UIKeyEvent&) {}
    virtual void keyReleaseEvent(UIKeyEvent&) {}
    virtual void mousePressEvent(UIMouseEvent&) {}
    virtual void mouseReleaseEvent(UIMouseEvent&) {}
    virtual void clickEvent(UIMouseEvent&) {}
    virtual void mouseDoubleClickEvent(UIMouseEvent&) {}
    virtual void wheelEvent(UIWheelEvent&) {}
    virtual void enterEvent(UIMouseEvent&) {}
    virtual void leaveEvent(UIMouseEvent&) {}
    virtual void mouseMoveEvent(UIMouseEvent&) {}
    virtual void timerEvent(UITimerEvent&) {}
    virtual void focusInEvent(UIEvent&) {}
    virtual void focusOutEvent(UIEvent&) {}
    virtual void showEvent(UIEvent&) {}
    virtual void hideEvent(UIEvent&) {}
    // EnabledChange and WindowStateChange.
    virtual void changeEvent(UIEvent&) {}
    // Clearing `accepted` refuses the close.
    virtual void closeEvent(UIEvent&) {}
    virtual void instanceMessageEvent(UIInstanceMessageEvent&) {}
    virtual void dragEnterEvent(UIDragEvent&) {}
    virtual void dragMoveEvent(UIDragEvent&) {}
    virtual void dragLeaveEvent(UIDragEvent&) {}
    virtual void dropEvent(UIDragEvent&) {}

public:
    // The one dispatch; returns the event's `accepted`.
    virtual bool event(UIEvent& event);
    bool handleEvent(Event& event) final;
    // Wraps the id in a Timer event and sends it to this widget.
    void timerFired(uint32_t id) override;

    // --- Flags ---
    // Nothing happens when the bit already has the value; otherwise the
    // side effects of Window, Enabled, Visible and ParentBackground run.
    void setFlag(Flag flag, bool on);
    bool testFlag(Flag flag) const;
    uint32_t flags() const;

    int32_t serial() const;
    const String& styleName() const;
    uint64_t styleKey() const;

    UISignal& channel(Channel channel) { return m_channels[static_cast<size_t>(channel)]; }
    // Emits the end-of-session channel with an empty event; returns whether
    // every listener let the session end.
    bool emitEndSession();

    // --- Tree ---
    UIWidget* parent() const;
    const std::list<UIWidget*>& children() const { return m_children; }
    // The top-level ancestor: the nearest one with Window, else the root.
    UIWidget* window() const;
    bool isWindow() const { return testFlag(Flag::Window); }
    // Whether this widget is `ancestor` or lies below it.
    bool isDescendantOf(const UIWidget* ancestor) const;
    // The deepest effectively visible, non-window descendant of `root` under
    // the point (root coordinates); of overlapping siblings the one drawn on
    // top (added last) wins. Null when no child of the root is there.
    static UIWidget* childAt(UIWidget& root, Point position);

    // The layout of the children and this widget's placement in its
    // parent's layout.
    UILayout& layout();
    const UILayout& layout() const;
    UIWindowHost* host() const;

    // --- Geometry ---
    int32_t x() const { return m_x; }
    int32_t y() const { return m_y; }
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    Point position() const { return {m_x, m_y}; }
    Size size() const { return {m_width, m_height}; }
    Rect geometry() const { return {m_x, m_y, m_width, m_height}; }
    Rect rect() const { return {0, 0, m_width, m_height}; }
    void setGeometry(const Rect& geometry);
    Size minimumSize() const { return {m_minimumWidth, m_minimumHeight}; }
    Size maximumSize() const { return {m_maximumWidth, m_maximumHeight}; }
    // 0 means no limit; a resize is clamped to the limits.
    void setMinimumSize(Size size);
    void setMaximumSize(Size size);
    int32_t contentOffsetH() const { return m_contentOffsetH; }
    int32_t contentOffsetV() const { return m_contentOffsetV; }

    // Position of this widget in its window's client area.
    Point windowPosition() const;
    // A point of this widget in window coordinates and back.
    Point mapToWindow(Point position) const;
    Point mapFromWindow(Point position) const;
    // A point given in an ancestor's coordinates, in this widget's.
    Point mapFrom(const UIWidget& ancestor, Point position) const;
    Point mapToScreen(Point position) const;
    Point mapFromScreen(Point screenPosition) const;

    // --- State ---
    // Effectively visible: this widget and every ancestor are Visible, and
    // the native window of a created top-level widget is visible.
    bool isVisible() const;
    bool isEnabled() const { return testFlag(Flag::Enabled); }
    bool isCreated() const { return testFlag(Flag::Created); }
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // How the window is shown next (handed to the host, then cleared).
    void setShowState(bool maximized, bool minimized);

    int32_t cursor() const;
    void setCursor(int32_t id);
    const String& toolTip() const;
    void setToolTip(String text);
    int32_t toolTipMaxLength() const;
    void setToolTipMaxLength(int32_t length);
    // The tooltip's delay, display time and options (UIToolTipSettings).
    void setToolTipPlacement(const std::array<int32_t, 3>& values);
    int32_t placement() const;
    void setPlacement(int32_t alignment);
    UIPopupMenu* contextMenu() const;
    // The menu is not owned.
    void setContextMenu(UIPopupMenu* menu);
    uint32_t dropFlags() const;
    void setDropFlags(uint32_t flags);

    // --- Focus ---
    uint32_t focusPolicy() const;
    void setFocusPolicy(uint32_t policy);
    // Only a positive tab index admits the widget to its window's chain.
    int32_t tabIndex() const;
    void setTabIndex(int32_t index);
    bool hasFocus() const;
    void setFocus();
    void clearFocus();
    // Move the focus along this widget's window's focus chain.
    void focusNext();
    void focusPrevious();
    // The window's chain: registry order, focusable by Tab, positive tab
    // index, effectively visible and enabled.
    std::vector<UIWidget*> focusChain() const;
    // Whether this widget's window is the active foreground window.
    bool isActiveWindow() const;

    // --- Painting ---
    // Paints the widget and its descendants at once and flushes them, or
    // marks the window dirty when that is not possible now.
    void update();
    // Flushes a rectangle (widget coordinates) of the window's canvas.
    void update(const Rect& rect);
    // Rebuilds the window's canvas under this widget from the paint buffers
    // as they are, without painting, and flushes it: enough when only the
    // arrangement changed (a child hidden), since children never draw into
    // their parent's buffer.
    void compose();
    UIImage& paintBuffer();
    // The window's composition surface (empty on non-top-level widgets).
    const UIImage& canvas() const;
    // The listener is owned by this widget; called after each full paint
    // of the window.
    UIPaintListener* addPaintListener(std::unique_ptr<UIPaintListener> listener);
    void removePaintListener(UIPaintListener* listener);

    // --- Events and timers ---
    // Delivers now if the receiver is registered and not being destroyed;
    // the caller keeps the event.
    static bool sendEvent(UIWidget* receiver, UIEvent& event);
    // Queues the event; it is delivered later under the same checks.
    static bool postEvent(UIWidget* receiver, std::unique_ptr<UIEvent> event);
    // Posts a Close event (accepted unless a handler or listener refuses).
    void close();
    bool startTimer(uint32_t id, uint32_t intervalMs);
    void killTimer(uint32_t id);

    // Tears the widget down once: no more events, hidden, out of its
    // parent, forgotten by the manager. Run by an accepted Close and by the
    // destructor.
    void destroyWidget();

private:
    friend class UIManager;

    template <class E>
    bool deliver(void (UIWidget::*handler)(E&), Channel channel, UIEvent& event);
    bool emitOn(Channel channel, UIEvent& event);
    bool dispatch(UIEvent& event);
    // The size within the minimum and maximum (0 = no limit).
    Size clampedToLimits(Size size) const;
    // Hands the current style set's properties and skins of the widget's
    // style name to setStyleProperty and setSkin, in their documents' order.
    void applyStyle();
    void hoverCheck(UITimerEvent& event);
    void dispatchResize(UIResizeEvent& event);
    void dispatchMouseRelease(UIMouseEvent& event);
    void dispatchMouseMove(UIMouseEvent& event);
    void dispatchKey(UIKeyEvent& event);
    void dispatchFocusChange(UIEvent& event, bool in);
    void updateToolTip(Point position);

    void applyWindowFlag();
    void applyEnabledFlag(bool on);
    void applyVisibleFlag(bool on, bool tearingDown);
    void runModalLoop();
    void finishModalLoop();
    void relayoutParent();
    void invalidateTopLevel();
    void detachFromParent();
    void growBuffer();

    bool prepareCanvas();
    void paintTree(const Rect& clip);
    void paintOne(const Rect& clip);
    void composeTree(const Rect& clip);
    void composeOne(const Rect& clip);
    void composeAbove(const Rect& area);
    // This widget's rectangle in window coordinates, cut by its ancestors.
    Rect visibleWindowRect() const;
    void flushWindow(const Rect& windowRect);

    // --- Fields, in declaration order ---
    std::array<UISignal, kChannelCount> m_channels;
    std::unique_ptr<UIWidgetPrivate> d;
    int32_t m_x = 0;
    int32_t m_y = 0;
    int32_t m_width = 1;
    int32_t m_height = 1;
    std::list<UIWidget*> m_children;
    int32_t m_contentOffsetV = 0;
    int32_t m_contentOffsetH = 0;
    int32_t m_minimumWidth = 0;
    int32_t m_minimumHeight = 0;
    int32_t m_maximumWidth = 0;
    int32_t m_maximumHeight = 0;
};

// The bits of several flags, for masks.
constexpr uint32_t operator|(UIWidget::Flag a, UIWidget::Flag b)
{
    return static_cast<uint32_t>(a) | static_cast<uint32_t>(b);
}
