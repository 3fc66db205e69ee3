#pragma once
// The show/hide target of a top-level widget: the open windows are the
// toolkit's visible top-level windows (menus and tips left out) plus the
// other top-level objects the toolkit counts.

#include "picker/ShowHideTarget.h"

class UIWidget;

class WindowShowHide : public ShowHideTarget {
public:
    // The window is not owned and must outlive this object.
    explicit WindowShowHide(UIWidget& window) : m_window(window) {}

    bool isShown() const override;
    bool isOnlyOpenWindow() const override;
    void showAndRaise() override;
    void hide() override;

private:
    UIWidget& m_window;
};
