#pragma once
// UISizeGrip: a handle that resizes its top-level window by dragging.
//
// A left press remembers where the pointer grabbed the grip, as an offset
// from the grip's bottom-right corner; while the button stays down, the
// window is resized so that this offset is kept between the pointer and
// the window's bottom-right corner. Pointer jitter below kMoveThreshold in
// both axes is ignored. While the window is maximised or minimised the grip
// is inert: it paints nothing, shows the arrow and ignores drags.

#include "ui/core/UISkin.h"
#include "ui/core/UIWidget.h"

class UISizeGrip : public UIWidget {
public:
    static constexpr int32_t kMoveThreshold = 2;
    static constexpr int32_t kMinimumExtent = 10;

    // Watches the window of `parent` (or itself) for state changes; the
    // connection ends with the grip.
    explicit UISizeGrip(UIWidget* parent = nullptr);
    ~UISizeGrip() override;

    Size sizeHint() const override;
    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;
    int32_t cursorAt(Point position) const override;

    bool isDragging() const { return m_dragging; }
    // Whether the window is maximised or minimised, as last seen.
    bool isHiddenByWindowState() const { return m_hiddenByWindowState; }

protected:
    void paintEvent(UIPaintEvent& event) override;
    void mousePressEvent(UIMouseEvent& event) override;
    void mouseMoveEvent(UIMouseEvent& event) override;
    void mouseReleaseEvent(UIMouseEvent& event) override;

private:
    void windowStateChanged();

    Size m_size;
    UISkin m_background;
    bool m_dragging = false;
    // In window coordinates, so that the grip moving with the window it
    // resizes does not count as pointer movement.
    Point m_lastPosition;
    Point m_grabOffset;
    bool m_hiddenByWindowState = false;
};
