#include "ui/widgets/UIToolTip.h"
#include "platform/Clock.h"
#include "platform/InputState.h"
#include "platform/Monitors.h"
#include "platform/SystemInfo.h"
#include "ui/core/Alignment.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIWindowHost.h"

#include <algorithm>

namespace {

constexpr uint32_t kTextAlignment = Alignment::Left | Alignment::Top;
// A display time this short or shorter means "until something hides it".
constexpr uint32_t kMinimumDisplayTime = 10;
constexpr uint32_t kPopupType = WindowType::Popup | WindowType::NoActivate | WindowType::TopMost
    | WindowType::MouseTransparent | WindowType::DropShadow;

bool isLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Controls, separators and invisible format characters would show as boxes
// or move the text; everything else (letters, digits, punctuation, symbols)
// is drawn as it is.
bool isInvisible(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F)
        || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || c == 0xFFFE || c == 0xFFFF;
}

Rect screenRectOf(const UIWidget& widget)
{
    const Point origin = widget.mapToScreen({0, 0});
    return {origin.x, origin.y, widget.width(), widget.height()};
}

} // namespace

UIToolTip::UIToolTip() : UIWidget(nullptr), m_background(UIBrush::solid(0xFFFFFFFFu))
{
    setFlag(Flag::Window, true);
    if (UIWindowHost* popup = host())
        popup->setWindowType(kPopupType);
    create(u"UIToolTip");
}

UIToolTip::~UIToolTip()
{
    UIManager& manager = UIManager::instance();
    if (manager.toolTipPresenter() == this)
        manager.setToolTipPresenter(nullptr);
    destroyWidget();
}

std::vector<String> UIToolTip::textLines(StringView text, int32_t maximumLength)
{
    const bool cut = maximumLength > 0 && text.size() > static_cast<size_t>(maximumLength);
    if (cut)
        text = text.substr(0, static_cast<size_t>(maximumLength));
    std::vector<String> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isLineBreak(c)) {
            if (i == 0 || !isLineBreak(text[i - 1]))
                lines.emplace_back();
            continue;
        }
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            lines.back() += text.substr(i, 2);
            ++i;
            continue;
        }
        const bool shown = !isSpace(c) && !isInvisible(c) && !isHighSurrogate(c) && !isLowSurrogate(c);
        lines.back() += shown ? c : u' ';
    }
    if (cut)
        lines.back() += kCutMark;
    if (lines.size() == 1 && lines.front().empty())
        lines.clear();
    return lines;
}

void UIToolTip::showToolTip(UIWidget& owner, StringView text, const UIToolTipSettings& settings)
{
    if (platform::mouseButtonsHeld() != 0 || m_phase != Phase::None)
        return;
    const Rect ownerRect = screenRectOf(owner);
    if (ownerRect.isEmpty())
        return;
    m_lines = textLines(text, m_maximumTextLength);
    if (m_lines.empty())
        return;

    const uint64_t now = platform::monotonicMilliseconds();
    const UIWidget* caller = owner.window();
    const bool sameAsLast = owner.serial() == m_lastOwnerSerial || (caller && caller->serial() == m_lastCallerSerial);
    const bool quick = m_hasHidden && sameAsLast && now - m_lastHideTime <= kQuickReshowWindow;
    const uint32_t delay = settings.delay > 0 ? static_cast<uint32_t>(settings.delay)
        : quick                               ? kQuickDelay
                                              : kDefaultDelay;
    m_displayTime = settings.displayTime > 0 ? static_cast<uint32_t>(settings.displayTime) : kDefaultDisplayTime;
    m_options = settings.options;
    m_owner = UIWidgetGuard(&owner);
    m_ownerRect = ownerRect;
    m_lastOwnerSerial = owner.serial();
    m_lastCallerSerial = caller ? caller->serial() : 0;

    const Size hint = sizeHint();
    resize(hint.width, hint.height);
    placeAt(platform::cursorPosition());
    m_phase = Phase::Pending;
    startTimer(kShowTimer, delay);
}

