#include "ui/core/UIWidgetGuard.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIWidget.h"

UIWidgetGuard::UIWidgetGuard(UIWidget* widget) : m_widget(widget), m_serial(widget ? widget->serial() : 0) {}

UIWidget* UIWidgetGuard::get() const
{
    return m_widget && UIManager::instance().isAlive(m_widget, m_serial) ? m_widget : nullptr;
}
