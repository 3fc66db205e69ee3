// The gallery's menu buttons and their menus: icons, a shortcut, a disabled
// item, check and radio items, a separator and a submenu.
// Logged: "NAME triggered ITEM" for every activated item, and where each
// menu shows on the screen ("NAME menu at X,Y,W,H", "NAME submenu at ...")
// with its items ("NAME item ITEM at X,Y,W,H"), so scripts can point at
// them.
#include "tests/toolkit-demo/WidgetGallery.h"

#include "ui/core/WidgetLayout.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UIMenu.h"

#include <string>

namespace {

constexpr int32_t kIconSide = 12;
constexpr uint32_t kIconNormal = 0xFF5B6573u;
constexpr uint32_t kIconDisabled = 0xFFC4C9D0u;
constexpr uint32_t kIconHovered = 0xFF2F6FDEu;

UIImage squareIcon(uint32_t color)
{
    UIImage icon(kIconSide, kIconSide, false);
    icon.fill(color);
    return icon;
}

// A menu button that keeps its menus: the gallery owns widgets only.
class GalleryMenuButton : public UIButton {
public:
    GalleryMenuButton(UIWidget* parent, const std::string& name, DemoLog& log)
        : UIButton(parent)
        , m_menu(parent)
        , m_submenu(parent)
        , m_name(name)
        , m_log(log)
    {
        setText(u"Menu \u25BE");
        const UIImage normal = squareIcon(kIconNormal), disabled = squareIcon(kIconDisabled);
        m_menu.addItem(u"Open", normal, disabled, squareIcon(kIconHovered), normal, {}).setShortcutText(u"Ctrl+O");
        m_menu.addItem(u"Unavailable").setEnabled(false);
        m_menu.addSeparator();
        UIMenuItem& wrap = m_menu.addItem(u"Wrap lines");
        wrap.setCheckable(true);
        wrap.setChecked(true);
        UIMenuItem& radio = m_menu.addItem(u"Large view");
        radio.setCheckable(true);
        radio.setRadio(true);
        radio.setChecked(true);
        m_menu.addItem(u"More").setSubmenu(&m_submenu);
        m_submenu.addItem(u"Inner one");
        m_submenu.addItem(u"Inner two").setShortcutText(u"F2");
        watch(m_menu, "menu");
        watch(m_submenu, "submenu");
        setMenu(&m_menu);
    }

private:
    void watch(UIMenu& menu, const std::string& what)
    {
        menu.triggered.connect(this, [this, &menu](UIEvent& event) {
            const auto index = static_cast<int32_t>(event.as<UINotifyEvent>().value());
            m_log.line(m_name + " triggered " + toUtf8(menu.item(index).text()));
        });
        menu.channel(Channel::Show).connect(this, [this, &menu, what](UIEvent&) {
            m_log.line(m_name + " " + what + " at " + rectText(menu.x(), menu.y(), menu.width(), menu.height()));
            for (int32_t i = 0; i < menu.itemCount(); ++i) {
                const UIMenuItem& item = menu.item(i);
                if (item.isSeparator())
                    continue;
                const Point at = menu.mapToScreen({item.rect().x, item.rect().y});
                m_log.line(m_name + " item " + toUtf8(item.text()) + " at "
                           + rectText(at.x, at.y, item.rect().width, item.rect().height));
            }
        });
    }

    UIMenu m_menu;
    UIMenu m_submenu;
    std::string m_name;
    DemoLog& m_log;
};

void addMenuButton(WidgetGallery& gallery, const std::string& name, bool enabled)
{
    auto button = std::make_unique<GalleryMenuButton>(&gallery.window(), name, gallery.log());
    if (!enabled)
        button->disable();
    const Size size = WidgetLayout::effectiveSizeHint(*button);
    gallery.add(name, std::move(button), size);
}

} // namespace

void addMenuSection(WidgetGallery& gallery)
{
    gallery.beginSection("Menus");
    addMenuButton(gallery, "menubutton", true);
    addMenuButton(gallery, "menubutton-disabled", false);
}
