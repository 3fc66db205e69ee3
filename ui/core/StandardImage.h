#pragma once
// The standard images every style set provides in its "images" folder, by
// their fixed indices.

#include "platform/Text.h"

#include <cstdint>

enum class StandardImage : int32_t {
    DialogHelpButton = 0,
    DirectoryBig = 1,
    DirectorySmall = 2,
    InformationBig = 3,
    QuestionBig = 4,
    WarningBig = 5,
    CriticalBig = 6,
    InformationMedium = 7,
    QuestionMedium = 8,
    WarningMedium = 9,
    CriticalMedium = 10,
    InformationSmall = 11,
    QuestionSmall = 12,
    WarningSmall = 13,
    CriticalSmall = 14,
    WindowCloseButton = 15,
    WindowMaximizeButton = 16,
    WindowMinimizeButton = 17,
    Focus = 18,
};

inline constexpr int32_t kStandardImageCount = 19;

// The file name of a standard image ("Focus.png"); empty for an index out
// of range.
StringView standardImageFile(int32_t index);
