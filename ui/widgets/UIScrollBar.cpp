#include "ui/widgets/UIScrollBar.h"
#include "platform/InputState.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIWindowHost.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int32_t kNormalFrame = 0;
constexpr int32_t kHoveredFrame = 1;
constexpr int32_t kPressedFrame = 2;
constexpr int32_t kDisabledFrame = 3;

// A bar takes the focus on a press like any control but is never reached
// with Tab: the view it scrolls is the thing to focus.
constexpr uint32_t kFocusPolicy = UIWidget::ClickFocus;

// A frame drawn centred in `box`, at its own size where that fits.
Rect centredFrame(const UISkin& skin, const Rect& box)
{
    const int32_t w = std::min(skin.frameWidth(), box.width);
    const int32_t h = std::min(skin.frameHeight(), box.height);
    return {box.x + (box.width - w) / 2, box.y + (box.height - h) / 2, w, h};
}

} // namespace

UIScrollBar::UIScrollBar(UIWidget* parent, Orientation orientation) : UIAbstractSlider(parent)
{
    setOrientation(orientation);
    setFocusPolicy(kFocusPolicy);
    // Enter and Leave repaint the hovered part.
    setFlag(Flag::TrackHover, true);
    create(u"UIScrollBar");
}

UIScrollBar::~UIScrollBar() { destroyWidget(); }

void UIScrollBar::setStyleProperty(StringView name, StringView value)
{
    if (name == u"background")
        m_background = parseFill(value);
    else if (name == u"thickness")
        m_thickness = std::max(0, parseInteger(value));
    else if (name == u"thumbMinimumLength")
        m_thumbMinimumLength = std::max(0, parseInteger(value));
    else
        return;
    update();
}

void UIScrollBar::setSkin(StringView name, const UISkin& skin)
{
    struct Entry {
        const char16_t* name;
        Orientation orientation;
        Role role;
    };
    constexpr Orientation kH = Orientation::Horizontal;
    constexpr Orientation kV = Orientation::Vertical;
    static const Entry kEntries[] = {
        {u"UIScrollBar_HorizontalBackground", kH, Background},
        {u"UIScrollBar_LeftArrowBackground", kH, DecrementBackground},
        {u"UIScrollBar_RightArrowBackground", kH, IncrementBackground},
        {u"UIScrollBar_HorizontalThumbBackground", kH, ThumbBackground},
        {u"UIScrollBar_HorizontalThumbGripper", kH, Gripper},
        {u"UIScrollBar_ArrowLeft", kH, DecrementGlyph},
        {u"UIScrollBar_ArrowRight", kH, IncrementGlyph},
        {u"UIScrollBar_VerticalBackground", kV, Background},
        {u"UIScrollBar_TopArrowBackground", kV, DecrementBackground},
        {u"UIScrollBar_BottomArrowBackground", kV, IncrementBackground},
        {u"UIScrollBar_VerticalThumbBackground", kV, ThumbBackground},
        {u"UIScrollBar_VerticalThumbGripper", kV, Gripper},
        {u"UIScrollBar_ArrowUp", kV, DecrementGlyph},
        {u"UIScrollBar_ArrowDown", kV, IncrementGlyph},
    };
    for (const Entry& entry : kEntries) {
        if (name == entry.name) {
            m_skins[static_cast<size_t>(entry.orientation)][entry.role] = skin;
            update();
            return;
        }
    }
}

Size UIScrollBar::sizeHint() const
{
    const int32_t along = m_thumbMinimumLength + 2 * arrowLength();
    return isHorizontal() ? Size{along, m_thickness} : Size{m_thickness, along};
}

void UIScrollBar::setArrowsShown(bool shown)
{
    if (shown == m_arrowsShown)
        return;
    m_arrowsShown = shown;
    update();
}

// --- Geometry ---

int32_t UIScrollBar::thumbLength() const
{
    const int32_t track = std::max(0, length() - 2 * arrowLength());
    const int64_t range = int64_t{maximum()} - minimum();
    if (range <= 0 || pageStep() <= 0)
        return std::min(track, range <= 0 ? track : m_thumbMinimumLength);
    const double share = static_cast<double>(pageStep()) / static_cast<double>(range + pageStep());
    const auto proportional = static_cast<int32_t>(std::lround(track * share));
    return std::min(track, std::max(proportional, m_thumbMinimumLength));
}

