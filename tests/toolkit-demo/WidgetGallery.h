#pragma once
// The widget gallery: every widget of the toolkit in its states, in one
// window with the default style set, for screenshot review and the
// end-to-end runs.
//
// The window is filled row by row: each section starts a new row under a
// caption, and widgets are placed left to right in it (a new row when the
// window's width is used up). Each widget is logged with its place in
// client coordinates, "widget NAME at X,Y,W,H", so scripts can find it,
// and sections log their widgets' notifications as "NAME NOTIFICATION ...".
//
// The sections live in files of their own (Gallery*.cpp), one per family
// of widgets, and are listed in WidgetGallery.cpp.

#include "platform/Geometry.h"
#include "tests/toolkit-demo/DemoLog.h"
#include "ui/core/UIWidget.h"
#include "ui/core/UIWindow.h"

#include <memory>
#include <string>
#include <vector>

class WidgetGallery {
public:
    static constexpr int32_t kWidth = 1000;
    static constexpr int32_t kSpacing = 10;

    WidgetGallery(UIWindow& window, DemoLog& log);
    ~WidgetGallery();

    UIWindow& window() { return m_window; }
    DemoLog& log() { return m_log; }

    // Starts a new row under a caption.
    void beginSection(const std::string& title);
    // Keeps the widget (made with window() as its parent), places it next
    // in the current row in `size` (its size hint when empty), shows it and
    // logs its place. Returns the widget.
    template <class W>
    W& add(const std::string& name, std::unique_ptr<W> widget, Size size = {})
    {
        W& added = *widget;
        place(name, std::move(widget), size);
        return added;
    }
    // The size the window needs to show every widget.
    Size contentSize() const;

private:
    void place(const std::string& name, std::unique_ptr<UIWidget> widget, Size size);

    UIWindow& m_window;
    DemoLog& m_log;
    std::vector<std::unique_ptr<UIWidget>> m_widgets;
    Point m_next{kSpacing, kSpacing};
    int32_t m_rowHeight = 0;
};

// The sections, in the order they are shown.
void addButtonSection(WidgetGallery& gallery);
void addSimpleWidgetSection(WidgetGallery& gallery);
void addScrollSection(WidgetGallery& gallery);
void addHotKeySection(WidgetGallery& gallery);
void addMenuSection(WidgetGallery& gallery);
void addToolTipSection(WidgetGallery& gallery);
void addLineEditSection(WidgetGallery& gallery);
void addComboSection(WidgetGallery& gallery);
