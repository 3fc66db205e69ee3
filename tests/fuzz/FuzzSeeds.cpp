// fuzz_seeds <data-folder> <output-folder>
//
// Makes the seed corpus of every fuzz target from the repository's own
// files: the XML of the data package, the default style set and the
// languages, settings and packages written by the program's own writers,
// and small images and clipboard blocks. Images are generated at the sizes
// the style set's documents declare rather than rendered from the artwork:
// small seeds keep the fuzzers fast. Run at build time; nothing of it is
// committed.
#include "app/PackageWriter.h"
#include "app/Settings.h"
#include "platform/ClipboardBlocks.h"
#include "platform/FileSystem.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UIImage.h"
#include "xml/XmlDocument.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

platform::Bytes readAll(const fs::path& path)
{
    return platform::readFile(fromUtf8(path.string())).value_or(platform::Bytes());
}

class SeedWriter {
public:
    explicit SeedWriter(fs::path output) : m_output(std::move(output)) {}

    bool ok() const { return m_ok; }

    void write(const std::string& target, const std::string& name, const platform::Bytes& bytes)
    {
        std::error_code error;
        fs::create_directories(m_output / target, error);
        std::ofstream file(m_output / target / name, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        m_ok = m_ok && bool(file);
    }

    // The same with one selector byte in front, for targets that dispatch
    // on it.
    void write(const std::string& target, const std::string& name, uint8_t selector, const platform::Bytes& bytes)
    {
        platform::Bytes prefixed{selector};
        prefixed.insert(prefixed.end(), bytes.begin(), bytes.end());
        write(target, name, prefixed);
    }

private:
    fs::path m_output;
    bool m_ok = true;
};

platform::Bytes utf8(std::string_view text) { return platform::Bytes(text.begin(), text.end()); }

platform::Bytes pngOf(int32_t width, int32_t height, const fs::path& scratch)
{
    UIImage image(width, height, true);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | uint32_t(x * 40) << 16 | uint32_t(y * 40) << 8 | 0x80u);
    const fs::path path = scratch / "seed.png";
    image.save(fromUtf8(path.string()));
    return readAll(path);
}

// The default style set as a package: its documents as they are, and for
// each image and skin a small PNG of the size its geometry asks for.
Package stylePackage(const fs::path& style, const fs::path& scratch)
{
    Package package;
    PackageFolder& images = package.addFolder(u"images");
    // A few standard images are enough for the loader to accept the set.
    for (const char* name : {"Focus", "WindowCloseButton", "InformationSmall"})
        images.addFile(fromUtf8(std::string(name) + ".png"), pngOf(3, 3, scratch));
    PackageFolder& skins = package.addFolder(u"skins");
    XmlDocument document;
    document.parseBytes(readAll(style / "xml" / "skins.xml"));
    if (const XmlElement root = document.element(u"skins")) {
        for (const XmlElement skin : root.children()) {
            const int32_t count = std::max(1, parseInteger(skin.attribute(u"count")));
            const int32_t width = std::clamp(parseInteger(skin.attribute(u"width")), 1, 64);
            const int32_t height = std::clamp(parseInteger(skin.attribute(u"height")), 1, 64);
            const bool vertical = skin.attribute(u"orientation") == u"v";
            skins.addFile(skin.attribute(u"name") + u".png",
                          pngOf(vertical ? width : width * count, vertical ? height * count : height, scratch));
        }
    }
    PackageFolder& xml = package.addFolder(u"xml");
    for (const char* name : {"metrics.xml", "models.xml", "skins.xml"})
        xml.addFile(fromUtf8(name), readAll(style / "xml" / name));
    return package;
}

void writeXmlSeeds(SeedWriter& seeds, const fs::path& source)
{
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        if (entry.path().extension() != ".xml")
            continue;
        const platform::Bytes bytes = readAll(entry.path());
        const std::string name =
            entry.path().parent_path().filename().string() + "_" + entry.path().filename().string();
        // The selector byte 1 reads UTF-8.
        seeds.write("xml", name, 1, bytes);
        if (entry.path().parent_path().filename() == "languages")
            seeds.write("language", name, bytes);
        if (entry.path().filename() == "metrics.xml")
            seeds.write("style_parts", "metrics.xml", 1, bytes);
        if (entry.path().filename() == "cursors.xml")
            seeds.write("style_parts", "cursors.xml", 3, bytes);
        if (entry.path().filename() == "models.xml") {
            seeds.write("style_parts", "models.xml", 2, bytes);
            // Every distinct property value is a seed of the value parsers.
            XmlDocument document;
            document.parseBytes(bytes);
            std::set<String> values;
            if (const XmlElement models = document.element(u"models"))
                for (const XmlElement model : models.children())
                    for (const XmlElement property : model.children())
                        values.insert(property.attribute(u"data"));
            int index = 0;
            for (const String& value : values)
                seeds.write("style_parts", "value" + std::to_string(index++), 4, utf8(toUtf8(value)));
        }
    }
    const std::string utf16Text = "<a b='c'><d/></a>";
    platform::Bytes utf16{0xFF, 0xFE};
    for (char c : utf16Text)
        utf16.insert(utf16.end(), {uint8_t(c), 0});
    seeds.write("xml", "utf16.xml", 2, utf16);
}

