#pragma once
// What the show/hide toggle of the notification icon and the hot key needs
// of the window it shows and hides.

class ShowHideTarget {
public:
    virtual ~ShowHideTarget() = default;
    virtual bool isShown() const = 0;
    // No other window of the program (options, about ...) is open.
    virtual bool isOnlyOpenWindow() const = 0;
    // Shows the window (restored if minimized) and brings it to the front.
    virtual void showAndRaise() = 0;
    virtual void hide() = 0;
};
