#pragma once
// UIScrollBar: a skinned horizontal or vertical scroll bar: two optional
// arrow buttons at its ends, the track between them and a thumb whose
// length shows the page's share of the whole.
//
// Input: a press on an arrow steps at once and then repeats while held
// (timer kAutoRepeatTimer), faster the farther the pointer is dragged
// along the bar; a press on the track pages towards the press (with Shift
// the value jumps to the point); the thumb is dragged; the wheel steps.
//
// Frames of every part: 0 normal, 1 hovered, 2 pressed, 3 disabled. The bar
// background shows only normal or disabled; an arrow or the thumb is
// pressed while it is the held part and hovered while the pointer is on it.

#include "platform/Geometry.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UISkin.h"
#include "ui/widgets/UIAbstractSlider.h"

#include <array>
#include <cstdint>

class UIScrollBar : public UIAbstractSlider {
public:
    static constexpr uint32_t kAutoRepeatTimer = 100020;
    // Held on an arrow, the first repeat waits longer than the next ones,
    // so a click steps exactly once.
    static constexpr uint32_t kAutoRepeatDelayMs = 400;
    static constexpr uint32_t kAutoRepeatIntervalMs = 50;
    static constexpr int32_t kArrowStep = 3;
    static constexpr double kAutoRepeatFactor = 0.15;

    // The part of the bar under a point.
    enum class Part { None, DecrementArrow, IncrementArrow, TrackBefore, Thumb, TrackAfter };

    explicit UIScrollBar(UIWidget* parent = nullptr, Orientation orientation = Orientation::Horizontal);
    ~UIScrollBar() override;

    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;
    Size sizeHint() const override;

    bool arrowsShown() const { return m_arrowsShown; }
    void setArrowsShown(bool shown);
    int32_t thickness() const { return m_thickness; }

    // Geometry along the bar, in widget coordinates.
    int32_t arrowLength() const { return m_arrowsShown ? m_thickness : 0; }
    int32_t thumbLength() const;
    // The thumb's rectangle; empty when the track has no room.
    Rect thumbRect() const;
    Part partAt(Point position) const;
    // The value whose thumb centre lies at `along` (a coordinate along the
    // bar); the minimum when the thumb fills the track.
    int32_t valueAt(int32_t along) const;

    bool event(UIEvent& event) override;

protected:
    void paintEvent(UIPaintEvent& event) override;
    void mousePressEvent(UIMouseEvent& event) override;
    void mouseReleaseEvent(UIMouseEvent& event) override;
    void mouseMoveEvent(UIMouseEvent& event) override;
    void changeEvent(UIEvent& event) override;
    void enterEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;
    void wheelEvent(UIWheelEvent& event) override;
    void timerEvent(UITimerEvent& event) override;

private:
    // Skins by role; each orientation has its own set.
    enum Role {
        Background,
        DecrementBackground,
        IncrementBackground,
        ThumbBackground,
        Gripper,
        DecrementGlyph,
        IncrementGlyph,
        kRoleCount
    };

    int32_t length() const { return isHorizontal() ? width() : height(); }
    int32_t along(Point p) const { return isHorizontal() ? p.x : p.y; }
    int32_t thumbStart() const;
    // A span along the bar as a rectangle across its whole thickness.
    Rect span(int32_t start, int32_t extent) const;
    Rect partRect(Part part) const;
    int32_t frameOf(Part part) const;
    const UISkin& skin(Role role) const { return m_skins[static_cast<size_t>(orientation())][role]; }
    // The step of one auto-repeat tick for the last pointer position.
    int64_t repeatStep() const;
    void stopRepeat();
    bool livesInPopup() const;

    UIBrush m_background = UIBrush::solid(kTransparentColor);
    int32_t m_thickness = 0;
    int32_t m_thumbMinimumLength = 0;
    bool m_arrowsShown = true;
    std::array<std::array<UISkin, kRoleCount>, 2> m_skins;

    Part m_pressedPart = Part::None;
    bool m_repeating = false;
    bool m_dragging = false;
    int32_t m_dragOffset = 0;
    Point m_pointer;
};
