#pragma once
// UIToolTip: the one tooltip popup of the process, and the presenter the
// widget base drives through the UIManager. Whoever starts the toolkit
// makes one (after loading the style set) and installs it with
// UIManager::setToolTipPresenter; it uninstalls itself when it goes.
//
// A tooltip is pending from showToolTip until its delay has passed, then
// shown until its display time ends, a press or key hides it, or the
// pointer reaches another widget. The popup never takes activation or the
// keyboard: typing goes on in the focused field while it is shown.
//
// The owner is held by a guard; the manager also hides the tooltip of a
// widget that goes, so a destroyed owner never gets a popup.

#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIToolTipPresenter.h"
#include "ui/core/UIWidget.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>
#include <vector>

class UIToolTip : public UIWidget, public UIToolTipPresenter {
public:
    static constexpr uint32_t kShowTimer = 100008;
    static constexpr uint32_t kHideTimer = 100009;
    static constexpr uint32_t kFollowTimer = 100010;
    static constexpr uint32_t kDefaultDelay = 800;
    static constexpr uint32_t kDefaultDisplayTime = 4500;
    // A tooltip of the same owner or window within this long after the last
    // one went shows after kQuickDelay.
    static constexpr uint64_t kQuickReshowWindow = 1000;
    static constexpr uint32_t kQuickDelay = 100;
    static constexpr uint32_t kFollowInterval = 20;
    static constexpr StringView kCutMark = u" ... ";

    UIToolTip();
    ~UIToolTip() override;

    // Nothing while a mouse button is held, for an owner without area, or
    // while a tooltip is pending or shown; an empty text only ends the
    // current one.
    void showToolTip(UIWidget& owner, StringView text, const UIToolTipSettings& settings) override;
    void hideToolTip() override;
    void hideToolTipOf(const UIWidget* widget);

    enum class Phase { None, Pending, Shown };
    Phase phase() const { return m_phase; }
    UIWidget* owner() const { return m_owner.get(); }
    const std::vector<String>& lines() const { return m_lines; }
    // 0: no limit. Applies to the next tooltip.
    void setMaximumTextLength(int32_t length) { m_maximumTextLength = length; }

    // The lines a text shows as: cut to `maximumLength` (when above 0) with
    // kCutMark appended; each run of CR and LF one line break; white space
    // and anything that is no letter, digit, punctuation or blank a space.
    static std::vector<String> textLines(StringView text, int32_t maximumLength);

    Size sizeHint() const override;
    UIFont font() const override { return m_look.font; }
    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;

protected:
    void paintEvent(UIPaintEvent& event) override;
    void timerEvent(UITimerEvent& event) override;

private:
    void showDue();
    // Below the pointer, inside its monitor's work area less the padding.
    void placeAt(Point pointer);

    UITextLook m_look;
    UIBrush m_background;
    uint32_t m_borderColor = 0;
    Margins m_padding;
    Margins m_desktopPadding;
    int32_t m_verticalOffset = 0;
    UISkin m_skin;

    Phase m_phase = Phase::None;
    UIWidgetGuard m_owner;
    Rect m_ownerRect;
    std::vector<String> m_lines;
    int32_t m_maximumTextLength = 0;
    uint32_t m_displayTime = kDefaultDisplayTime;
    uint32_t m_options = 0;
    // For the quick re-show: whose tooltip came last (serials, so a new
    // widget at an old address is not taken for the old one) and when the
    // last shown one went.
    int32_t m_lastOwnerSerial = 0;
    int32_t m_lastCallerSerial = 0;
    bool m_hasHidden = false;
    uint64_t m_lastHideTime = 0;
};
