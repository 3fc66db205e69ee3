#pragma once
// WindowGeometry: a top-level widget as the settings store sees a window
// whose place it saves and restores. The store speaks of the outer frame;
// a window widget's size is its client size, so the host's frame is added
// and taken off here. The adapter borrows the widget.

#include "app/GeometryWindow.h"

class UIWidget;

class WindowGeometry : public GeometryWindow {
public:
    explicit WindowGeometry(UIWidget& window) : m_window(window) {}

    Rect outerRect() const override;
    Size minimumSize() const override;
    void resize(Size size) override;
    void move(Point topLeft) override;

private:
    Margins frame() const;

    UIWidget& m_window;
};
