// The simple widgets painted into their buffers over a window of a known
// colour: where each picture fit mode puts its image, which backgrounds a
// box and a group fill, and how a titled group keeps its children off the
// title line and toggles from it.
#include "platform/InputState.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UISkin.h"
#include "ui/widgets/UIBox.h"
#include "ui/widgets/UIGroup.h"
#include "ui/widgets/UIPicture.h"

#include <functional>

using namespace widgettest;

namespace {

constexpr uint32_t kWindowColor = 0xFF000000u;
constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kBlue = 0xFF0000FFu;

uint32_t rgb(const UIImage& image, Point p) { return image.pixel(p.x, p.y) & 0xFFFFFFu; }

UIImage filled(Size size, uint32_t color)
{
    UIImage image(size.width, size.height, false);
    image.fill(color);
    return image;
}

class SimpleWidgetsTest : public WidgetTest {
protected:
    SimpleWidgetsTest()
    {
        window = makeWindow({100, 100});
        window->color = kWindowColor;
    }
    // Shows the widget at the geometry and paints the whole window.
    void paint(UIWidget& widget, const Rect& geometry)
    {
        widget.setGeometry(geometry);
        widget.show();
        window->update();
    }

    std::unique_ptr<LoggingWidget> window;
};

} // namespace

TEST_F(SimpleWidgetsTest, EveryFitModePlacesTheImage)
{
    constexpr uint32_t kTopLeft = Alignment::Left | Alignment::Top;
    constexpr uint32_t kBottomRight = Alignment::Right | Alignment::Bottom;
    struct Case {
        const char* name;
        FitMode mode;
        uint32_t alignment;
        Size image;
        Rect expected; // in a 40 x 30 picture
    };
    const Case cases[] = {
        {"natural, top left", FitMode::Natural, kTopLeft, {20, 10}, {0, 0, 20, 10}},
        {"natural, bottom right", FitMode::Natural, kBottomRight, {20, 10}, {20, 20, 20, 10}},
        {"natural, centred", FitMode::Natural, Alignment::Center, {20, 10}, {10, 10, 20, 10}},
        {"natural, larger than the picture", FitMode::Natural, kBottomRight, {50, 40}, {0, 0, 50, 40}},
        {"stretched", FitMode::Stretch, Alignment::Center, {20, 10}, {0, 0, 40, 30}},
        {"shrunk, wide", FitMode::ShrinkToFit, Alignment::Bottom | Alignment::HCenter, {80, 20}, {0, 20, 40, 10}},
        {"shrunk, tall", FitMode::ShrinkToFit, Alignment::Center, {10, 60}, {17, 0, 5, 30}},
        {"shrink leaves a small image", FitMode::ShrinkToFit, kBottomRight, {20, 10}, {20, 20, 20, 10}},
    };
    for (bool asLayer : {false, true}) {
        for (const Case& c : cases) {
            UIPicture picture(window.get());
            const UIImage image = filled(c.image, kRed);
            const PictureLayer* layer = &picture.mainImage();
            if (asLayer)
                layer = picture.addLayer(image, c.alignment, c.mode);
            else
                picture.setImage(image, c.mode, c.alignment);
            paint(picture, {0, 0, 40, 30});
            const std::string name = std::string(c.name) + (asLayer ? " (layer)" : " (main image)");
            EXPECT_EQ(layer->rect, c.expected) << name;
            const UIImage& pixels = picture.paintBuffer();
            const Rect shown = c.expected.intersected({0, 0, 40, 30});
            for (Point p : {shown.topLeft(), Point{shown.right() - 1, shown.bottom() - 1}})
                EXPECT_EQ(rgb(pixels, p), kRed & 0xFFFFFFu) << name << " at " << p.x << "," << p.y;
            for (Point p : {Point{shown.x - 1, shown.y}, Point{shown.right(), shown.bottom() - 1},
                            Point{shown.x, shown.bottom()}})
                if (Rect{0, 0, 40, 30}.contains(p)) {
                    EXPECT_EQ(rgb(pixels, p), kWindowColor & 0xFFFFFFu) << name << " at " << p.x << "," << p.y;
                }
        }
    }
}

