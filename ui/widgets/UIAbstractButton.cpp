#include "ui/widgets/UIAbstractButton.h"

UIAbstractButton::UIAbstractButton(UIWidget* parent) : UIWidget(parent) {}

void UIAbstractButton::setText(String text)
{
    m_text = std::move(text);
    update();
}

void UIAbstractButton::setAlignment(uint32_t alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void UIAbstractButton::setCheckable(bool checkable)
{
    if (checkable == m_checkable)
        return;
    m_checkable = checkable;
    update();
}

void UIAbstractButton::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
}

void UIAbstractButton::emitClicked()
{
    UINotifyEvent notification;
    clicked.emit(notification);
}

void UIAbstractButton::mousePressEvent(UIMouseEvent&) { update(); }

void UIAbstractButton::mouseReleaseEvent(UIMouseEvent&) { update(); }

void UIAbstractButton::enterEvent(UIMouseEvent&) { update(); }

void UIAbstractButton::leaveEvent(UIMouseEvent&) { update(); }
