#pragma once
// MainWindow: the picker's one top-level window.
//
// Above: the magnifier, with the always-on-top, options and about buttons
// at its top right. Below: a row with the colour indicator, the colour's
// text and the format chooser, and the size grip at the right end. The
// window turns the magnifier's pointer input into MagnifierController
// calls, shows the picked colour, copies its text, and decides what
// closing, minimizing and the end of the session do.
//
// Beyond picking with the mouse: with the desktop frozen and the magnifier
// focused, the arrow keys move the picked point by one screen pixel (ten
// with Shift) and pick again, and Control+C copies as a click on the
// indicator does.
//
// Ownership: the window owns the widgets it builds (members, destroyed
// before the window itself). It borrows the settings and the picker model,
// which the application controller keeps alive longer. While it lives it is
// the toolkit's main widget and its native window is the application's
// main window, the one a second copy of the program raises.

#include "picker/MagnifierController.h"
#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIWindow.h"

#include <cstdint>
#include <memory>

class BackdropPicture;
class ColorIndicator;
class PickerModel;
class Settings;
class UIBox;
class UIButton;
class UIComboBox;
class UIExpander;
class UIKeyEvent;
class UILabel;
class UIMouseEvent;
class UISizeGrip;

class NotificationIconController;
class WindowShowHide;

class MainWindow : public UIWindow, private MagnifierHost {
public:
    static constexpr int32_t kMinimumHeight = 200;
    // A stored format outside the twelve reads as this one (BGR).
    static constexpr int32_t kDefaultFormat = 2;
    // Sets the notification icon up, once: see setUpNotificationIcon.
    static constexpr uint32_t kNotificationIconTimer = 100030;

    MainWindow(Settings& settings, PickerModel& model);
    ~MainWindow() override;

    // Sets the language stored in the settings and every translated text
    // of the window again.
    void retranslate() override;
    // Runs the options window modally, then sets the texts again in the
    // language it left stored. Returns the dialog's result.
    int32_t openOptions();

    // Moves and sizes the window to its stored place ("Main"), centred on
    // the work area when that place is on no monitor.
    void restoreGeometry();
    void saveGeometry();
    // After the first show: the notification icon appears, with its menu,
    // from the event loop once the window's first paint has been handled
    // (a timer comes after pending paints), so start-up does not wait for
    // the shell. Until then closing and minimizing act as without an icon.
    void setUpNotificationIcon();
    NotificationIconController& notificationIcon() { return *m_notificationIcon; }
    // Saves the window's place, writes the settings file and asks the
    // application to quit: what closing does without a notification icon.
    void exitApplication();

    // Shows the model's colour in the indicator and as text in the label.
    void refreshColor();
    // Puts the colour text, trimmed, on the clipboard; nothing before a
    // colour is picked or for an empty text. Whether it copied.
    bool copyColor();
    // Flips always-on-top: the window, the button's icon and the setting.
    void toggleTopMost();
    bool isTopMost() const;

    // The format combo box reported `index`: shown and stored at once.
    // Negative indices are ignored.
    void setFormat(int32_t index);

    BackdropPicture& magnifier() { return *m_magnifier; }
    ColorIndicator& colorIndicator() { return *m_colorIndicator; }
    UILabel& colorLabel() { return *m_colorLabel; }
    UIButton& topMostButton() { return *m_topMostButton; }
    UIButton& optionsButton() { return *m_optionsButton; }
    UIButton& aboutButton() { return *m_aboutButton; }
    UIComboBox& formatCombo() { return *m_formatCombo; }
    MagnifierController& magnifierController() { return m_controller; }

private:
    // --- MagnifierHost ---
    Size magnifierSize() const override;
    Rect mainWindowRect() const override;
    void setMagnifierCursor(MagnifierCursor cursor) override;
    void showImage(const UIImage& image) override;

    void buildMagnifier();
    void buildBottomRow();
    void connectHandlers();
    void setTranslatedTexts();
    void setTopMostIcon(bool on);
    MagnifierEvent magnifierEvent(const UIMouseEvent& event) const;
    void magnifierKeyPress(UIKeyEvent& event);
    // Moves the picked point by (dx, dy) screen pixels, panning the frozen
    // view when the point would leave it, and picks there.
    void stepPick(int32_t dx, int32_t dy);

    void timerEvent(UITimerEvent& event) override;

    void closeRequested(UIEvent& event);
    void windowStateChanged();
    // Whether closing or minimizing (the setting `key`) hides the window to
    // the notification area. Only with an icon there: a hidden window
    // without one could not be brought back.
    bool hidesToNotificationArea(StringView key) const;

    Settings& m_settings;
    PickerModel& m_model;
    MagnifierController m_controller;
    // Made first and gone last: the icon brings a hidden window back.
    std::unique_ptr<WindowShowHide> m_showHide;
    std::unique_ptr<NotificationIconController> m_notificationIcon;
    // Where the last pick read the magnifier (magnifier coordinates).
    Point m_pickPoint;
    bool m_hasPickPoint = false;

    // Declared in building order; destroyed in reverse, children first.
    std::unique_ptr<BackdropPicture> m_magnifier;
    std::unique_ptr<UIButton> m_topMostButton;
    std::unique_ptr<UIButton> m_optionsButton;
    std::unique_ptr<UIButton> m_aboutButton;
    std::unique_ptr<UIBox> m_bottomRow;
    std::unique_ptr<UIExpander> m_leftSpacer;
    std::unique_ptr<UIBox> m_innerBox;
    std::unique_ptr<ColorIndicator> m_colorIndicator;
    std::unique_ptr<UIBox> m_textBox;
    std::unique_ptr<UILabel> m_colorLabel;
    std::unique_ptr<UIComboBox> m_formatCombo;
    std::unique_ptr<UIExpander> m_rightSpacer;
    std::unique_ptr<UISizeGrip> m_sizeGrip;
};