int32_t UIScrollBar::thumbStart() const
{
    const int32_t free = length() - 2 * arrowLength() - thumbLength();
    const int64_t range = int64_t{maximum()} - minimum();
    if (free <= 0 || range <= 0)
        return arrowLength();
    const double offset = static_cast<double>(free) * static_cast<double>(int64_t{value()} - minimum()) / range;
    return arrowLength() + static_cast<int32_t>(std::lround(offset));
}

Rect UIScrollBar::span(int32_t start, int32_t extent) const
{
    return isHorizontal() ? Rect{start, 0, extent, height()} : Rect{0, start, width(), extent};
}

Rect UIScrollBar::thumbRect() const
{
    const int32_t thumb = thumbLength();
    return thumb > 0 ? span(thumbStart(), thumb) : Rect{};
}

Rect UIScrollBar::partRect(Part part) const
{
    const int32_t a = arrowLength();
    switch (part) {
    case Part::DecrementArrow:
        return a > 0 ? span(0, a) : Rect{};
    case Part::IncrementArrow:
        return a > 0 ? span(length() - a, a) : Rect{};
    case Part::Thumb:
        return thumbRect();
    case Part::TrackBefore:
        return span(a, thumbStart() - a);
    case Part::TrackAfter: {
        const int32_t end = thumbStart() + thumbLength();
        return span(end, length() - a - end);
    }
    case Part::None:
        break;
    }
    return {};
}

UIScrollBar::Part UIScrollBar::partAt(Point position) const
{
    if (!rect().contains(position))
        return Part::None;
    const int32_t p = along(position);
    const int32_t a = arrowLength();
    if (p < a)
        return Part::DecrementArrow;
    if (p >= length() - a)
        return Part::IncrementArrow;
    const int32_t start = thumbStart();
    if (p < start)
        return Part::TrackBefore;
    return p < start + thumbLength() ? Part::Thumb : Part::TrackAfter;
}

int32_t UIScrollBar::valueAt(int32_t alongBar) const
{
    const int32_t thumb = thumbLength();
    const int32_t free = length() - 2 * arrowLength() - thumb;
    const int64_t range = int64_t{maximum()} - minimum();
    if (free <= 0 || range <= 0)
        return minimum();
    const double fraction = static_cast<double>(alongBar - arrowLength() - thumb / 2) / free;
    const int64_t v = minimum() + std::llround(fraction * static_cast<double>(range));
    return static_cast<int32_t>(std::clamp<int64_t>(v, minimum(), maximum()));
}

// --- Input ---

bool UIScrollBar::livesInPopup() const
{
    const UIWidget* top = window();
    const UIWindowHost* host = top ? top->host() : nullptr;
    return host && (host->windowType() & WindowType::Popup);
}

bool UIScrollBar::event(UIEvent& event)
{
    // A popup (the combo box's list) keeps the focus where it is; the check
    // runs at each press, since the base takes the focus before the handler.
    if (event.kind() == UIEventType::MousePress)
        setFocusPolicy(livesInPopup() ? NoFocus : kFocusPolicy);
    return UIAbstractSlider::event(event);
}

void UIScrollBar::mousePressEvent(UIMouseEvent& event)
{
    if (event.button() != platform::LeftButton)
        return;
    m_pointer = event.position();
    const Part part = partAt(event.position());
    switch (part) {
    case Part::Thumb: {
        const Rect thumb = thumbRect();
        const int32_t start = isHorizontal() ? thumb.x : thumb.y;
        m_dragOffset = along(event.position()) - (start + thumbLength() / 2);
        m_dragging = true;
        m_pressedPart = part;
        update();
        break;
    }
    case Part::DecrementArrow:
    case Part::IncrementArrow:
        stopRepeat();
        m_pressedPart = part;
        startTimer(kAutoRepeatTimer, kAutoRepeatDelayMs);
        update();
        stepBy(part == Part::DecrementArrow ? -kArrowStep : kArrowStep);
        break;
    case Part::TrackBefore:
    case Part::TrackAfter:
        if (event.modifiers() & platform::ShiftModifier)
            setValue(valueAt(along(event.position())));
        else
            stepBy(part == Part::TrackBefore ? -int64_t{pageStep()} : int64_t{pageStep()});
        break;
    case Part::None:
        break;
    }
}

