// Groups, pictures, lines, boxes, an expander and the size grip. The grip
// sits in the window's bottom-right corner and follows every resize; the
// checkable groups log "NAME toggled checked=0|1".
#include "tests/toolkit-demo/WidgetGallery.h"

#include "ui/core/UIManager.h"
#include "ui/core/UIStyleSet.h"
#include "ui/widgets/UIBox.h"
#include "ui/widgets/UIExpander.h"
#include "ui/widgets/UIGroup.h"
#include "ui/widgets/UILine.h"
#include "ui/widgets/UIPicture.h"
#include "ui/widgets/UISizeGrip.h"

#include <memory>

namespace {

constexpr Size kGroupSize{150, 90};
constexpr Size kPictureSize{90, 60};
constexpr uint32_t kBoxColor = 0xFF8FB3D9u;
constexpr uint32_t kPatternDark = 0xFF3A6EA5u;
constexpr uint32_t kPatternLight = 0xFFE8C547u;

// A group that owns what it frames: a line and a filled box in its column.
class FramedGroup : public UIGroup {
public:
    FramedGroup(UIWidget* parent, String title) : UIGroup(parent, std::move(title))
    {
        m_line = std::make_unique<UILine>(this);
        m_box = std::make_unique<UIBox>(this);
        m_box->setBackground(UIBrush::solid(kBoxColor));
        m_box->setMinimumSize({20, 16});
        m_line->show();
        m_box->show();
    }

private:
    std::unique_ptr<UILine> m_line;
    std::unique_ptr<UIBox> m_box;
};

// Quarters in two colours, so that placement and scaling show.
UIImage pattern(Size size)
{
    UIImage image(size.width, size.height, false);
    image.fill(kPatternDark);
    image.fillRect({0, 0, size.width / 2, size.height / 2}, kPatternLight);
    image.fillRect({size.width / 2, size.height / 2, size.width - size.width / 2, size.height - size.height / 2},
                   kPatternLight);
    return image;
}

// A standard image of the style when there is one, else the pattern.
UIImage icon(StandardImage which)
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    if (style && !style->standardImage(which).isEmpty())
        return style->standardImage(which);
    return pattern({32, 32});
}

void addGroups(WidgetGallery& gallery)
{
    gallery.add("group", std::make_unique<FramedGroup>(&gallery.window(), u"Group"), kGroupSize);
    struct Checkable {
        const char* name;
        const char16_t* title;
        bool checked;
        bool enabled;
    };
    const Checkable checkables[] = {
        {"groupCheckable", u"Checkable", false, true},
        {"groupChecked", u"Checked", true, true},
        {"groupDisabled", u"Disabled", true, false},
    };
    for (const Checkable& c : checkables) {
        auto& group = gallery.add(c.name, std::make_unique<FramedGroup>(&gallery.window(), c.title), kGroupSize);
        group.setCheckable(true);
        group.setChecked(c.checked);
        if (!c.enabled)
            group.disable();
        const std::string name = c.name;
        DemoLog& log = gallery.log();
        group.toggled.connect(&group, [&log, name](UIEvent& event) {
            log.line(name + " toggled checked=" + std::to_string(static_cast<UINotifyEvent&>(event).value()));
        });
    }
}

void addPictures(WidgetGallery& gallery)
{
    UIWidget* parent = &gallery.window();
    struct Fitted {
        const char* name;
        FitMode mode;
        Size image;
    };
    const Fitted fitted[] = {
        {"pictureNatural", FitMode::Natural, {40, 30}},
        {"pictureStretched", FitMode::Stretch, {40, 30}},
        {"pictureShrunk", FitMode::ShrinkToFit, {160, 80}},
        {"pictureTiled", FitMode::Tile, {16, 16}},
    };
    for (const Fitted& f : fitted) {
        auto& picture = gallery.add(f.name, std::make_unique<UIPicture>(parent), kPictureSize);
        picture.setImage(pattern(f.image), f.mode, Alignment::Center);
    }
    auto& layered = gallery.add("pictureLayers", std::make_unique<UIPicture>(parent), kPictureSize);
    layered.setImage(pattern({16, 16}), FitMode::Tile);
    layered.addLayer(icon(StandardImage::InformationMedium), Alignment::Right | Alignment::Bottom);
    PictureLayer* hidden = layered.addLayer(pattern({20, 20}), Alignment::Left | Alignment::Top);
    layered.setLayerVisible(hidden, false);
    auto& overlay = gallery.add("pictureOverlay", std::make_unique<UIPicture>(parent), kPictureSize);
    overlay.setBackground(UIBrush::solid(kBoxColor));
    overlay.setOverlayText(u"Overlay\ntext");
    // Sized by its image: the image is set before the gallery asks.
    auto autoSized = std::make_unique<UIPicture>(parent);
    autoSized->setImage(icon(StandardImage::QuestionBig));
    gallery.add("pictureAutoSize", std::move(autoSized));
}

void addPlainWidgets(WidgetGallery& gallery)
{
    UIWidget* parent = &gallery.window();
    gallery.add("line", std::make_unique<UILine>(parent), {200, 2});
    gallery.add("box", std::make_unique<UIBox>(parent), {40, 30});
    gallery.add("boxFilled", std::make_unique<UIBox>(parent), {40, 30}).setBackground(UIBrush::solid(kBoxColor));
    gallery.add("expander", std::make_unique<UIExpander>(parent), {40, 30});
}

void addSizeGrip(WidgetGallery& gallery)
{
    UIWindow& window = gallery.window();
    auto& grip = gallery.add("sizeGrip", std::make_unique<UISizeGrip>(&window));
    const auto followCorner = [&window, &grip] {
        grip.move(window.width() - grip.width(), window.height() - grip.height());
    };
    window.channel(UIWidget::Channel::Resize).connect(&grip, [followCorner](UIEvent&) { followCorner(); });
    followCorner();
}

} // namespace

void addSimpleWidgetSection(WidgetGallery& gallery)
{
    gallery.beginSection("Groups, pictures, lines, boxes, expander, size grip");
    addGroups(gallery);
    addPictures(gallery);
    addPlainWidgets(gallery);
    addSizeGrip(gallery);
}