TEST_F(SimpleWidgetsTest, TiledImageRepeatsFromTheTopLeft)
{
    // Left half red, right half blue.
    UIImage tile = filled({4, 4}, kRed);
    tile.fillRect({2, 0, 2, 4}, kBlue);
    UIPicture picture(window.get());
    picture.addLayer(tile, PictureLayer::kDefaultAlignment, FitMode::Tile);
    paint(picture, {0, 0, 10, 6});
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 10; ++x)
            EXPECT_EQ(rgb(picture.paintBuffer(), {x, y}), (x % 4 < 2 ? kRed : kBlue) & 0xFFFFFFu) << x << "," << y;
}

TEST_F(SimpleWidgetsTest, PictureSizeHint)
{
    UIPicture picture(window.get());
    picture.setImage(filled({20, 10}, kRed));
    picture.addLayer(filled({8, 30}, kRed));
    EXPECT_EQ(picture.sizeHint(), (Size{20, 30}));
    picture.setAutoSize(false);
    EXPECT_EQ(picture.sizeHint(), UIPicture::kMinimumManualSize);
    picture.setMinimumSize({50, 10});
    EXPECT_EQ(picture.sizeHint(), (Size{50, 32}));
}

TEST_F(SimpleWidgetsTest, BackgroundsFillOnlyWhenTheyShow)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<UIWidget>(UIWidget*)> make;
        const char* background; // null: the default
        bool filled;
    };
    const auto box = [](UIWidget* parent) { return std::make_unique<UIBox>(parent); };
    const auto group = [](UIWidget* parent) { return std::make_unique<UIGroup>(parent); };
    const Case cases[] = {
        {"box, default", box, nullptr, false},
        {"box, alpha 0", box, "0,255,0,0", false},
        {"box, alpha 1", box, "1,255,0,0", true},
        {"box, gradient with one visible stop", box, "0,255,0,0|1,255,0,0", true},
        {"group, default", group, nullptr, false},
        {"group, translucent", group, "254,255,0,0", false},
        {"group, opaque", group, "255,0,0", true},
        {"group, gradient with a translucent stop", group, "255,0,0|128,255,0,0", false},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<UIWidget> widget = c.make(window.get());
        if (c.background)
            widget->setStyleProperty(u"background", fromUtf8(c.background));
        paint(*widget, {10, 10, 20, 20});
        EXPECT_EQ(rgb(widget->paintBuffer(), {10, 10}), (c.filled ? kRed : kWindowColor) & 0xFFFFFFu) << c.name;
    }
}

TEST_F(SimpleWidgetsTest, TitledGroupKeepsItsChildrenBelowTheTitle)
{
    struct Case {
        const char* name;
        const char16_t* title;
        bool checkable;
        Size indicator;
    };
    const Case cases[] = {
        {"untitled", u"", false, {}},
        {"titled", u"Options", false, {}},
        {"checkable, small indicator", u"Options", true, {8, 8}},
        {"checkable, indicator taller than the text", u"Options", true, {30, 30}},
        {"checkable without a title", u"", true, {12, 12}},
    };
    for (const Case& c : cases) {
        UIGroup group(window.get(), c.title);
        group.setStyleProperty(u"indicatorSize",
                               fromUtf8(std::to_string(c.indicator.width) + "," + std::to_string(c.indicator.height)));
        group.setCheckable(c.checkable);
        LoggingWidget child("child", log, &group);
        child.hint = {30, 20};
        // Filling its cell, it sits right at the top margin.
        child.layout().setPolicy(SizePolicy::Preferred, SizePolicy::Preferred);
        child.show();
        paint(group, {0, 0, 100, 90});
        WidgetLayout::relayout(group);
        const Rect title = group.titleRect();
        if (title.isEmpty()) {
            EXPECT_EQ(child.y(), 0) << c.name;
            continue;
        }
        EXPECT_GE(title.height, c.checkable ? c.indicator.height : 1) << c.name;
        EXPECT_GE(child.y(), title.bottom() + UIGroup::kTitleGap) << c.name;
        EXPECT_GE(group.sizeHint().height, title.bottom() + UIGroup::kTitleGap + UIGroup::kMinimumBodyHeight) << c.name;
        EXPECT_GE(group.sizeHint().width, title.width) << c.name;
    }
}