void UIScrollBar::mouseMoveEvent(UIMouseEvent& event)
{
    const Part before = partAt(m_pointer);
    m_pointer = event.position();
    if (m_dragging && (event.buttons() & platform::LeftButton)) {
        setValue(valueAt(along(event.position()) - m_dragOffset));
        return;
    }
    if (partAt(m_pointer) != before)
        update();
}

void UIScrollBar::mouseReleaseEvent(UIMouseEvent&)
{
    m_dragging = false;
    stopRepeat();
    update();
}

void UIScrollBar::changeEvent(UIEvent&)
{
    // A bar disabled while held gets no release: let go here.
    if (!isEnabled()) {
        m_dragging = false;
        stopRepeat();
    }
}

void UIScrollBar::enterEvent(UIMouseEvent& event)
{
    m_pointer = event.position();
    update();
}

void UIScrollBar::leaveEvent(UIMouseEvent&) { update(); }

void UIScrollBar::wheelEvent(UIWheelEvent& event)
{
    const WheelDirection direction = event.direction();
    const bool forward =
        direction == WheelDirection::HorizontalNegative || direction == WheelDirection::VerticalNegative;
    stepBy(forward ? int64_t{singleStep()} : -int64_t{singleStep()});
}

void UIScrollBar::timerEvent(UITimerEvent& event)
{
    if (event.id() != kAutoRepeatTimer)
        return;
    if (m_pressedPart != Part::DecrementArrow && m_pressedPart != Part::IncrementArrow) {
        stopRepeat();
        return;
    }
    if (!m_repeating) {
        m_repeating = true;
        killTimer(kAutoRepeatTimer);
        startTimer(kAutoRepeatTimer, kAutoRepeatIntervalMs);
    }
    stepBy(repeatStep());
}

int64_t UIScrollBar::repeatStep() const
{
    const bool decrement = m_pressedPart == Part::DecrementArrow;
    if (partRect(m_pressedPart).contains(m_pointer))
        return decrement ? -kArrowStep : kArrowStep;
    // Dragged off the arrow, the thumb chases the pointer, faster the
    // farther it is.
    const Rect thumb = thumbRect();
    const int32_t centre = (isHorizontal() ? thumb.x : thumb.y) + thumbLength() / 2;
    const int64_t distance = int64_t{along(m_pointer)} - centre;
    if (distance == 0)
        return 0;
    const int64_t steps =
        std::max<int64_t>(1, std::llround(std::abs(static_cast<double>(distance)) * kAutoRepeatFactor));
    return distance > 0 ? steps + kArrowStep : -(steps + kArrowStep);
}

void UIScrollBar::stopRepeat()
{
    killTimer(kAutoRepeatTimer);
    m_repeating = false;
    m_pressedPart = Part::None;
}

// --- Painting ---

int32_t UIScrollBar::frameOf(Part part) const
{
    if (!isEnabled())
        return kDisabledFrame;
    if (part == Part::None)
        return kNormalFrame;
    if (m_pressedPart == part)
        return kPressedFrame;
    if (testFlag(Flag::Hovered) && partAt(m_pointer) == part)
        return kHoveredFrame;
    return kNormalFrame;
}

void UIScrollBar::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
    drawSkin(canvas, skin(Background), frameOf(Part::None), rect());
    if (m_arrowsShown) {
        const Part arrows[] = {Part::DecrementArrow, Part::IncrementArrow};
        for (Part part : arrows) {
            const bool decrement = part == Part::DecrementArrow;
            const Rect box = partRect(part);
            const int32_t frame = frameOf(part);
            drawSkin(canvas, skin(decrement ? DecrementBackground : IncrementBackground), frame, box);
            const UISkin& glyph = skin(decrement ? DecrementGlyph : IncrementGlyph);
            drawSkin(canvas, glyph, frame, centredFrame(glyph, box));
        }
    }
    const Rect thumb = thumbRect();
    if (thumb.isEmpty())
        return;
    const int32_t frame = frameOf(Part::Thumb);
    drawSkin(canvas, skin(ThumbBackground), frame, thumb);
    const UISkin& gripper = skin(Gripper);
    if (gripper.frameWidth() <= thumb.width && gripper.frameHeight() <= thumb.height)
        drawSkin(canvas, gripper, frame, centredFrame(gripper, thumb));
}
