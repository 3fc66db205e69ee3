#include "app/SettingsSchema.h"

#include "app/SettingsKeys.h"

SettingsSchema defaultSettingsSchema()
{
    // The kinds matter: a reset writes these values and readers convert
    // from them until the next start.
    SettingsSchema schema;
    schema.add(String(SettingsKeys::kLanguage), u"english");
    schema.add(String(SettingsKeys::kMinimizeToNotificationArea), true);
    schema.add(String(SettingsKeys::kCloseToNotificationArea), true);
    schema.add(String(SettingsKeys::kHotkeyShowAndHide), int64_t(0));
    schema.add(String(SettingsKeys::kColorFormat), int32_t(2));
    schema.add(String(SettingsKeys::kZoomFactor), 1.0);
    schema.add(String(SettingsKeys::kWindowMainLeft), int32_t(-1));
    schema.add(String(SettingsKeys::kWindowMainTop), int32_t(-1));
    schema.add(String(SettingsKeys::kWindowMainWidth), int32_t(400));
    schema.add(String(SettingsKeys::kWindowMainHeight), int32_t(270));
    schema.add(String(SettingsKeys::kWindowMainTopMost), false);
    return schema;
}
