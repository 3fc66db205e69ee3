#include "ui/widgets/UIHotKey.h"
#include "ui/widgets/FieldSkinFrame.h"
#include "app/KeyNames.h"
#include "app/Language.h"
#include "app/TranslatedTexts.h"
#include "platform/Caret.h"
#include "ui/core/Alignment.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIMetrics.h"
#include "ui/core/UIStyleSet.h"

#include <algorithm>

namespace {

constexpr uint32_t kKeyBackspace = 0x08;
constexpr uint32_t kKeyDelete = 0x2E;
constexpr uint32_t kKeyShift = 0x10;
constexpr uint32_t kKeyControl = 0x11;
constexpr uint32_t kKeyAlt = 0x12;
constexpr uint32_t kFirstDigit = 0x30;
constexpr uint32_t kLastDigit = 0x39;
constexpr uint32_t kFirstLetter = 0x41;
constexpr uint32_t kLastLetter = 0x5A;
constexpr uint32_t kFirstFunctionKey = 0x70; // F1
constexpr uint32_t kLastFunctionKey = 0x87;  // F24

constexpr uint32_t kTextAlignment = Alignment::Left | Alignment::VCenter;
// The caret keeps this far from the top and the bottom edge.
constexpr int32_t kCaretInset = 4;

constexpr uint32_t bit(HotKeyModifier modifier) { return static_cast<uint32_t>(modifier); }

bool isFunctionKey(uint32_t key) { return key >= kFirstFunctionKey && key <= kLastFunctionKey; }

bool isAcceptedKey(uint32_t key)
{
    return (key >= kFirstDigit && key <= kLastDigit) || (key >= kFirstLetter && key <= kLastLetter)
        || isFunctionKey(key);
}

int32_t caretWidthMetric()
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    return std::max(1, style ? style->metric(MetricId::TextCursorWidth) : 0);
}

} // namespace

UIHotKey::UIHotKey(UIWidget* parent)
    : UIWidget(parent)
    , m_background(UIBrush::solid(kTransparentColor))
    , m_caretBlinkInterval(platform::caretBlinkTime())
    , m_caretWidth(caretWidthMetric())
{
    setFlag(Flag::TrackHover, true);
    setFlag(Flag::ParentBackground, true);
    setFlag(Flag::Control, true);
    setFocusPolicy(ClickFocus);
    layout().setPolicy(SizePolicy::Fixed, SizePolicy::Fixed);
    m_text = displayText(0, 0, translate(Texts::UIHotKey::none));
    create(u"UIHotKey");
}

UIHotKey::~UIHotKey() { destroyWidget(); }

HotKeyValue UIHotKey::hotKey() const { return HotKeyValue{0, m_key, m_modifiers}; }

void UIHotKey::setHotKey(const HotKeyValue& hotKey)
{
    m_key = hotKey.key;
    m_modifiers = hotKey.modifiers & kHotKeyModifierMask;
    rebuild();
}

void UIHotKey::clearHotKey() { setHotKey({}); }

String UIHotKey::displayText(uint32_t modifiers, uint32_t key, StringView noneText)
{
    if (key == 0 && (modifiers & kHotKeyModifierMask) == 0)
        return String(noneText);
    String text;
    const auto append = [&text](StringView part) {
        if (!text.empty())
            text += kSeparator;
        text += part;
    };
    if (modifiers & bit(HotKeyModifier::Control))
        append(u"Control");
    if (modifiers & bit(HotKeyModifier::Shift))
        append(u"Shift");
    if (modifiers & bit(HotKeyModifier::Alt))
        append(u"Alt");
    if (key != 0)
        append(keyName(key));
    else
        text += kSeparator;
    return text;
}

void UIHotKey::rebuild()
{
    m_text = displayText(m_modifiers, m_key, translate(Texts::UIHotKey::none));
    update();
}

void UIHotKey::retranslate() { rebuild(); }

