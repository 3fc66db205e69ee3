// The gallery's buttons, check boxes, links and labels, in their states.
// Logged: "NAME clicked" for buttons and links, "NAME toggled 0|1" for
// check boxes, and "NAME clicked checked=0|1" for toggle buttons.
#include "tests/toolkit-demo/WidgetGallery.h"

#include "ui/core/WidgetLayout.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UICheckBox.h"
#include "ui/widgets/UILabel.h"
#include "ui/widgets/UILink.h"

#include <string>

namespace {

constexpr int32_t kIconSide = 12;
constexpr uint32_t kIconNormal = 0xFF5B6573u;
constexpr uint32_t kIconDisabled = 0xFFC4C9D0u;
constexpr uint32_t kIconHovered = 0xFF2F6FDEu;
constexpr uint32_t kIconPressed = 0xFF2354ABu;
constexpr int32_t kNarrowLabelWidth = 90;

UIImage squareIcon(uint32_t color)
{
    UIImage icon(kIconSide, kIconSide, false);
    icon.fill(color);
    return icon;
}

// Placed at the size a layout would give it: its hint within its minimum.
template <class W>
W& addAtEffectiveSize(WidgetGallery& gallery, const std::string& name, std::unique_ptr<W> widget)
{
    const Size size = WidgetLayout::effectiveSizeHint(*widget);
    return gallery.add(name, std::move(widget), size);
}

UIButton& addButton(WidgetGallery& gallery, const std::string& name, const char16_t* text)
{
    auto button = std::make_unique<UIButton>(&gallery.window());
    button->setText(text);
    UIButton& added = addAtEffectiveSize(gallery, name, std::move(button));
    DemoLog& log = gallery.log();
    added.clicked.connect([&log, &added, name](UIEvent&) {
        log.line(added.isCheckable() ? name + " clicked checked=" + std::to_string(added.isChecked())
                                     : name + " clicked");
    });
    return added;
}

UICheckBox& addCheckBox(WidgetGallery& gallery, const std::string& name, const char16_t* text)
{
    auto box = std::make_unique<UICheckBox>(&gallery.window());
    box->setText(text);
    UICheckBox& added = addAtEffectiveSize(gallery, name, std::move(box));
    DemoLog& log = gallery.log();
    added.toggled.connect([&log, name](UIEvent& event) {
        log.line(name + " toggled " + std::to_string(event.as<UINotifyEvent>().value()));
    });
    added.clicked.connect([&log, name](UIEvent&) { log.line(name + " clicked"); });
    return added;
}

UILabel& addLabel(WidgetGallery& gallery, const std::string& name, const char16_t* text, bool multiLine = false)
{
    auto label = std::make_unique<UILabel>(&gallery.window());
    label->setMultiLine(multiLine);
    label->setText(text);
    return addAtEffectiveSize(gallery, name, std::move(label));
}

} // namespace

void addButtonSection(WidgetGallery& gallery)
{
    gallery.beginSection("Buttons");
    addButton(gallery, "button", u"Button");
    addButton(gallery, "button-disabled", u"Disabled").disable();
    addButton(gallery, "button-default", u"Default").setDefault(true);
    UIButton& toggle = addButton(gallery, "toggle", u"Toggle");
    toggle.setCheckable(true);
    UIButton& toggleChecked = addButton(gallery, "toggle-checked", u"Checked");
    toggleChecked.setCheckable(true);
    toggleChecked.setChecked(true);
    UIButton& toggleDisabled = addButton(gallery, "toggle-checked-disabled", u"Checked, disabled");
    toggleDisabled.setCheckable(true);
    toggleDisabled.setChecked(true);
    toggleDisabled.disable();
    addButton(gallery, "flat", u"Flat").setFlat(true);

    const UIImage normal = squareIcon(kIconNormal), disabled = squareIcon(kIconDisabled);
    const UIImage hovered = squareIcon(kIconHovered), pressed = squareIcon(kIconPressed);
    const auto addIconButton = [&](const std::string& name, const char16_t* text, UIButton::IconPosition position) {
        auto button = std::make_unique<UIButton>(&gallery.window());
        button->setText(text);
        button->setIcons(normal, disabled, hovered, pressed);
        button->setIconPosition(position);
        return &addAtEffectiveSize(gallery, name, std::move(button));
    };
    addIconButton("icon-left", u"Icon left", UIButton::IconPosition::Left);
    addIconButton("icon-above", u"Icon above", UIButton::IconPosition::Top);
    addIconButton("icon-only", u"", UIButton::IconPosition::Left);
    addIconButton("icon-disabled", u"Icon disabled", UIButton::IconPosition::Left)->disable();

    gallery.beginSection("Check boxes and links");
    addCheckBox(gallery, "checkbox", u"Check box");
    addCheckBox(gallery, "checkbox-checked", u"Checked").setChecked(true);
    addCheckBox(gallery, "checkbox-disabled", u"Disabled").disable();
    UICheckBox& checkedDisabled = addCheckBox(gallery, "checkbox-checked-disabled", u"Checked, disabled");
    checkedDisabled.setChecked(true);
    checkedDisabled.disable();
    auto link = std::make_unique<UILink>(&gallery.window());
    link->setUrl(u"https://example.org/", u"A link to example.org");
    UILink& addedLink = gallery.add("link", std::move(link));
    DemoLog& log = gallery.log();
    addedLink.clicked.connect([&log](UIEvent&) { log.line("link clicked"); });

    gallery.beginSection("Labels");
    addLabel(gallery, "label", u"A label");
    addLabel(gallery, "label-disabled", u"A disabled label").disable();
    auto narrow = std::make_unique<UILabel>(&gallery.window());
    narrow->setText(u"A label too long for its room shows the whole text as its tooltip");
    const Size narrowSize{kNarrowLabelWidth, narrow->sizeHint().height};
    gallery.add("label-elided", std::move(narrow), narrowSize);
    addLabel(gallery, "label-multi-line", u"A label\nof three\nlines", true);
}
