#include "ui/widgets/UICheckBox.h"

#include "platform/InputState.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"
#include "ui/core/UIWidgetGuard.h"

#include <algorithm>

namespace {

constexpr char16_t kIndicatorSkin[] = u"UICheckBox_Indicator";
// The checked frames follow the four unchecked ones.
constexpr int32_t kCheckedFrames = 4;
enum IndicatorFrame : int32_t { Normal = 0, Hovered = 1, Pressed = 2, Disabled = 3 };
// Room between the indicator's gap and the caption that the hint adds.
constexpr int32_t kCaptionSlack = 2;

} // namespace

UICheckBox::UICheckBox(UIWidget* parent) : UIAbstractButton(parent)
{
    setFlag(Flag::TrackHover, true);
    setFlag(Flag::ParentBackground, true);
    setFocusPolicy(ClickFocus);
    setCheckable(true);
    create(u"UICheckBox");
}

UICheckBox::~UICheckBox() { destroyWidget(); }

void UICheckBox::setStyleProperty(StringView name, StringView value)
{
    if (m_look.setProperty(name, value))
        return;
    if (name == u"indicatorSize")
        m_indicatorSize = parseSize(value);
    else if (name == u"indicatorSpacing")
        m_indicatorSpacing = parseInteger(value);
}

void UICheckBox::setSkin(StringView name, const UISkin& skin)
{
    if (name == kIndicatorSkin)
        m_indicatorSkin = skin;
}

Size UICheckBox::sizeHint() const
{
    const Size caption = m_look.font.textSize(text());
    return {m_indicatorSize.width + m_indicatorSpacing + kCaptionSlack + caption.width,
            std::max(m_indicatorSize.height, m_look.font.metrics().lineHeight())};
}

void UICheckBox::setChecked(bool checked)
{
    if (checked == isChecked())
        return;
    UIAbstractButton::setChecked(checked);
    UINotifyEvent notification(checked ? 1 : 0);
    toggled.emit(notification);
}

int32_t UICheckBox::indicatorFrame() const
{
    const bool pressed = testFlag(Flag::Pressed), hovered = testFlag(Flag::Hovered);
    int32_t frame = Normal;
    if (!isEnabled())
        frame = Disabled;
    else if (pressed && hovered)
        frame = Pressed;
    else if (pressed || hovered)
        frame = Hovered;
    return isChecked() ? frame + kCheckedFrames : frame;
}

void UICheckBox::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    const Rect column{0, 0, m_indicatorSize.width, height()};
    drawSkin(canvas, m_indicatorSkin, indicatorFrame(),
             UILayout::alignRect(Alignment::Center, column, m_indicatorSize));
    if (text().empty())
        return;
    const int32_t captionLeft = m_indicatorSize.width + m_indicatorSpacing;
    const Rect caption{captionLeft, 0, width() - captionLeft, height()};
    canvas.setFont(m_look.font);
    if (isEnabled())
        drawShadowedText(canvas, caption, text(), alignment(), m_look.foreground.color, m_look.shadowForeground.color,
                         m_look.shadowOffset);
    else
        drawShadowedText(canvas, caption, text(), alignment(), m_look.disabledForeground.color,
                         m_look.disabledShadowForeground.color, m_look.shadowOffset);
}

void UICheckBox::clickEvent(UIMouseEvent& event)
{
    // A `toggled` listener may delete the box.
    const UIWidgetGuard self(this);
    if (event.button() == platform::LeftButton)
        setChecked(!isChecked());
    if (self)
        emitClicked();
}

void UICheckBox::keyPressEvent(UIKeyEvent& event)
{
    if (!isActivationKey(event.key()))
        return;
    const UIWidgetGuard self(this);
    setChecked(!isChecked());
    if (self)
        emitClicked();
}
