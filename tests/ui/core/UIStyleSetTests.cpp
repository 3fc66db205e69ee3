// Style sets built in a scratch folder with images made in code: search,
// loading from folders and packages, the all-or-nothing rule, skin and
// model lookup by style name, metrics, and names that try to leave the set.
#include "app/PackageWriter.h"
#include "tests/app/ScratchFolder.h"
#include "ui/core/PackageImage.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIStyleSet.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::string kSkins = R"(<?xml version="1.0" encoding="utf-8"?>
<skins>
    <skin name="UIButton_Background" count="4" width="20" height="20" columns="3,14,3" rows="3,14,3"/>
    <skin name="UILine_Background" count="1" width="20" height="20" columns="3,14" rows="3,14,3"/>
    <skin name="UILineEdit_Background" count="1" width="20" height="20"/>
    <skin name="UIMenu" count="1" width="20" height="20"/>
    <skin name="UIMenuBar_Item" count="1" width="20" height="20"/>
    <skin name="UIMissing_Image" count="1" width="20" height="20"/>
    <skin/>
    <skin name="../outside" count="1" width="20" height="20"/>
    <skin name="sub/inside" count="1" width="20" height="20"/>
</skins>
)";

const std::string kModels = R"(<?xml version="1.0" encoding="utf-8"?>
<models>
    <model name="UIButton">
        <property name="font" data="tahoma,9,bold"/>
        <property name="padding"/>
        <property name="foreground" data="1,2,3"/>
    </model>
    <model name="UIButton"><property name="ignored" data="1"/></model>
</models>
)";

const std::string kMetrics = R"(<?xml version="1.0" encoding="utf-8"?>
<metrics>
    <metric name="LayoutLeftMargin" value="6"/>
    <metric name="SmallIconSize" value="12px"/>
    <metric name="TextCursorWidth" value="px"/>
    <metric name="LayoutLeftMargin" value="9"/>
    <metric name="Bogus" value="5"/>
    <metric/>
</metrics>
)";

platform::Bytes pngBytes(const ScratchFolder& scratch, int32_t width, int32_t height, uint32_t color)
{
    UIImage image(width, height, true);
    image.fill(color);
    const String path = scratch.path("encoded.png");
    EXPECT_TRUE(image.save(path));
    return platform::readFile(path).value_or(platform::Bytes{});
}

// The files of a working style set by relative path; tests change or drop
// entries before writing them out.
std::map<std::string, platform::Bytes> completeSet(const ScratchFolder& scratch)
{
    const platform::Bytes button = pngBytes(scratch, 80, 20, 0xFF00FF00u);
    const platform::Bytes plain = pngBytes(scratch, 20, 20, 0xFF0000FFu);
    std::map<std::string, platform::Bytes> files = {
        {"images/Focus.png", plain},
        {"skins/UIButton_Background.png", button},
        {"skins/UILine_Background.png", plain},
        {"skins/UILineEdit_Background.png", plain},
        {"skins/UIMenu.png", plain},
        {"skins/UIMenuBar_Item.png", plain},
        {"xml/skins.xml", platform::Bytes(kSkins.begin(), kSkins.end())},
        {"xml/models.xml", platform::Bytes(kModels.begin(), kModels.end())},
        {"xml/metrics.xml", platform::Bytes(kMetrics.begin(), kMetrics.end())},
    };
    return files;
}

platform::Bytes text(const std::string& s) { return platform::Bytes(s.begin(), s.end()); }

String writeFolder(const ScratchFolder& scratch, const std::string& folder,
                   const std::map<std::string, platform::Bytes>& files)
{
    for (const auto& [relative, bytes] : files)
        scratch.write(folder + "/" + relative, bytes);
    return scratch.path(folder);
}

String writePackageFile(const ScratchFolder& scratch, const std::string& relative,
                        const std::map<std::string, platform::Bytes>& files)
{
    Package package;
    std::map<std::string, PackageFolder*> folders;
    for (const auto& [path, bytes] : files) {
        const std::string folder = path.substr(0, path.find('/'));
        if (!folders.count(folder))
            folders[folder] = &package.addFolder(fromUtf8(folder));
        folders[folder]->addFile(fromUtf8(path.substr(path.find('/') + 1)), bytes);
    }
    const String file = scratch.path(relative);
    platform::createFolders(platform::folderOf(file));
    EXPECT_TRUE(writePackage(package, file));
    return file;
}

std::vector<String> names(const std::vector<const NamedSkin*>& skins)
{
    std::vector<String> result;
    for (const NamedSkin* skin : skins)
        result.push_back(skin->name);
    return result;
}

} // namespace

