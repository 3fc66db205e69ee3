#include "tests/toolkit-demo/WidgetGallery.h"
#include "ui/core/UICanvas.h"
#include "ui/widgets/UIScrollArea.h"
#include "ui/widgets/UIScrollBar.h"

#include <string>

namespace {

constexpr int32_t kBarLength = 200;
constexpr int32_t kAreaSide = 160;
constexpr Size kContentSize{320, 480};
constexpr int32_t kBand = 40;

// A large picture of numbered bands, so scrolling shows at a glance.
class BandedContent : public UIWidget {
public:
    explicit BandedContent(UIWidget* parent) : UIWidget(parent) { create(u"BandedContent"); }

protected:
    void paintEvent(UIPaintEvent&) override
    {
        static constexpr uint32_t kColors[] = {0xFFDCE8FAu, 0xFFFFFFFFu, 0xFFE8F4E4u, 0xFFFFFFFFu};
        UICanvas canvas(paintBuffer());
        canvas.setFont(UIFont::defaultFont());
        canvas.setPen(0xFF1F2329u);
        for (int32_t row = 0; row * kBand < height(); ++row) {
            const Rect band{0, row * kBand, width(), kBand};
            canvas.fillRect(band, kColors[row % 4]);
            canvas.drawText(band, fromUtf8("Row " + std::to_string(row + 1) + "  \xe2\x80\x94  scroll me sideways too"),
                            Alignment::Left | Alignment::VCenter);
        }
    }
};

// A scroll area that owns its content, as a window class would.
class BandedArea : public UIScrollArea {
public:
    explicit BandedArea(UIWidget* parent)
        : UIScrollArea(parent)
        , m_content(std::make_unique<BandedContent>(&viewport()))
    {
        m_content->resize(kContentSize.width, kContentSize.height);
        m_content->show();
        setContent(m_content.get());
    }

private:
    std::unique_ptr<BandedContent> m_content;
};

// Logs "NAME valueChanged VALUE" for the end-to-end runs.
void logged(WidgetGallery& gallery, const std::string& name, UIScrollBar& bar)
{
    DemoLog* log = &gallery.log();
    bar.valueChanged.connect([log, name](UIEvent& e) {
        log->line(name + " valueChanged " + std::to_string(e.as<UINotifyEvent>().value()));
    });
}

std::unique_ptr<UIScrollBar> makeBar(WidgetGallery& gallery, Orientation orientation, int32_t value)
{
    auto bar = std::make_unique<UIScrollBar>(&gallery.window(), orientation);
    bar->setRange(0, 100);
    bar->setPageStep(20);
    bar->setValue(value);
    return bar;
}

Size along(const UIScrollBar& bar, int32_t length)
{
    const Size hint = bar.sizeHint();
    return bar.isHorizontal() ? Size{length, hint.height} : Size{hint.width, length};
}

} // namespace

void addScrollSection(WidgetGallery& gallery)
{
    gallery.beginSection("Scroll bars and scroll area");

    struct BarEntry {
        const char* name;
        Orientation orientation;
        int32_t value;
        bool arrows;
        bool enabled;
        int32_t length;
    };
    const BarEntry bars[] = {
        {"scroll.horizontal", Orientation::Horizontal, 0, true, true, kBarLength},
        {"scroll.horizontal.noarrows", Orientation::Horizontal, 40, false, true, kBarLength},
        {"scroll.horizontal.disabled", Orientation::Horizontal, 60, true, false, kBarLength},
        {"scroll.vertical", Orientation::Vertical, 50, true, true, kAreaSide},
        {"scroll.vertical.disabled", Orientation::Vertical, 100, true, false, kAreaSide},
    };
    for (const BarEntry& entry : bars) {
        auto bar = makeBar(gallery, entry.orientation, entry.value);
        bar->setArrowsShown(entry.arrows);
        if (!entry.enabled)
            bar->disable();
        const Size size = along(*bar, entry.length);
        logged(gallery, entry.name, gallery.add(entry.name, std::move(bar), size));
    }

    UIScrollArea& area =
        gallery.add("scroll.area", std::make_unique<BandedArea>(&gallery.window()), {kAreaSide, kAreaSide});
    logged(gallery, "scroll.area.vertical", area.verticalScrollBar());
    logged(gallery, "scroll.area.horizontal", area.horizontalScrollBar());
}
