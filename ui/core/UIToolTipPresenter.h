#pragma once
// Shows and hides the one tooltip popup of the process. The tooltip widget
// implements it and is installed on the UIManager; without one, tooltips
// are only tracked (which widget owns the tooltip and with what text).

#include "platform/Geometry.h"
#include "platform/Text.h"

#include <array>
#include <cstdint>

class UIWidget;

// Bits of UIToolTipSettings::options.
enum UIToolTipOption : uint32_t {
    // The popup moves with the pointer while it is shown.
    FollowPointer = 1,
    // A pointer outside the owner when the popup is due cancels it.
    HideOutsideOwner = 2,
};

// A widget's tooltip settings: its three tooltip placement values.
struct UIToolTipSettings {
    // Milliseconds before the popup shows; 0 or less takes the default
    // (or the quick re-show delay).
    int32_t delay = 0;
    // Milliseconds the popup stays; 0 or less takes the default.
    int32_t displayTime = 0;
    uint32_t options = 0;

    static UIToolTipSettings fromPlacement(const std::array<int32_t, 3>& values)
    {
        return {values[0], values[1], static_cast<uint32_t>(values[2])};
    }
};

class UIToolTipPresenter {
public:
    virtual ~UIToolTipPresenter() = default;
    // The owner stays alive until `hide`: the manager hides the tooltip of a
    // widget that goes.
    virtual void showToolTip(UIWidget& owner, StringView text, const UIToolTipSettings& settings) = 0;
    virtual void hideToolTip() = 0;
};
