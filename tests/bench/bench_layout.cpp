// How long the grid layout's arithmetic takes for a window-sized grid,
// compared with a memcpy of a maximised window's pixels measured in the
// same run.
//
// Each line: operation, case, median microseconds, ratio to the memcpy.
// Cases: arrange() of 50 built items (the distribution and the cells), and
// buildItems() followed by arrange(), as every layout pass runs them.
#include "tests/bench/BenchTiming.h"
#include "ui/core/UILayout.h"

#include <deque>
#include <vector>

namespace {

constexpr Size kWindow{1920, 1040};
constexpr int kItems = 50;

// Five columns of ten rows, mixed as a dialog mixes them: fixed buttons and
// labels, boxes that take their cell, an expander every few rows, a spanning
// item, stretch on two columns and one row.
struct Grid {
    UILayout layout;
    std::deque<UILayout> placements;
    std::vector<UILayout::Child> children;

    Grid()
    {
        layout.setColumnWrap(5);
        layout.setSpacing(6, 6);
        layout.setMargins({8, 8, 8, 8});
        layout.setColumnStretch(1, 30.0f);
        layout.setColumnStretch(3, 20.0f);
        layout.setRowStretch(4, 50.0f);
        for (int i = 0; i < kItems; ++i) {
            UILayout& placement = placements.emplace_back();
            const SizePolicy policy = i % 7 == 3 ? SizePolicy::Expanding
                : i % 3 == 0                     ? SizePolicy::Preferred
                                                 : SizePolicy::Fixed;
            placement.setPolicy(policy, policy);
            if (i == 12)
                placement.setSpan(1, 2);
            children.push_back({{40 + (i * 37) % 120, 18 + (i * 11) % 30}, &placement});
        }
    }
};

} // namespace

int main()
{
    const double baseline = bench::memcpyMicroseconds(kWindow);
    bench::report("memcpy", bench::sizeText(kWindow), baseline, baseline);

    Grid grid;
    grid.layout.buildItems(grid.children);
    std::vector<Rect> cells;
    const double arrange = bench::medianMicroseconds([&] { cells = grid.layout.arrange(kWindow); });
    bench::report("layout", "arrange 50 items", arrange, baseline);

    const double pass = bench::medianMicroseconds([&] {
        grid.layout.buildItems(grid.children);
        cells = grid.layout.arrange(kWindow);
    });
    bench::report("layout", "build+arrange 50 items", pass, baseline);
    return 0;
}
