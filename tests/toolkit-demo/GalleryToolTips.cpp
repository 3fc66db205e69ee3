#include "tests/toolkit-demo/WidgetGallery.h"
#include "ui/core/UIManager.h"
#include "ui/widgets/UIHotKey.h"
#include "ui/widgets/UILabel.h"
#include "ui/widgets/UIToolTip.h"

#include <map>
#include <memory>

namespace {

std::string geometryText(const UIWidget& widget)
{
    return std::to_string(widget.x()) + "," + std::to_string(widget.y()) + "," + std::to_string(widget.width()) + ","
        + std::to_string(widget.height());
}

// The text is set first: the gallery sizes a widget by its size hint.
std::unique_ptr<UILabel> labelWithToolTip(WidgetGallery& gallery, StringView text, StringView toolTip)
{
    auto label = std::make_unique<UILabel>(&gallery.window());
    label->setText(String(text));
    label->setToolTip(String(toolTip));
    return label;
}

} // namespace

// Two neighbours with tooltips (one of two lines, written with CR LF pairs)
// and a field to type into while a tooltip is shown. The popup logs
// "tooltip shown for NAME at X,Y,W,H" (screen coordinates) and
// "tooltip hidden".
void addToolTipSection(WidgetGallery& gallery)
{
    gallery.beginSection("Tooltips");
    auto& first = gallery.add("tooltip-label",
                              labelWithToolTip(gallery, u"Hover for a tooltip", u"A tooltip\r\n\r\nof two lines"));
    auto& second =
        gallery.add("tooltip-neighbour", labelWithToolTip(gallery, u"Its neighbour", u"The neighbour's tooltip"));
    auto& field = gallery.add("tooltip-field", std::make_unique<UIHotKey>(&gallery.window()));
    field.channel(UIWidget::Channel::KeyPress).connect(&field, [&gallery, &field](UIEvent&) {
        gallery.log().line("tooltip-field text " + toUtf8(field.text()));
    });

    auto* tip = dynamic_cast<UIToolTip*>(UIManager::instance().toolTipPresenter());
    if (!tip)
        return;
    const auto names = std::make_shared<std::map<const UIWidget*, std::string>>();
    (*names)[&first] = "tooltip-label";
    (*names)[&second] = "tooltip-neighbour";
    // Bound to the field, which goes with the gallery, before the popup.
    tip->channel(UIWidget::Channel::Show).connect(&field, [&gallery, tip, names](UIEvent&) {
        const auto found = names->find(tip->owner());
        const std::string name = found != names->end() ? found->second : "other";
        gallery.log().line("tooltip shown for " + name + " at " + geometryText(*tip));
    });
    tip->channel(UIWidget::Channel::Hide).connect(&field, [&gallery](UIEvent&) {
        gallery.log().line("tooltip hidden");
    });
}
