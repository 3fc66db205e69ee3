#include "ui/widgets/UILazyToolTip.h"

#include "ui/core/UIManager.h"
#include "ui/widgets/UIToolTip.h"

UILazyToolTip::UILazyToolTip() = default;

UILazyToolTip::~UILazyToolTip()
{
    UIManager& manager = UIManager::instance();
    if (manager.toolTipPresenter() == this)
        manager.setToolTipPresenter(nullptr);
}

void UILazyToolTip::showToolTip(UIWidget& owner, StringView text, const UIToolTipSettings& settings)
{
    if (!m_popup)
        m_popup = std::make_unique<UIToolTip>();
    m_popup->showToolTip(owner, text, settings);
}

void UILazyToolTip::hideToolTip()
{
    if (m_popup)
        m_popup->hideToolTip();
}
