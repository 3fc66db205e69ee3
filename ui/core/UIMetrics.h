#pragma once
// UIMetrics: the style set's named layout and size numbers, read from its
// "metrics.xml". There are no built-in values: a metric the document does
// not give reads as 0.

#include "platform/Text.h"

#include <cstdint>
#include <utility>
#include <vector>

class XmlDocument;

// Metric identifiers; the numbers are fixed because layouts ask by number.
enum class MetricId : int32_t {
    Unknown = 0,
    LayoutLeftMargin = 1,
    LayoutTopMargin = 2,
    LayoutRightMargin = 3,
    LayoutBottomMargin = 4,
    LayoutHorizontalSpacing = 5,
    LayoutVerticalSpacing = 6,
    SmallIconSize = 7,
    MediumIconSize = 8,
    LargeIconSize = 9,
    TextCursorWidth = 10,
    MessageBoxIconSize = 11,
    WindowDesktopPadding = 12,
};

// The identifier of a metric name as the document spells it
// ("LayoutLeftMargin"); Unknown for any other name.
MetricId metricIdOf(StringView name);

class UIMetrics {
public:
    // Replaces the list by the "metric" elements under the root "metrics"
    // (name and decimal value; entries without attributes are skipped).
    // False, leaving the list empty, when the root is not "metrics".
    bool read(const XmlDocument& document);

    // The first entry's value for the identifier, or 0.
    int32_t metric(MetricId id) const;
    int32_t metric(int32_t id) const { return metric(static_cast<MetricId>(id)); }

    // Entries in document order, unknown names included (as Unknown).
    const std::vector<std::pair<MetricId, int32_t>>& entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.empty(); }

private:
    std::vector<std::pair<MetricId, int32_t>> m_entries;
};
