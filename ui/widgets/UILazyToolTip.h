#pragma once
// The process's tooltip presenter that makes the tooltip popup the first
// time a tooltip is due, so that start-up opens one native window fewer.
// It hands every request on to that popup; a hide before it exists has
// nothing to hide.
//
// Ownership: owns the popup. Install it on the UIManager like the popup
// itself; it uninstalls itself when it goes.

#include "ui/core/UIToolTipPresenter.h"

#include <memory>

class UIToolTip;

class UILazyToolTip : public UIToolTipPresenter {
public:
    UILazyToolTip();
    ~UILazyToolTip() override;

    void showToolTip(UIWidget& owner, StringView text, const UIToolTipSettings& settings) override;
    void hideToolTip() override;

    // Null until the first tooltip.
    UIToolTip* popup() const { return m_popup.get(); }

private:
    std::unique_ptr<UIToolTip> m_popup;
};
