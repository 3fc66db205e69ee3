#pragma once
// The toolkit-wide singleton: the registry of live widgets in construction
// order, the "main" widget slot, the override cursor, deferred disposal, the
// window-host factory and the process-wide records of input state (focus
// widget, mouse grabber, resize in progress, double-click history, tooltip
// owner). A widget that goes is forgotten by every record, so none of them
// ever names a destroyed widget.
//
// Ownership: widgets belong to whoever created them. The manager only owns
// the widgets handed to `adopt`, and deletes them after their teardown.

#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UICursorTable.h"
#include "ui/core/UIToolTipPresenter.h"

#include <array>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

class UIStyleSet;
class UIWidget;
class UIWindowHost;

class UIManager {
public:
    using WindowHostFactory = std::function<std::unique_ptr<UIWindowHost>(UIWidget& owner)>;

    // One press of the double-click history.
    struct PressRecord {
        uint32_t button = 0;
        uint64_t time = 0;
        Point position;
        UIWidget* target = nullptr;
    };

    static UIManager& instance();

    // --- Registry ---
    const std::list<UIWidget*>& widgets() const { return m_widgets; }
    size_t widgetCount() const { return m_widgets.size(); }
    bool isRegistered(const UIWidget* widget) const { return m_index.contains(widget); }
    // Whether the widget with this serial is still alive (a widget built
    // later at the same address has another serial).
    bool isAlive(const UIWidget* widget, int32_t serial) const;
    // The next widget serial: 1 for the first widget of the process.
    int32_t nextSerial() { return ++m_serialCounter; }

    UIWidget* mainWidget() const { return m_main; }
    void setMainWidget(UIWidget* widget) { m_main = widget; }

    // A cursor identifier every widget shows, or 0 for none.
    int32_t overrideCursor() const { return m_overrideCursor; }
    void setOverrideCursor(int32_t id) { m_overrideCursor = id; }
    // The pointer shapes by identifier (system cursors and the data
    // package's), and making one of them the pointer's shape.
    UICursorTable& cursors() { return m_cursors; }
    void applyCursor(int32_t id);
    void applyCursor(CursorId id) { applyCursor(static_cast<int32_t>(id)); }

    // --- Style set ---
    // The current look: skins, models, metrics and standard images that
    // every widget receives in `create`. Null until one is loaded.
    const UIStyleSet* styleSet() const { return m_styleSet.get(); }
    // Finds and loads the style set `name` (see findStyle) and makes it the
    // current one. A failed load keeps the current set and answers false.
    bool loadStyle(StringView name, StringView executableFolder);
    void setStyleSet(std::unique_ptr<UIStyleSet> styleSet);

    // --- Top-level windows ---
    enum TopLevelFilter : uint32_t {
        VisibleOnly = 1,
        SkipMenus = 2,
        SkipToolTips = 4,
        SkipBalloonTips = 8,
        AddOtherTopLevels = 16,
    };
    // Registered widgets with Window, kept by the filter (style names
    // "UIMenu", "UIToolTip", "UIBalloonTip"), plus the count of other
    // top-level objects with AddOtherTopLevels.
    int32_t countTopLevelWindows(uint32_t filter) const;
    // Top-level objects of the program that are not widgets.
    void addOtherTopLevels(int32_t delta) { m_otherTopLevels += delta; }

    // --- Window hosts ---
    void setWindowHostFactory(WindowHostFactory factory) { m_hostFactory = std::move(factory); }
    std::unique_ptr<UIWindowHost> createWindowHost(UIWidget& owner) const;

    // --- Process-wide input records ---
    UIWidget* focusWidget() const { return m_focus; }
    void setFocusWidget(UIWidget* widget) { m_focus = widget; }
    UIWidget* grabber() const { return m_grabber; }
    void setGrabber(UIWidget* widget) { m_grabber = widget; }
    UIWidget* resizeInProgress() const { return m_resizing; }
    void setResizeInProgress(UIWidget* widget) { m_resizing = widget; }
    // The last two presses, newest last.
    std::array<PressRecord, 2>& pressHistory() { return m_presses; }
    void resetPressHistory() { m_presses = {}; }

    // --- Tooltip ---
    // The presenter is not owned; it uninstalls itself when it goes.
    void setToolTipPresenter(UIToolTipPresenter* presenter) { m_toolTipPresenter = presenter; }
    UIToolTipPresenter* toolTipPresenter() const { return m_toolTipPresenter; }
    UIWidget* toolTipOwner() const { return m_toolTipOwner; }
    const String& toolTipText() const { return m_toolTipText; }
    void showToolTip(UIWidget& owner, StringView text, const UIToolTipSettings& settings);
    void hideToolTip();
    // Hides the tooltip when it belongs to the widget.
    void hideToolTipOf(const UIWidget* widget);

    // --- Failure beep ---
    // The switch is on from the start. While it is on, `failureBeep` stops
    // any sound playing and plays the system's simple beep: the only
    // feedback of a refused edit or a clipboard that could not be used.
    bool failureBeepEnabled() const { return m_failureBeep; }
    void setFailureBeepEnabled(bool on) { m_failureBeep = on; }
    void failureBeep() const;

    // --- Disposal ---
    // The manager becomes the widget's owner; it deletes it after the
    // widget's teardown (in a later turn of the event loop) or at exit.
    UIWidget* adopt(std::unique_ptr<UIWidget> widget);
    // Called by a widget's teardown: forgets it in every record and, for an
    // adopted widget, schedules its deletion.
    void dispose(UIWidget* widget);
    // Deletes the adopted widgets whose teardown has run.
    void collectDisposed();
    size_t pendingDisposals() const { return m_disposed.size(); }

private:
    friend class UIWidget;

    UIManager() = default;
    ~UIManager();

    void registerWidget(UIWidget* widget);
    void unregisterWidget(UIWidget* widget);
    void forget(const UIWidget* widget);

    std::list<UIWidget*> m_widgets;
    std::unordered_map<const UIWidget*, std::list<UIWidget*>::iterator> m_index;
    int32_t m_serialCounter = 0;
    UIWidget* m_main = nullptr;
    int32_t m_overrideCursor = 0;
    UICursorTable m_cursors;
    std::unique_ptr<UIStyleSet> m_styleSet;
    WindowHostFactory m_hostFactory;
    int32_t m_otherTopLevels = 0;

    UIWidget* m_focus = nullptr;
    UIWidget* m_grabber = nullptr;
    UIWidget* m_resizing = nullptr;
    std::array<PressRecord, 2> m_presses{};

    UIToolTipPresenter* m_toolTipPresenter = nullptr;
    UIWidget* m_toolTipOwner = nullptr;
    String m_toolTipText;

    bool m_failureBeep = true;

    std::vector<std::unique_ptr<UIWidget>> m_adopted;
    std::vector<std::unique_ptr<UIWidget>> m_disposed;
    bool m_collectionPosted = false;
};
