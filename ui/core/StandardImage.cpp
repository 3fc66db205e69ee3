#include "ui/core/StandardImage.h"

#include <array>

namespace {

constexpr std::array<StringView, kStandardImageCount> kFiles = {
    u"DialogHelpButton.png",     u"DirectoryBig.png",         u"DirectorySmall.png", u"InformationBig.png",
    u"QuestionBig.png",          u"WarningBig.png",           u"CriticalBig.png",    u"InformationMedium.png",
    u"QuestionMedium.png",       u"WarningMedium.png",        u"CriticalMedium.png", u"InformationSmall.png",
    u"QuestionSmall.png",        u"WarningSmall.png",         u"CriticalSmall.png",  u"WindowCloseButton.png",
    u"WindowMaximizeButton.png", u"WindowMinimizeButton.png", u"Focus.png",
};

} // namespace

StringView standardImageFile(int32_t index)
{
    return index >= 0 && index < kStandardImageCount ? kFiles[static_cast<size_t>(index)] : StringView();
}