void UIToolTip::hideToolTip()
{
    killTimer(kShowTimer);
    killTimer(kHideTimer);
    killTimer(kFollowTimer);
    // Only a tooltip the user saw opens the quick re-show window: passing
    // over widgets on the way elsewhere must not make their tips hasty.
    if (m_phase == Phase::Shown) {
        m_hasHidden = true;
        m_lastHideTime = platform::monotonicMilliseconds();
    }
    m_phase = Phase::None;
    m_owner = UIWidgetGuard();
    setVisible(false);
}

void UIToolTip::hideToolTipOf(const UIWidget* widget)
{
    if (widget && m_phase != Phase::None && m_owner.get() == widget)
        hideToolTip();
}

void UIToolTip::timerEvent(UITimerEvent& event)
{
    switch (event.id()) {
    case kShowTimer:
        killTimer(kShowTimer);
        showDue();
        break;
    case kFollowTimer:
        placeAt(platform::cursorPosition());
        break;
    case kHideTimer:
        hideToolTip();
        break;
    default:
        return;
    }
    event.accept();
}

void UIToolTip::showDue()
{
    const Point pointer = platform::cursorPosition();
    const UIWidget* owner = m_owner.get();
    if (platform::mouseButtonsHeld() != 0 || ((m_options & HideOutsideOwner) && !m_ownerRect.contains(pointer))
        || !owner || !owner->isVisible() || !owner->isActiveWindow()) {
        hideToolTip();
        return;
    }
    placeAt(pointer);
    m_phase = Phase::Shown;
    setVisible(true);
    update();
    if (m_options & FollowPointer)
        startTimer(kFollowTimer, kFollowInterval);
    if (m_displayTime > kMinimumDisplayTime)
        startTimer(kHideTimer, m_displayTime);
}

void UIToolTip::placeAt(Point pointer)
{
    const Rect work = platform::workAreaAt(pointer);
    const int32_t left = work.x + m_desktopPadding.left;
    const int32_t top = work.y + m_desktopPadding.top;
    const int32_t right = work.right() - m_desktopPadding.right - width();
    const int32_t bottom = work.bottom() - m_desktopPadding.bottom - height();
    // Clamped at the far edges first, so a tooltip larger than the area
    // keeps its top-left corner visible.
    const int32_t x = std::max(left, std::min(pointer.x, right));
    const int32_t y = std::max(top, std::min(pointer.y + m_verticalOffset, bottom));
    move(x, y);
}

Size UIToolTip::sizeHint() const
{
    int32_t widest = 0;
    for (const String& line : m_lines)
        widest = std::max(widest, m_look.font.textSize(line).width);
    const int32_t lineHeight = m_look.font.metrics().lineHeight();
    return {widest + m_padding.left + m_padding.right,
            lineHeight * static_cast<int32_t>(m_lines.size()) + m_padding.top + m_padding.bottom};
}

void UIToolTip::setStyleProperty(StringView name, StringView value)
{
    if (m_look.setProperty(name, value))
        return;
    if (name == u"background")
        m_background = parseFill(value);
    else if (name == u"borderColor")
        m_borderColor = parseColor(value);
    else if (name == u"padding")
        m_padding = parseMargins(value);
    else if (name == u"desktopPadding")
        m_desktopPadding = parseMargins(value);
    else if (name == u"desktopVerticalOffset")
        m_verticalOffset = parseInteger(value);
}

void UIToolTip::setSkin(StringView name, const UISkin& skin)
{
    if (name == u"UIToolTip_Background")
        m_skin = skin;
}

void UIToolTip::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
    if (!m_skin.isEmpty()) {
        drawSkin(canvas, m_skin, 0, rect());
    } else if ((m_borderColor >> 24) && !platform::systemDrawsDropShadows()) {
        canvas.setPen(m_borderColor);
        canvas.drawRect({0, 0, width() - 1, height() - 1});
    }
    canvas.setFont(m_look.font);
    const int32_t lineHeight = m_look.font.metrics().lineHeight();
    const int32_t textWidth = width() - m_padding.left - m_padding.right;
    int32_t y = m_padding.top;
    for (const String& line : m_lines) {
        drawShadowedText(canvas, {m_padding.left, y, textWidth, lineHeight}, line, kTextAlignment,
                         m_look.foreground.color, m_look.shadowForeground.color, m_look.shadowOffset);
        y += lineHeight;
    }
}