TEST(UIStyleSet, FolderAndPackageLoadTheSameSet)
{
    ScratchFolder scratch;
    scratch.write("secret.png", pngBytes(scratch, 20, 20, 0xFFFF0000u));
    auto files = completeSet(scratch);
    files["skins/outside.png"] = files["images/Focus.png"];
    const String folder = writeFolder(scratch, "set", files);
    scratch.write("set/skins/sub/inside.png", files["images/Focus.png"]);
    scratch.write("set/outside.png", files["images/Focus.png"]);
    const String packageFile = writePackageFile(scratch, "set.style", files);

    for (const String& location : {folder, packageFile}) {
        SCOPED_TRACE(toUtf8(location));
        const std::unique_ptr<UIStyleSet> set = loadStyleSet(location);
        ASSERT_TRUE(set);
        EXPECT_EQ(set->storage(), location == folder ? StyleStorage::Folder : StyleStorage::Package);

        EXPECT_FALSE(set->standardImage(StandardImage::Focus).isEmpty());
        EXPECT_TRUE(set->standardImage(0).isEmpty());
        EXPECT_TRUE(set->standardImage(19).isEmpty());
        EXPECT_TRUE(set->standardImage(-1).isEmpty());

        const UISkin& button = set->skin(u"UIButton_Background");
        EXPECT_EQ(button.count(), 4);
        EXPECT_EQ(frameRect(button, 2), (Rect{40, 0, 20, 20}));
        EXPECT_EQ(button.image().pixel(45, 5), 0xFF00FF00u);
        EXPECT_EQ(button.pieces().size(), 4u);
        EXPECT_FALSE(set->skin(u"UILine_Background").isSliced()); // two columns disable slicing
        EXPECT_TRUE(set->skin(u"UIMissing_Image").image().isEmpty());
        EXPECT_TRUE(set->skin(u"NoSuchSkin").isEmpty());
        // Names with separators or ".." find nothing, though the files exist.
        EXPECT_TRUE(set->skin(u"../outside").image().isEmpty());
        EXPECT_TRUE(set->skin(u"sub/inside").image().isEmpty());

        EXPECT_EQ(names(set->skinsFor(u"UILine")), std::vector<String>{u"UILine_Background"});
        EXPECT_EQ(names(set->skinsFor(u"UIMenu")), std::vector<String>{u"UIMenu"});
        EXPECT_EQ(names(set->skinsFor(u"UIMenuBar")), std::vector<String>{u"UIMenuBar_Item"});
        EXPECT_TRUE(set->skinsFor(u"UI").empty());
        EXPECT_TRUE(set->skinsFor(u"").empty());

        EXPECT_EQ(
            set->propertiesFor(u"UIButton"),
            (std::vector<StyleProperty>{{u"font", u"tahoma,9,bold"}, {u"padding", u""}, {u"foreground", u"1,2,3"}}));
        EXPECT_TRUE(set->propertiesFor(u"uibutton").empty());

        EXPECT_EQ(set->metric(MetricId::LayoutLeftMargin), 6); // the first of two wins
        EXPECT_EQ(set->metric(MetricId::SmallIconSize), 12);
        EXPECT_EQ(set->metric(MetricId::TextCursorWidth), 0);
        EXPECT_EQ(set->metric(MetricId::WindowDesktopPadding), 0);
        EXPECT_EQ(set->metric(99), 0);
    }
}

TEST(UIStyleSet, IncompleteSetsFailWhole)
{
    ScratchFolder scratch;
    const auto wrongRoot = [](const std::string& document) {
        return text("<?xml version=\"1.0\"?>\n<" + document + "/>\n");
    };
    const struct {
        const char* what;
        std::string path;                       // the file to change...
        std::optional<platform::Bytes> content; // ...to this, or removed
    } cases[] = {
        {"no metrics.xml", "xml/metrics.xml", std::nullopt},
        {"no models.xml", "xml/models.xml", std::nullopt},
        {"no skins.xml", "xml/skins.xml", std::nullopt},
        {"skins.xml with another root", "xml/skins.xml", wrongRoot("models")},
        {"models.xml with another root", "xml/models.xml", wrongRoot("skins")},
        {"metrics.xml with another root", "xml/metrics.xml", wrongRoot("metric")},
        {"no skin", "xml/skins.xml", wrongRoot("skins")},
        {"no metric", "xml/metrics.xml", wrongRoot("metrics")},
        {"malformed models", "xml/models.xml", text("<?xml version=\"1.0\"?>\n</models>")},
        {"no standard image", "images/Focus.png", std::nullopt},
        // Images are decoded on first use, but the one standard image must
        // still decode at load time.
        {"standard image that does not decode", "images/Focus.png", text("not a png")},
    };
    int n = 0;
    for (const auto& c : cases) {
        auto files = completeSet(scratch);
        if (c.content)
            files[c.path] = *c.content;
        else
            files.erase(c.path);
        const std::string name = "case" + std::to_string(n++);
        EXPECT_FALSE(loadStyleSet(writeFolder(scratch, name, files))) << c.what;
        EXPECT_FALSE(loadStyleSet(writePackageFile(scratch, name + ".style", files))) << c.what;
    }
    EXPECT_FALSE(loadStyleSet(u""));
    EXPECT_FALSE(loadStyleSet(scratch.path("missing.style")));
    EXPECT_FALSE(loadStyleSet(scratch.write("junk.style", "not a package")));
}

