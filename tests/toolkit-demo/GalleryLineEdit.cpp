#include "tests/toolkit-demo/WidgetGallery.h"
#include "ui/widgets/UILineEdit.h"

#include <algorithm>
#include <memory>

namespace {

constexpr Size kFieldSize{140, 24};

class DigitsOnly : public UIValidator {
public:
    bool validate(StringView text) const override
    {
        return std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    }
};

// Logs "NAME text TEXT" on every change of the text and "NAME returnPressed"
// on Enter.
void logField(WidgetGallery& gallery, UILineEdit& field, const std::string& name)
{
    field.textChanged.connect(&field, [&gallery, &field, name](UIEvent&) {
        gallery.log().line(name + " text " + toUtf8(field.text()));
    });
    field.returnPressed.connect(&field, [&gallery, name](UIEvent&) { gallery.log().line(name + " returnPressed"); });
}

UILineEdit& addField(WidgetGallery& gallery, const std::string& name)
{
    auto& field = gallery.add(name, std::make_unique<UILineEdit>(&gallery.window()), kFieldSize);
    logField(gallery, field, name);
    return field;
}

} // namespace

// Line edits in their states.
void addLineEditSection(WidgetGallery& gallery)
{
    gallery.beginSection("Line edit");
    addField(gallery, "lineedit");
    addField(gallery, "lineedit-max5").setMaxLength(5);
    auto& password = addField(gallery, "lineedit-password");
    password.setPasswordMode(true);
    password.setText(u"secret");
    gallery.beginSection("Line edit: restricted");
    auto& readOnly = addField(gallery, "lineedit-readonly");
    readOnly.setText(u"Read-only text");
    readOnly.setReadOnly(true);
    addField(gallery, "lineedit-digits").setValidator(std::make_unique<DigitsOnly>());
    auto& disabled = addField(gallery, "lineedit-disabled");
    disabled.setText(u"Disabled");
    disabled.disable();
    addField(gallery, "lineedit-blank").setBlankText(u"Type here...");
}
