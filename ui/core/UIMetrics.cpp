#include "ui/core/UIMetrics.h"
#include "ui/core/StyleValues.h"
#include "xml/XmlDocument.h"

#include <array>

namespace {

constexpr std::array<std::u16string_view, 12> kMetricNames = {
    u"LayoutLeftMargin",        u"LayoutTopMargin",       u"LayoutRightMargin",  u"LayoutBottomMargin",
    u"LayoutHorizontalSpacing", u"LayoutVerticalSpacing", u"SmallIconSize",      u"MediumIconSize",
    u"LargeIconSize",           u"TextCursorWidth",       u"MessageBoxIconSize", u"WindowDesktopPadding",
};

} // namespace

MetricId metricIdOf(StringView name)
{
    for (size_t i = 0; i < kMetricNames.size(); ++i)
        if (kMetricNames[i] == name)
            return static_cast<MetricId>(i + 1);
    return MetricId::Unknown;
}

bool UIMetrics::read(const XmlDocument& document)
{
    m_entries.clear();
    const auto topLevel = document.root().children();
    if (topLevel.empty() || (*topLevel.begin()).name() != u"metrics")
        return false;
    for (const XmlElement child : (*topLevel.begin()).children())
        if (child.name() == u"metric" && !child.attributes().empty())
            m_entries.emplace_back(metricIdOf(child.attribute(u"name")), parseInteger(child.attribute(u"value")));
    return true;
}

int32_t UIMetrics::metric(MetricId id) const
{
    for (const auto& [entryId, value] : m_entries)
        if (entryId == id)
            return value;
    return 0;
}