TEST_F(SimpleWidgetsTest, GroupTitleFrameAndIndicatorFollowTheState)
{
    // One colour per indicator frame: frame i is 0xFF0000i0.
    UIImage strip(8 * 4, 4, false);
    for (int32_t i = 0; i < 8; ++i)
        strip.fillRect({i * 4, 0, 4, 4}, 0xFF000000u | uint32_t(i) << 4);
    UIGroup group(window.get(), u"Go");
    group.setSkin(u"UIGroup_Indicator", UISkin::create(strip, {SkinOrientation::Horizontal, 8, 4, 4, {}, {}}));
    group.setSkin(u"UIGroup_Background",
                  UISkin::create(filled({3, 3}, kBlue), {SkinOrientation::Horizontal, 1, 3, 3, {1, 1, 1}, {1, 1, 1}}));
    group.setStyleProperty(u"indicatorSize", u"10,10");
    group.setCheckable(true);
    paint(group, {0, 0, 80, 60});
    const auto indicatorFrame = [&] {
        window->update();
        const Rect title = group.titleRect();
        return int32_t((rgb(group.paintBuffer(), {title.x + 5, title.y + title.height / 2}) >> 4) & 0xF);
    };
    EXPECT_EQ(indicatorFrame(), UIGroup::kIndicatorNormal);
    const auto moveTo = [&](Point p) {
        UIMouseEvent move(UIEventType::MouseMove, 0, 0, p, 0);
        UIWidget::sendEvent(&group, move);
    };
    moveTo({group.titleRect().x + 1, group.titleRect().y + 1});
    EXPECT_EQ(indicatorFrame(), UIGroup::kIndicatorHovered);
    moveTo({40, 50});
    EXPECT_EQ(indicatorFrame(), UIGroup::kIndicatorNormal);
    group.setChecked(true);
    EXPECT_EQ(indicatorFrame(), UIGroup::kIndicatorNormal + UIGroup::kIndicatorChecked);
    group.disable();
    EXPECT_EQ(indicatorFrame(), UIGroup::kIndicatorDisabled + UIGroup::kIndicatorChecked);
    // The frame starts under the title line.
    const int32_t frameTop = group.titleReservation();
    for (int32_t x : {0, 70})
        EXPECT_EQ(rgb(group.paintBuffer(), {x, frameTop}), kBlue & 0xFFFFFFu) << x;
    EXPECT_EQ(rgb(group.paintBuffer(), {70, frameTop - 1}), kWindowColor & 0xFFFFFFu);
}

TEST_F(SimpleWidgetsTest, TheTitleTogglesACheckableGroup)
{
    constexpr uint32_t kLeft = platform::LeftButton;
    constexpr uint32_t kRight = platform::RightButton;
    enum class Where { Title, Body };
    struct Case {
        const char* name;
        bool checkable;
        bool enabled;
        uint32_t button;
        Where press;
        Where release;
        bool toggles;
    };
    const Case cases[] = {
        {"press and release on the title", true, true, kLeft, Where::Title, Where::Title, true},
        {"released off the title", true, true, kLeft, Where::Title, Where::Body, false},
        {"pressed off the title", true, true, kLeft, Where::Body, Where::Title, false},
        {"right button", true, true, kRight, Where::Title, Where::Title, false},
        {"not checkable", false, true, kLeft, Where::Title, Where::Title, false},
        {"disabled", true, false, kLeft, Where::Title, Where::Title, false},
    };
    for (const Case& c : cases) {
        UIGroup group(window.get(), u"Title");
        group.setCheckable(true);
        paint(group, {0, 0, 90, 80});
        const Point title{group.titleRect().x + 2, group.titleRect().y + 2};
        const Point body{45, 60};
        group.setCheckable(c.checkable);
        if (!c.enabled)
            group.disable();
        std::vector<int64_t> toggles;
        group.toggled.connect([&](UIEvent& e) { toggles.push_back(static_cast<UINotifyEvent&>(e).value()); });
        for (int round = 0; round < 2; ++round) {
            UIMouseEvent press(UIEventType::MousePress, c.button, c.button, c.press == Where::Title ? title : body, 0);
            UIWidget::sendEvent(&group, press);
            UIMouseEvent release(UIEventType::MouseRelease, 0, c.button, c.release == Where::Title ? title : body, 0);
            UIWidget::sendEvent(&group, release);
        }
        EXPECT_EQ(toggles, c.toggles ? (std::vector<int64_t>{1, 0}) : std::vector<int64_t>{}) << c.name;
    }
}
