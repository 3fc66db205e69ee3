#pragma once
// One entry of the settings store: a key such as "general/language", its
// value and a comment (kept for the file format; always empty here).

#include "app/Variant.h"

struct SettingsEntry {
    String key;
    Variant value;
    String comment;
};
