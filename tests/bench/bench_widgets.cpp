// How long the widget base takes to lay out and compose a maximised window,
// compared with a memcpy of the window's pixels measured in the same run.
//
// Each line: operation, case, median microseconds, ratio to the memcpy.
// Cases: a relayout pass over 50 widgets in nested boxes when nothing moves
// (the steady cost of every show, hide and resize) and when the window
// changes width (every widget resized, then the one repaint after the
// pass); the composition of the canvas from the window's and 50 children's
// buffers; a full paint (each child first takes its parent's background,
// then paints, then is composed); and the sum of a relayout and a
// composition.
#include "tests/bench/BenchTiming.h"
#include "ui/core/UIWidget.h"
#include "ui/core/WidgetLayout.h"

#include <memory>
#include <vector>

namespace {

constexpr Size kWindow{1920, 1040};
constexpr int kRows = 5;
constexpr int kColumns = 10;

std::unique_ptr<UIWidget> makeWindow()
{
    auto window = std::make_unique<UIWidget>();
    window->setFlag(UIWidget::Flag::Window, true);
    window->create(u"UIWindow");
    window->resize(kWindow.width, kWindow.height);
    return window;
}

// Rows of boxes down the window, ten children across each box.
struct NestedWindow {
    std::unique_ptr<UIWidget> window = makeWindow();
    std::vector<std::unique_ptr<UIWidget>> widgets;

    NestedWindow()
    {
        window->layout().setFlow(UILayout::Flow::Column);
        for (int r = 0; r < kRows; ++r) {
            auto box = std::make_unique<UIWidget>(window.get());
            box->create(u"UIBox");
            box->layout().setPolicy(SizePolicy::Preferred, SizePolicy::Preferred);
            box->layout().setSpacing(4, 4);
            for (int c = 0; c < kColumns; ++c) {
                auto child = std::make_unique<UIWidget>(box.get());
                child->create(u"UIWidget");
                child->setMinimumSize({40 + c, 20 + r});
                child->layout().setPolicy(c % 4 == 0 ? SizePolicy::Expanding : SizePolicy::Preferred,
                                          SizePolicy::Preferred);
                child->show();
                widgets.push_back(std::move(child));
            }
            box->show();
            widgets.push_back(std::move(box));
        }
        window->show();
    }
};

// Fifty children straight in the window, a 10 x 5 grid covering it.
struct FlatWindow {
    std::unique_ptr<UIWidget> window = makeWindow();
    std::vector<std::unique_ptr<UIWidget>> children;

    FlatWindow()
    {
        window->layout().setColumnWrap(kColumns);
        for (int i = 0; i < kRows * kColumns; ++i) {
            auto child = std::make_unique<UIWidget>(window.get());
            child->create(u"UIWidget");
            child->layout().setPolicy(SizePolicy::Preferred, SizePolicy::Preferred);
            child->show();
            children.push_back(std::move(child));
        }
        window->show();
    }
};

} // namespace

int main()
{
    const double baseline = bench::memcpyMicroseconds(kWindow);
    bench::report("memcpy", bench::sizeText(kWindow), baseline, baseline);

    NestedWindow nested;
    const double steady = bench::medianMicroseconds([&] { WidgetLayout::relayout(*nested.window); });
    bench::report("widgets", "relayout 50 nested", steady, baseline);
    bool wide = false;
    const double resized = bench::medianMicroseconds([&] {
        wide = !wide;
        nested.window->resize(kWindow.width - (wide ? 16 : 0), kWindow.height);
    });
    bench::report("widgets", "resize+relayout+paint", resized, baseline);

    FlatWindow flat;
    const double compose = bench::medianMicroseconds([&] { flat.window->compose(); });
    bench::report("widgets", "compose 50 children", compose, baseline);
    const double paint = bench::medianMicroseconds([&] { flat.window->update(); });
    bench::report("widgets", "paint+compose 50", paint, baseline);
    bench::report("widgets", "relayout+compose", steady + compose, baseline);
    return 0;
}
