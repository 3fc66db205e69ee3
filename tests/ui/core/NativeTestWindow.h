#pragma once
// A shown top-level widget of 100 x 100 on a real (or headless) native
// window, styled as `styleName`, whose children keep the places tests give
// them.

#include "platform/Text.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWidget.h"

#include <memory>

inline std::unique_ptr<UIWidget> makeNativeTestWindow(StringView styleName)
{
    auto top = std::make_unique<UIWidget>();
    top->setFlag(UIWidget::Flag::Window, true);
    dynamic_cast<UINativeWindow&>(*top->host()).setWindowType(WindowType::Popup);
    top->create(styleName);
    top->layout().setEnabled(false);
    top->resize(100, 100);
    top->setVisible(true);
    return top;
}
