// What a menu paints, with skins whose frames are each one colour: the
// indicator frame follows the item's state, the hovered item gets its
// background, separators leave the icon column free, submenus get an arrow.
#include "tests/ui/widgets/ButtonTestSupport.h"
#include "ui/widgets/UIMenu.h"

using namespace widgettest;
using namespace buttontest;

namespace {

constexpr uint32_t kHovered = 0xFF00C000u;
constexpr uint32_t kSeparator = 0xFF0000C0u;
const std::vector<uint32_t> kCheck{0xFFC00000u, 0xFFC10000u, 0xFFC20000u, 0xFFC30000u};
const std::vector<uint32_t> kRadio{0xFF00C0C0u, 0xFF00C1C1u, 0xFF00C2C2u, 0xFF00C3C3u};
const std::vector<uint32_t> kArrow{0xFFC0C000u, 0xFFC1C100u, 0xFFC2C200u, 0xFFC3C300u};

class MenuPaintTest : public WidgetTest {};

} // namespace

TEST_F(MenuPaintTest, ItemsDrawTheirStateFrames)
{
    auto window = makeWindow({100, 100});
    UIMenu menu(window.get());
    UIMenu sub(window.get());
    menu.setStyleProperty(u"padding", u"2,2,2,2");
    menu.setStyleProperty(u"itemPadding", u"4,2,4,2");
    menu.setStyleProperty(u"itemIconSpace", u"20");
    menu.setStyleProperty(u"itemArrowSpace", u"12");
    menu.setSkin(u"UIMenu_HoveredItemBackground", solidFrames({kHovered}));
    menu.setSkin(u"UIMenu_ItemSeparator", solidFrames({kSeparator}));
    menu.setSkin(u"UIMenu_ItemCheckIndicator", solidFrames(kCheck));
    menu.setSkin(u"UIMenu_ItemRadioIndicator", solidFrames(kRadio));
    menu.setSkin(u"UIMenu_ItemArrow", solidFrames(kArrow));
    UIMenuItem& hoveredCheck = menu.addItem(u"Checked");
    UIMenuItem& radio = menu.addItem(u"Radio");
    menu.addSeparator();
    UIMenuItem& disabled = menu.addItem(u"Disabled");
    UIMenuItem& unchecked = menu.addItem(u"Unchecked");
    menu.addItem(u"More").setSubmenu(&sub);
    for (UIMenuItem* item : {&hoveredCheck, &radio, &disabled, &unchecked}) {
        item->setCheckable(true);
        item->setChecked(item != &unchecked);
    }
    radio.setRadio(true);
    disabled.setEnabled(false);
    menu.popup({10, 10});
    menu.setHoveredIndex(0);
    menu.update();

    const auto iconColumn = [&](int32_t index) {
        const Rect& r = menu.item(index).rect();
        return Rect{r.x, r.y, 20, r.height};
    };
    struct Case {
        const char* name;
        uint32_t color;
        Rect within; // empty: the colour must not show
    };
    const Rect separator = menu.item(2).rect(), more = menu.item(5).rect();
    const Case cases[] = {
        {"hovered check frame", kCheck[1], iconColumn(0)},
        {"normal radio frame", kRadio[0], iconColumn(1)},
        {"disabled check frame", kCheck[3], iconColumn(3)},
        {"no indicator for an unchecked item", kCheck[0], {}},
        {"hovered background on its item", kHovered, menu.item(0).rect()},
        {"separator right of the icon column",
         kSeparator,
         {separator.x + 20, separator.y, separator.width - 20, separator.height}},
        {"arrow at the right", kArrow[0], {more.right() - 4 - 12, more.y, 12, more.height}},
    };
    for (const Case& c : cases) {
        const Rect area = areaOf(menu, c.color);
        if (c.within.isEmpty()) {
            EXPECT_TRUE(area.isEmpty()) << c.name;
        } else {
            EXPECT_FALSE(area.isEmpty()) << c.name;
            EXPECT_TRUE(c.within.contains(area)) << c.name;
        }
    }
    menu.hide();
}
