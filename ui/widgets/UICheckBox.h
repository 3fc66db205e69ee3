#pragma once
// UICheckBox: a check indicator followed by a caption; a click anywhere on
// it toggles it.
//
// Look: the style section "UICheckBox" (the text look, "indicatorSize",
// "indicatorSpacing") and the skin "UICheckBox_Indicator", whose eight
// frames are normal, hovered, pressed and disabled, unchecked then checked.

#include "platform/Geometry.h"
#include "ui/core/UISkin.h"
#include "ui/widgets/UIAbstractButton.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>

class UICheckBox : public UIAbstractButton {
public:
    static constexpr Size kDefaultIndicatorSize{20, 20};
    static constexpr int32_t kDefaultIndicatorSpacing = 4;

    explicit UICheckBox(UIWidget* parent = nullptr);
    ~UICheckBox() override;

    // Sent once per change of the checked state, with the new state (1 or 0).
    UISignal toggled;

    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;
    Size sizeHint() const override;
    void setChecked(bool checked) override;

protected:
    void paintEvent(UIPaintEvent& event) override;
    void clickEvent(UIMouseEvent& event) override;
    void keyPressEvent(UIKeyEvent& event) override;

private:
    int32_t indicatorFrame() const;

    UITextLook m_look;
    Size m_indicatorSize = kDefaultIndicatorSize;
    int32_t m_indicatorSpacing = kDefaultIndicatorSpacing;
    UISkin m_indicatorSkin;
};