// Skins keep their files until first used; a skin used first long after
// loading, by a copy, decodes once for every copy, and a damaged image
// gives the skin of a missing one while the set still loads.
TEST(UIStyleSet, SkinsDecodeOnFirstUse)
{
    ScratchFolder scratch;
    auto files = completeSet(scratch);
    files["skins/UIMenu.png"] = text("\x89PNG damaged");
    const std::unique_ptr<UIStyleSet> set = loadStyleSet(writePackageFile(scratch, "set.style", files));
    ASSERT_TRUE(set);
    for (const NamedSkin& entry : set->skins())
        EXPECT_FALSE(entry.skin.isDecoded()) << toUtf8(entry.name);

    const UISkin widgetCopy = set->skin(u"UIButton_Background");
    EXPECT_EQ(widgetCopy.frameWidth(), 20);
    EXPECT_FALSE(widgetCopy.isDecoded());
    UIImage target(20, 20, true);
    {
        UICanvas canvas(target);
        drawSkin(canvas, widgetCopy, 3, target.rect());
    }
    EXPECT_EQ(target.pixel(10, 10), 0xFF00FF00u);
    EXPECT_TRUE(set->skin(u"UIButton_Background").isDecoded());
    EXPECT_TRUE(widgetCopy.image().isSharedWith(set->skin(u"UIButton_Background").image()));
    EXPECT_FALSE(set->skin(u"UILine_Background").isDecoded());

    const UISkin& damaged = set->skin(u"UIMenu");
    EXPECT_TRUE(damaged.isEmpty());
    EXPECT_TRUE(damaged.image().isEmpty());
    EXPECT_TRUE(damaged.pieces().empty());
}

TEST(UIStyleSet, SearchPrefersTheExecutableFolder)
{
    ScratchFolder scratch;
    auto files = completeSet(scratch);
    const String beside = writePackageFile(scratch, "default.style", files);
    writePackageFile(scratch, "styles/default.style", files); // loses to the one beside
    const String onlyInStyles = writePackageFile(scratch, "styles/other.style", files);
    writeFolder(scratch, "folder.style", files);
    const String elsewhere = writePackageFile(scratch, "elsewhere/mine.style", files);

    const struct {
        String name;
        std::optional<String> expected;
    } cases[] = {
        {u"default", beside},
        {u"other", onlyInStyles},
        {u"missing", std::nullopt},
        {u"folder", std::nullopt}, // a folder is never taken by name
        {elsewhere, elsewhere},    // a path is used as it is
        {scratch.path("elsewhere/missing.style"), std::nullopt},
        {scratch.path("folder.style"), std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findStyle(c.name, scratch.path()), c.expected) << toUtf8(c.name);

    const std::unique_ptr<UIStyleSet> set = loadStyle(u"default", scratch.path());
    ASSERT_TRUE(set);
    EXPECT_EQ(set->location(), beside);
    EXPECT_EQ(set->storage(), StyleStorage::Package);
    EXPECT_FALSE(loadStyle(u"missing", scratch.path()));
}

// Images are decoded only up to a side: a small compressed file may declare
// a picture of gigabytes. The set's only standard image decides its fate.
TEST(UIStyleSet, ImagesBeyondTheSideLimitAreLeftOut)
{
    ScratchFolder scratch;
    const int32_t side = int32_t(kMaxPackageImageSide);
    const struct {
        int32_t width;
        int32_t height;
        bool loads;
    } cases[] = {{side, 1, true}, {side + 1, 1, false}, {1, side + 1, false}};
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        auto files = completeSet(scratch);
        files["images/Focus.png"] = pngBytes(scratch, c.width, c.height, 0xFF0000FFu);
        const auto set = loadStyleSet(writeFolder(scratch, "limit" + std::to_string(n++), files));
        ASSERT_EQ(bool(set), c.loads);
        if (set) {
            EXPECT_EQ(set->standardImage(StandardImage::Focus).width(), c.width);
        }
    }
}
