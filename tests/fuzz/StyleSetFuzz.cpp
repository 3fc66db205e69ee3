#include "app/Package.h"
#include "tests/fuzz/FuzzTargets.h"
#include "ui/core/UIStyleSet.h"

void fuzzStyleSet(const uint8_t* data, size_t size)
{
    const std::unique_ptr<Package> package = Package::parse(platform::Bytes(data, data + size));
    if (!package)
        return;
    const std::unique_ptr<UIStyleSet> set = loadStyleSet(*package, u"fuzz.style");
    if (!set)
        return;
    // A loaded set is complete, and what it hands out is usable.
    fuzzCheck(!set->skins().empty() && !set->metrics().isEmpty(), "an incomplete style set was loaded");
    for (const NamedSkin& entry : set->skins()) {
        for (int32_t index = 0; index < entry.skin.count(); ++index) {
            const Rect frame = frameRect(entry.skin, index);
            fuzzCheck(Rect{0, 0, entry.skin.image().width(), entry.skin.image().height()}.contains(frame),
                      "a skin frame lies outside its image");
        }
        set->skinsFor(entry.name);
        set->propertiesFor(entry.name);
    }
}
