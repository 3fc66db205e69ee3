#include "SettingsSchema.h"

#include "SettingsKeys.h"

SettingsSchema defaultSettingsSchema()
{
    // The kinds matter: a reset writes these values and readers convert
    // from them until the next start.
    SettingsSchema schema;
    schema.add(String(SettingsKeys::Language), u"english");
    schema.add(String(SettingsKeys::MinimizeToNotificationArea), true);
    schema.add(String(SettingsKeys::CloseToNotificationArea), true);
    schema.add(String(SettingsKeys::HotkeyShowAndHide), int64_t(0));
    schema.add(String(SettingsKeys::ColorFormat), int32_t(2));
    schema.add(String(SettingsKeys::ZoomFactor), 1.0);
    schema.add(String(SettingsKeys::WindowMainLeft), int32_t(-1));
    schema.add(String(SettingsKeys::WindowMainTop), int32_t(-1));
    schema.add(String(SettingsKeys::WindowMainWidth), int32_t(400));
    schema.add(String(SettingsKeys::WindowMainHeight), int32_t(270));
    schema.add(String(SettingsKeys::WindowMainTopMost), false);
    return schema;
}
