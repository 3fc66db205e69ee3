#pragma once
// A weak reference to a widget: it reads null once the widget is destroyed,
// and is not fooled by a new widget built at the same address (it compares
// the widget's serial). Use it around anything that may delete the widget:
// handlers, channels, nested loops.

#include <cstdint>

class UIWidget;

class UIWidgetGuard {
public:
    UIWidgetGuard() = default;
    explicit UIWidgetGuard(UIWidget* widget);

    UIWidget* get() const;
    explicit operator bool() const { return get() != nullptr; }
    UIWidget* operator->() const { return get(); }

private:
    UIWidget* m_widget = nullptr;
    int32_t m_serial = 0;
};
