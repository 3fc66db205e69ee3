#include "ui/widgets/UIComboBoxPopup.h"

#include "ui/core/UICanvas.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/core/UIWindowHost.h"

#include <algorithm>

UIComboBoxPopup::UIComboBoxPopup(UIWidget* parent) : UIWidget(parent)
{
    setFlag(Flag::ParentBackground, false);
    setFocusPolicy(NoFocus);
    setFlag(Flag::Window, true);
    // Never activated: the keyboard stays with the combo box, which passes
    // the list's keys on.
    host()->setWindowType(WindowType::Popup | WindowType::TopMost | WindowType::DropShadow | WindowType::NoActivate);
    layout().setEnabled(false);
    m_view = std::make_unique<UIListView>(this);
    m_view->show();
    m_view->list().setHoverTracking(true);
    create(u"UIComboBoxPopup");
}

UIComboBoxPopup::~UIComboBoxPopup() { destroyWidget(); }

void UIComboBoxPopup::setBackground(const UIBrush& background)
{
    m_background = background;
    update();
}

void UIComboBoxPopup::setPadding(const Margins& padding)
{
    m_padding = padding;
    placeView();
}

void UIComboBoxPopup::placeView()
{
    m_view->setGeometry({m_padding.left, m_padding.top, std::max(1, width() - m_padding.left - m_padding.right),
                         std::max(1, height() - m_padding.top - m_padding.bottom)});
}

void UIComboBoxPopup::popup(Point screenPosition)
{
    move(screenPosition.x, screenPosition.y);
    if (UIWidget* open = UINativeWindow::openPopupMenu(); open && open != this)
        open->setVisible(false);
    show();
    UINativeWindow::setOpenPopupMenu(this);
    update();
}

void UIComboBoxPopup::setVisible(bool visible)
{
    if (visible || !testFlag(Flag::Visible)) {
        UIWidget::setVisible(visible);
        return;
    }
    const UIWidgetGuard self(this);
    UIWidget::setVisible(false);
    if (!self)
        return;
    if (UINativeWindow::openPopupMenu() == this)
        UINativeWindow::setOpenPopupMenu(nullptr);
    UINotifyEvent notification;
    closed.emit(notification);
}

void UIComboBoxPopup::resizeEvent(UIResizeEvent&) { placeView(); }

void UIComboBoxPopup::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
}
