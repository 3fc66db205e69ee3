// Combo boxes and their popup lists: the twelve colour formats, a long and
// a short list, a disabled and an editable box, and a standalone list.
// Logged: "NAME currentIndexChanged INDEX" for every change of a box's
// current item, and "NAME popup at X,Y,W,H rows=N scrollbar=0|1" (screen
// coordinates) whenever a popup opens, so scripts can tell where it went.
#include "tests/toolkit-demo/GalleryCombo.h"

#include "picker/ColorFormat.h"
#include "platform/Monitors.h"
#include "tests/toolkit-demo/DemoRun.h"
#include "tests/toolkit-demo/WidgetGallery.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"
#include "ui/widgets/UIComboBox.h"
#include "ui/widgets/UIList.h"

#include <string>

namespace {

constexpr Size kComboSize{180, 24};
constexpr Size kListSize{180, 120};
constexpr int32_t kLongCount = 30;
constexpr int32_t kShortCount = 3;
constexpr Size kCornerClientSize{220, 60};
constexpr char16_t kStyleName[] = u"default";
constexpr char16_t kCornerTitle[] = u"Combo corner";

void watch(UIComboBox& combo, const std::string& name, DemoLog& log)
{
    combo.currentIndexChanged.connect([&log, name](UIEvent& event) {
        log.line(name + " currentIndexChanged " + std::to_string(event.as<UINotifyEvent>().value()));
    });
    UIComboBoxPopup& popup = combo.popup();
    popup.channel(UIWidget::Channel::Show).connect([&log, &popup, name](UIEvent&) {
        log.line(name + " popup at " + rectText(popup.x(), popup.y(), popup.width(), popup.height())
                 + " rows=" + std::to_string(popup.list().rowCount()) + " scrollbar="
                 + (popup.listView().verticalScrollBar().testFlag(UIWidget::Flag::Visible) ? "1" : "0"));
    });
}

std::unique_ptr<UIComboBox> formatCombo(UIWidget* parent, const std::string& name, DemoLog& log)
{
    auto combo = std::make_unique<UIComboBox>(parent);
    for (StringView label : kColorFormatLabels)
        combo->addItem(String(label));
    watch(*combo, name, log);
    return combo;
}

std::unique_ptr<UIComboBox> numberedCombo(UIWidget* parent, int32_t count, const std::string& name, DemoLog& log)
{
    auto combo = std::make_unique<UIComboBox>(parent);
    for (int32_t i = 1; i <= count; ++i)
        combo->addItem(u"Item " + fromUtf8(std::to_string(i)));
    watch(*combo, name, log);
    return combo;
}

} // namespace

void addComboSection(WidgetGallery& gallery)
{
    gallery.beginSection("Combo boxes and lists");
    UIWidget* parent = &gallery.window();
    DemoLog& log = gallery.log();
    gallery.add("combo", formatCombo(parent, "combo", log), kComboSize);
    gallery.add("combo-long", numberedCombo(parent, kLongCount, "combo-long", log), kComboSize);
    gallery.add("combo-short", numberedCombo(parent, kShortCount, "combo-short", log), kComboSize);
    auto disabled = formatCombo(parent, "combo-disabled", log);
    disabled->disable();
    gallery.add("combo-disabled", std::move(disabled), kComboSize);
    auto editable = formatCombo(parent, "combo-editable", log);
    editable->setEditable(true);
    gallery.add("combo-editable", std::move(editable), kComboSize);

    auto list = std::make_unique<UIList>(parent);
    for (StringView label : kColorFormatLabels)
        list->addRow(UIList::RowKind::Item, String(label));
    list->setSelectionMode(UIList::SelectionMode::Extended);
    list->selectRow(1);
    gallery.add("list", std::move(list), kListSize);
}

int runComboCorner(Application& application, DemoLog& log)
{
    if (!UIManager::instance().loadStyle(kStyleName, application.applicationFolder())) {
        log.line("no style set");
        return 1;
    }
    UIWindow window;
    window.nativeWindow()->setWindowType(WindowType::SystemMenu);
    window.setWindowTitle(kCornerTitle);
    window.layout().setEnabled(false);
    window.channel(UIWidget::Channel::Close).connect([&](UIEvent&) { application.quit(); });
    std::unique_ptr<UIComboBox> combo = formatCombo(&window, "combo", log);
    const Rect comboRect{kCornerClientSize.width - kComboSize.width - 10,
                         kCornerClientSize.height - kComboSize.height - 10, kComboSize.width, kComboSize.height};
    combo->setGeometry(comboRect);
    combo->show();
    log.line("widget combo at " + rectText(comboRect.x, comboRect.y, comboRect.width, comboRect.height));
    // The outer size is the client size plus the frame.
    const Margins frame = window.nativeWindow()->frameMargins();
    const Size outer{kCornerClientSize.width + frame.left + frame.right,
                     kCornerClientSize.height + frame.top + frame.bottom};
    const Rect area = platform::primaryWorkArea();
    log.line("work area " + rectText(area.x, area.y, area.width, area.height));
    return showAndRun(
        application, window,
        {area.right() - outer.width, area.bottom() - outer.height, kCornerClientSize.width, kCornerClientSize.height},
        log);
}
