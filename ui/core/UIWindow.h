#pragma once
// UIWindow: the plain top-level widget, with a native window of its own.
// Dialogs and the application's windows derive from it.
//
// It paints its background and an optional one-pixel border; when shown it
// grows to its preferred size and, with a placement, aligns itself over its
// parent window or within the work area. Its title reads
// "text – application name".
//
// Sizes are client sizes, as everywhere for windows (see UINativeWindow).

#include "ui/core/UIBrush.h"
#include "ui/core/UIWidget.h"

#include <cstdint>

class UINativeWindow;

class UIWindow : public UIWidget {
public:
    static constexpr uint32_t kDefaultBorderColor = 0x00FFFFFFu; // alpha 0: no border

    explicit UIWindow(UIWidget* parent = nullptr);

    void setStyleProperty(StringView name, StringView value) override;
    void setVisible(bool visible) override;

    // The caption: text, a space, an en dash, a space and the application
    // name; the application name alone for an empty text.
    void setWindowTitle(StringView text);
    static String windowTitleFor(StringView text, StringView applicationName);

    const UIBrush& background() const { return m_background; }
    void setBackground(const UIBrush& background) { m_background = background; }
    uint32_t borderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t color) { m_borderColor = color; }

    // The client size the window grows to when shown; 0 x 0 asks the layout.
    Size preferredSize() const { return m_preferredSize; }
    void setPreferredSize(Size size) { m_preferredSize = size; }
    // WindowState bits applied when the window is shown (0: none).
    void setRequestedWindowState(uint32_t state) { m_requestedWindowState = state; }

    // The native host, or nullptr when top-level widgets have another kind
    // of host.
    UINativeWindow* nativeWindow() const;

protected:
    // For classes that derive their own window: the style section named
    // `styleName` replaces "UIWindow".
    UIWindow(UIWidget* parent, StringView styleName);

    void paintEvent(UIPaintEvent& event) override;

private:
    void growToPreferredSize();
    void placeOnScreen();

    UIBrush m_background = UIBrush::solid(0xFFFFFFFFu);
    uint32_t m_borderColor = kDefaultBorderColor;
    Size m_preferredSize;
    uint32_t m_requestedWindowState = 0;
};