void writeSettingsSeeds(SeedWriter& seeds, const fs::path& scratch)
{
    const String folder = fromUtf8(scratch.string());
    {
        Settings settings(u"config.dat", u"Tintscope", folder);
        settings.applySchema(defaultSettingsSchema());
        settings.set(u"general/language", String(u"german"));
        settings.set(u"general/hotkeyShowAndHide", int32_t(0x0243));
    }
    seeds.write("settings", "config.dat", readAll(scratch / "config.dat"));
    seeds.write("settings", "empty.dat", {});
}

void writeImageSeeds(SeedWriter& seeds, const fs::path& scratch)
{
    for (const auto& [width, height] : {std::pair{1, 1}, std::pair{3, 2}}) {
        UIImage image(width, height, true);
        image.fill(0x80FF8000u);
        const std::string name = std::to_string(width) + "x" + std::to_string(height);
        seeds.write("pix", name + ".pix", image.toPix());
        seeds.write("style_parts", name + ".png", 5, pngOf(width, height, scratch));
    }
    // A sliced skin: 2 frames of 12 x 12 cut 4,4,4 both ways.
    seeds.write("style_parts", "skin", 0, {24, 12, 0, 2, 12, 12, 4, 4, 4, 4, 4, 4, 0, 0, 0, 12, 12});
}

void writeClipboardSeeds(SeedWriter& seeds)
{
    seeds.write("clipboard", "text", 0, platform::textBlock(u"#FF8000"));
    seeds.write("clipboard", "paths", 1, platform::filePathsBlock({u"C:\\pictures\\a.png", u"D:\\b.bmp"}));
    seeds.write("clipboard", "private", 2, platform::privateBlock(u"tintscope/color", {0x00, 0x80, 0xFF, 0xFF}));
    seeds.write("clipboard", "dib24", 3, platform::dibBlock(2, 2, 24, platform::Bytes(12, 0x7F)));
    seeds.write("clipboard", "dib32", 3, platform::dibBlock(1, 2, 32, platform::Bytes(8, 0x40)));
    // A drag offering all four formats, each after its 16-bit length.
    platform::Bytes drag;
    for (const platform::Bytes& block :
         {platform::textBlock(u"text"), platform::filePathsBlock({u"C:\\x"}),
          platform::dibBlock(1, 1, 32, platform::Bytes(4, 0x10)), platform::privateBlock(u"t", {1})}) {
        drag.push_back(uint8_t(block.size()));
        drag.push_back(uint8_t(block.size() >> 8));
        drag.insert(drag.end(), block.begin(), block.end());
    }
    seeds.write("clipboard", "drag", 4, drag);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds <data-folder> <output-folder>\n");
        return 2;
    }
    const fs::path source(argv[1]);
    const fs::path output(argv[2]);
    const fs::path scratch = output / ".scratch";
    std::error_code error;
    fs::remove_all(output, error);
    fs::create_directories(scratch, error);

    SeedWriter seeds(output);
    writeXmlSeeds(seeds, source);
    writeSettingsSeeds(seeds, scratch);
    writeImageSeeds(seeds, scratch);
    writeClipboardSeeds(seeds);

    const Package style = stylePackage(source / "styles" / "default", scratch);
    const std::optional<platform::Bytes> styleBytes = serializePackage(style);
    seeds.write("style_set", "default.style", styleBytes.value_or(platform::Bytes()));
    seeds.write("package", "default.style", styleBytes.value_or(platform::Bytes()));
    // The data package's documents, as a package of its own.
    Package data;
    data.setHeaderValues(1, 2);
    data.addFolder(u"cursors").addFile(u"cursors.xml", readAll(source / "data" / "cursors" / "cursors.xml"));
    data.addFolder(u"images").addFile(u"logo.png", pngOf(2, 2, scratch));
    data.addFolder(u"empty");
    seeds.write("package", "data.pak", serializePackage(data).value_or(platform::Bytes()));

    fs::remove_all(scratch, error);
    if (!seeds.ok() || !styleBytes) {
        std::fprintf(stderr, "fuzz_seeds: cannot write the seeds to %s\n", argv[2]);
        return 1;
    }
    return 0;
}
