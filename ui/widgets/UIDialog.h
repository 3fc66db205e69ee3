#pragma once
// UIDialog: a modal window that ends with a result.
//
// Showing a dialog runs it modally: every other top-level window of the
// toolkit (the menus open at that moment aside) is disabled until the
// dialog closes, so a dialog over a dialog disables the one below it and
// everything that one had disabled, and each level gives back exactly what
// it took when it closes. `exec` shows the dialog and returns its result
// once it has closed; a dialog runs once, since closing tears it down.
//
// The dialog sees key presses before its focused child: Enter clicks the
// default button (unless another button has the focus), Escape rejects
// the dialog when it has a default button, and the window's close button
// (or Alt+F4) rejects it too, so every way out leaves a result.
// When the user's system setting asks for it, the pointer moves onto the
// default button a moment after the dialog appears.
//
// Look: the style section "UIDialog" (the UIWindow properties).

#include "ui/core/UIWindow.h"

#include <cstdint>

class UIButton;

class UIDialog : public UIWindow {
public:
    static constexpr int32_t kRejected = 0;
    static constexpr int32_t kAccepted = 1;
    static constexpr uint32_t kEnterKey = 13;
    static constexpr uint32_t kEscapeKey = 27;
    // Moves the pointer onto the default button once the dialog is placed.
    static constexpr uint32_t kSnapTimer = 100021;
    static constexpr uint32_t kSnapDelayMs = 50;

    explicit UIDialog(UIWidget* parent = nullptr);
    ~UIDialog() override;

    int32_t result() const { return m_result; }
    // done(kAccepted).
    virtual void accept();
    // done(kRejected).
    virtual void reject();
    // Stores the result and posts the close request to the dialog; the
    // modal run ends when that request is handled.
    virtual void done(int32_t result);

    // Shows the dialog modally and returns its result once it has closed
    // (kRejected at once when there is no event service to run it).
    virtual int32_t exec();

    // The first UIButton anywhere below the dialog that is marked default;
    // with `usableOnly`, the first that is also visible and enabled.
    UIButton* defaultButton(bool usableOnly = false) const;

protected:
    UIDialog(UIWidget* parent, StringView styleName);

    // Whether showing the dialog may snap the pointer to its default button.
    virtual bool snapsPointerToDefault() const { return true; }

    void keyPressEvent(UIKeyEvent& event) override;
    void timerEvent(UITimerEvent& event) override;
    void showEvent(UIEvent& event) override;
    void closeEvent(UIEvent& event) override;

private:
    void snapPointer();
    // Pulls the shown window back inside the work area of its monitor.
    void keepInsideWorkArea();

    int32_t m_result = kRejected;
    // done has run: the close that follows is the dialog's own.
    bool m_done = false;
    // The close request is being handled: done must not post another.
    bool m_closing = false;
};