Size UIHotKey::sizeHint() const
{
    const Size minimum = minimumSize();
    return {std::max(m_look.font.textSize(m_text).width, minimum.width),
            std::max(m_look.font.metrics().lineHeight(), minimum.height)};
}

void UIHotKey::setStyleProperty(StringView name, StringView value)
{
    if (m_look.setProperty(name, value))
        return;
    if (name == u"background")
        m_background = parseFill(value);
    else if (name == u"minimumSize")
        setMinimumSize(parseSize(value));
    else if (name == u"padding")
        m_padding = parseMargins(value);
}

void UIHotKey::setSkin(StringView name, const UISkin& skin)
{
    if (name == u"UIHotKey_Background")
        m_skin = skin;
}

void UIHotKey::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
    drawSkin(canvas, m_skin, fieldSkinFrame(*this, m_skin), rect());
    canvas.setFont(m_look.font);
    const Rect textRect{m_padding.left, m_padding.top, width() - m_padding.left - m_padding.right,
                        height() - m_padding.top - m_padding.bottom};
    drawShadowedText(canvas, textRect, m_text, kTextAlignment, m_look.foreground.color, m_look.shadowForeground.color,
                     m_look.shadowOffset);
    if (m_caretShown) {
        const int32_t left = canvas.textSize(m_text).width + 1 + m_padding.left;
        canvas.fillRect({left, kCaretInset, m_caretWidth, height() - 2 * kCaretInset}, m_look.foreground.color);
    }
}

void UIHotKey::keyPressEvent(UIKeyEvent& event)
{
    event.accept();
    // A held key repeats as release and press pairs; the combination is the
    // one its first press made.
    if (event.isAutoRepeat())
        return;
    const uint32_t key = event.key();
    if (m_fresh) {
        m_fresh = false;
        m_modifiers = 0;
        m_key = 0;
    }
    if (key == kKeyBackspace || key == kKeyDelete) {
        clearHotKey();
        return;
    }
    if (key == kKeyShift)
        m_modifiers |= bit(HotKeyModifier::Shift);
    else if (key == kKeyControl)
        m_modifiers |= bit(HotKeyModifier::Control);
    else if (key == kKeyAlt)
        m_modifiers |= bit(HotKeyModifier::Alt);
    m_key = isAcceptedKey(key) ? key : 0;
    // A letter or digit with neither Control nor Alt would take a character
    // the user types (Shift only makes it a capital) away from every
    // program, so it gains Control; a function key may stand alone.
    constexpr uint32_t kCommandModifiers = bit(HotKeyModifier::Control) | bit(HotKeyModifier::Alt);
    if (m_key != 0 && !isFunctionKey(m_key) && (m_modifiers & kCommandModifiers) == 0)
        m_modifiers |= bit(HotKeyModifier::Control);
    rebuild();
}

void UIHotKey::keyReleaseEvent(UIKeyEvent& event)
{
    event.accept();
    if (event.isAutoRepeat())
        return;
    m_fresh = true;
    // Modifiers alone make no combination.
    if (m_key == 0)
        clearHotKey();
}

void UIHotKey::timerEvent(UITimerEvent& event)
{
    if (event.id() != kCaretTimer)
        return;
    event.accept();
    if (!isVisible() || !isEnabled())
        return;
    m_caretShown = !m_caretShown;
    update();
}

void UIHotKey::focusInEvent(UIEvent&)
{
    if (m_caretBlinkInterval)
        startTimer(kCaretTimer, *m_caretBlinkInterval);
    else
        m_caretShown = true;
    update();
}

void UIHotKey::focusOutEvent(UIEvent&)
{
    killTimer(kCaretTimer);
    m_caretShown = false;
    update();
}

void UIHotKey::enterEvent(UIMouseEvent&) { update(); }

void UIHotKey::leaveEvent(UIMouseEvent&) { update(); }
