#include "tests/toolkit-demo/WidgetGallery.h"
#include "ui/widgets/UIHotKey.h"

#include <memory>

namespace {

constexpr uint32_t kKeyF5 = 0x74;

// Logs "NAME text TEXT" whenever a key changes what the field shows.
void logTextChanges(WidgetGallery& gallery, UIHotKey& field, const std::string& name)
{
    auto shown = std::make_shared<String>(field.text());
    const auto check = [&gallery, &field, name, shown](UIEvent&) {
        if (field.text() == *shown)
            return;
        *shown = field.text();
        gallery.log().line(name + " text " + toUtf8(*shown));
    };
    field.channel(UIWidget::Channel::KeyPress).connect(&field, check);
    field.channel(UIWidget::Channel::KeyRelease).connect(&field, check);
}

} // namespace

void addHotKeySection(WidgetGallery& gallery)
{
    gallery.beginSection("Hot-key field");
    const HotKeyValue controlShiftF5{0, kKeyF5, uint32_t(HotKeyModifier::Control) | uint32_t(HotKeyModifier::Shift)};

    auto& empty = gallery.add("hotkey", std::make_unique<UIHotKey>(&gallery.window()));
    logTextChanges(gallery, empty, "hotkey");

    auto& set = gallery.add("hotkey-set", std::make_unique<UIHotKey>(&gallery.window()));
    set.setHotKey(controlShiftF5);
    logTextChanges(gallery, set, "hotkey-set");

    auto& disabled = gallery.add("hotkey-disabled", std::make_unique<UIHotKey>(&gallery.window()));
    disabled.setHotKey(controlShiftF5);
    disabled.disable();
}
