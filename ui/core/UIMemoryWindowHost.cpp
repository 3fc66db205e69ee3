#include "ui/core/UIMemoryWindowHost.h"
#include "ui/core/UIEvent.h"
#include "ui/core/UIWidget.h"

void UIMemoryWindowHost::show(bool visible, bool, bool)
{
    m_visible = visible;
    m_active = visible && (m_type & WindowType::NoActivate) == 0;
}

void UIMemoryWindowHost::moveTo(Point position)
{
    UIMoveEvent event(position, m_owner.position());
    UIWidget::sendEvent(&m_owner, event);
}

void UIMemoryWindowHost::resizeTo(Size clientSize)
{
    UIResizeEvent event(clientSize, m_owner.size());
    UIWidget::sendEvent(&m_owner, event);
}

void UIMemoryWindowHost::modalDisable(bool disable)
{
    if (disable) {
        if (m_modalDisableCount++ == 0) {
            m_enabledBeforeModal = m_enabled;
            m_enabled = false;
        }
    } else if (m_modalDisableCount > 0 && --m_modalDisableCount == 0) {
        m_enabled = m_enabledBeforeModal;
    }
}
