#include "ui/widgets/UIButton.h"

#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"
#include "ui/widgets/UIMenu.h"

#include <algorithm>

namespace {

constexpr char16_t kFrameSkin[] = u"UIButton_Background";

} // namespace

UIButton::UIButton(UIWidget* parent) : UIAbstractButton(parent)
{
    setFlag(Flag::TrackHover, true);
    setFlag(Flag::ParentBackground, true);
    setFlag(Flag::Control, true);
    setFocusPolicy(ClickFocus);
    setAlignment(Alignment::Center);
    setMinimumSize(kDefaultMinimumSize);
    create(u"UIButton");
}

UIButton::~UIButton()
{
    if (UIMenu* attached = menu())
        attached->closed.disconnectAll(this);
    destroyWidget();
}

void UIButton::setStyleProperty(StringView name, StringView value)
{
    if (m_look.setProperty(name, value))
        return;
    if (name == u"background")
        m_background = parseFill(value);
    else if (name == u"downOffset")
        m_downOffset = parsePoint(value);
    else if (name == u"padding")
        m_padding = parseMargins(value);
    else if (name == u"minimumSize")
        setMinimumSize(parseSize(value));
    else if (name == u"iconAndTextSpacing")
        m_iconSpacing = parseInteger(value);
}

void UIButton::setSkin(StringView name, const UISkin& skin)
{
    if (name == kFrameSkin)
        m_frameSkin = skin;
}

Size UIButton::sizeHint() const
{
    const Size caption = m_look.font.textSize(text());
    Size hint = caption;
    if (hasIcons()) {
        const Size icon = iconExtent();
        if (text().empty())
            hint = icon;
        else if (iconAbove())
            hint = {std::max(icon.width, caption.width), icon.height + m_iconSpacing + caption.height};
        else
            hint = {icon.width + m_iconSpacing + caption.width, std::max(icon.height, caption.height)};
    }
    if (!m_flat) {
        hint.width += m_padding.left + m_padding.right;
        hint.height += m_padding.top + m_padding.bottom;
    }
    return hint;
}

void UIButton::setIcons(const UIImage& normal, const UIImage& disabled, const UIImage& hovered, const UIImage& pressed)
{
    m_icons = {normal, disabled, hovered, pressed};
    update();
}

void UIButton::setIconPosition(IconPosition position)
{
    m_iconPosition = position;
    update();
}

void UIButton::setFlat(bool flat)
{
    m_flat = flat;
    setMinimumSize({1, 1});
    resize(std::max(width(), 1), std::max(height(), 1));
    update();
}

void UIButton::setDefault(bool isDefault) { m_default = isDefault; }

UIMenu* UIButton::menu() const { return static_cast<UIMenu*>(m_menu.get()); }

void UIButton::setMenu(UIMenu* attached)
{
    if (UIMenu* previous = menu())
        previous->closed.disconnectAll(this);
    m_menu = UIWidgetGuard(attached);
    if (attached)
        attached->closed.connect(this, [this](UIEvent&) { menuClosed(); });
}

void UIButton::menuClosed()
{
    setChecked(false);
    m_menuArmed = false;
    startTimer(kMenuRearmTimer, kMenuRearmDelayMs);
}

bool UIButton::looksChecked() const { return showsChecked() || (menu() && isChecked()); }

UIButton::Frame UIButton::frame() const
{
    const bool pressed = testFlag(Flag::Pressed), hovered = testFlag(Flag::Hovered);
    if (!isEnabled())
        return Frame::Disabled;
    if (looksChecked())
        return Frame::Checked;
    if (pressed && hovered)
        return Frame::Pressed;
    if (pressed || hovered)
        return Frame::Hovered;
    return Frame::Normal;
}

bool UIButton::hasIcons() const
{
    return std::any_of(m_icons.begin(), m_icons.end(), [](const UIImage& icon) { return !icon.isEmpty(); });
}

bool UIButton::iconAbove() const { return static_cast<int32_t>(m_iconPosition) >= 2; }

const UIImage& UIButton::currentIcon() const
{
    if (!isEnabled())
        return m_icons[DisabledIcon];
    if (looksChecked())
        return m_icons[PressedIcon];
    if (testFlag(Flag::Hovered))
        return m_icons[testFlag(Flag::Pressed) ? PressedIcon : HoveredIcon];
    return m_icons[NormalIcon];
}

Size UIButton::iconExtent() const
{
    Size extent;
    for (const UIImage& icon : m_icons)
        extent = {std::max(extent.width, icon.width()), std::max(extent.height, icon.height())};
    return extent;
}

Rect UIButton::drawIcon(UICanvas& canvas, Rect content) const
{
    const UIImage& icon = currentIcon();
    if (iconAbove()) {
        const int32_t top = m_flat ? 0 : m_padding.top;
        content = {content.x, content.y + top, content.width, content.height - top};
        if (!icon.isEmpty())
            canvas.drawImage(UILayout::alignRect(Alignment::Top | Alignment::HCenter, content, icon.size()).topLeft(),
                             icon);
        const int32_t used = icon.height() + m_iconSpacing;
        return {content.x, content.y + used, content.width, content.height - used};
    }
    const int32_t left = m_flat ? 0 : m_padding.left;
    content = {content.x + left, content.y, content.width - left, content.height};
    if (!icon.isEmpty())
        canvas.drawImage(UILayout::alignRect(Alignment::Left | Alignment::VCenter, content, icon.size()).topLeft(),
                         icon);
    // Every state's caption starts at the same place, whichever icon shows.
    const int32_t used = iconExtent().width + m_iconSpacing;
    return {content.x + used, content.y, content.width - used, content.height};
}

void UIButton::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    if (!m_flat)
        drawSkin(canvas, m_frameSkin, static_cast<int32_t>(frame()), rect());
    Rect content = rect();
    if (!m_flat && (testFlag(Flag::Pressed) || looksChecked()))
        content = {content.x + m_downOffset.x, content.y + m_downOffset.y, content.width, content.height};
    if (hasIcons())
        content = drawIcon(canvas, content);
    if (text().empty())
        return;
    canvas.setFont(m_look.font);
    if (!isEnabled()) {
        drawShadowedText(canvas, content, text(), alignment(), m_look.disabledForeground.color, 0, {});
        return;
    }
    // A checked button looks pushed in: its colours swap and its shadow
    // falls on the other side.
    uint32_t color = m_look.foreground.color, shadow = m_look.shadowForeground.color;
    Point offset = m_look.shadowOffset;
    if (looksChecked()) {
        std::swap(color, shadow);
        offset = {-offset.x, -offset.y};
    }
    drawShadowedText(canvas, content, text(), alignment(), color, shadow, offset);
}

void UIButton::mousePressEvent(UIMouseEvent& event)
{
    UIAbstractButton::mousePressEvent(event);
    UIMenu* attached = menu();
    if (!attached || !isEnabled() || !m_menuArmed)
        return;
    setChecked(true);
    attached->popup(mapToScreen({0, height()}));
}

void UIButton::timerEvent(UITimerEvent& event)
{
    if (event.id() != kMenuRearmTimer)
        return;
    killTimer(kMenuRearmTimer);
    m_menuArmed = true;
}

void UIButton::clickEvent(UIMouseEvent&)
{
    if (isCheckable())
        setChecked(!isChecked());
    emitClicked();
}

void UIButton::keyPressEvent(UIKeyEvent& event)
{
    if (isActivationKey(event.key()))
        emitClicked();
}
