// The default style set as the build renders it: it loads whole, and a
// widget created under it receives exactly its class's properties and skins.

#include "platform/FileSystem.h"
#include "ui/core/UIManager.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/UIWindow.h"
#include "ui/core/UIWidget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The rendered "styles/default" folder of the build the test belongs to,
// found by walking up from the test executable.
String renderedDefaultStyle()
{
    String folder = platform::folderOf(platform::executablePath());
    while (!folder.empty()) {
        const String candidate =
            platform::joinPath(platform::joinPath(platform::joinPath(folder, u"data"), u"styles"), u"default");
        if (platform::pathKind(platform::joinPath(platform::joinPath(candidate, u"xml"), u"skins.xml"))
            == platform::PathKind::File)
            return candidate;
        const String parent = platform::folderOf(folder);
        if (parent == folder)
            break;
        folder = parent;
    }
    return {};
}

class StyleRecorder : public UIWidget {
public:
    explicit StyleRecorder(StringView styleName) { create(styleName); }
    ~StyleRecorder() override { destroyWidget(); }
    void setStyleProperty(StringView name, StringView value) override
    {
        properties.push_back({String(name), String(value)});
    }
    void setSkin(StringView name, const UISkin&) override { skins.emplace_back(name); }

    std::vector<StyleProperty> properties;
    std::vector<String> skins;
};

TEST(ShippedStyle, LoadsWholeAndEveryClassReceivesOnlyItsOwn)
{
    const String location = renderedDefaultStyle();
    ASSERT_FALSE(location.empty()) << "the rendered default style set was not found above the test executable";
    std::unique_ptr<UIStyleSet> style = loadStyleSet(location);
    ASSERT_TRUE(style);
    for (int32_t i = 0; i < kStandardImageCount; ++i)
        EXPECT_FALSE(style->standardImage(i).isEmpty()) << "standard image " << i;

    UIManager::instance().setStyleSet(std::move(style));
    const UIStyleSet& current = *UIManager::instance().styleSet();
    struct Case {
        const char16_t* styleName;
        const char16_t* skin;    // a skin the class must receive
        const char16_t* foreign; // one it must not
        bool hasProperties;
    };
    for (const Case& c : std::initializer_list<Case>{
             {u"UIButton", u"UIButton_Background", u"UICheckBox_Indicator", true},
             {u"UILine", u"UILine_Background", u"UILineEdit_Background", false},
             {u"UILineEdit", u"UILineEdit_Background", u"UILine_Background", true},
             {u"UIMenu", u"UIMenu_ItemArrow", u"UIToolTip_Background", true},
         }) {
        StyleRecorder widget(c.styleName);
        const std::string name(c.styleName, c.styleName + std::char_traits<char16_t>::length(c.styleName));
        EXPECT_EQ(widget.properties, current.propertiesFor(c.styleName)) << name;
        EXPECT_EQ(!widget.properties.empty(), c.hasProperties) << name;
        EXPECT_NE(std::find(widget.skins.begin(), widget.skins.end(), String(c.skin)), widget.skins.end()) << name;
        EXPECT_EQ(std::find(widget.skins.begin(), widget.skins.end(), String(c.foreign)), widget.skins.end()) << name;
    }
    // A window takes its fill and border from its model.
    UIWindow window;
    const auto property = [&](StringView key) {
        for (const StyleProperty& p : current.propertiesFor(u"UIWindow"))
            if (p.name == key)
                return p.value;
        return String();
    };
    EXPECT_EQ(window.background(), parseFill(property(u"background")));
    EXPECT_EQ(window.borderColor(), parseColor(property(u"borderColor")));
    EXPECT_NE(window.background(), UIBrush::solid(0xFFFFFFFFu)) << "the shipped window background is not plain white";
    UIManager::instance().setStyleSet(nullptr);
}

} // namespace
