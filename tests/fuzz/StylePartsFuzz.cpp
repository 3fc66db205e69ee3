#include "app/Package.h"
#include "platform/FileSystem.h"
#include "platform/ImageCodec.h"
#include "tests/fuzz/FuzzTargets.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UICursorTable.h"
#include "ui/core/UIMetrics.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIStyleModels.h"

#include <cstring>

namespace {

// Reads the input front to back; zeros once it is used up.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    int32_t next32()
    {
        uint32_t value = 0;
        const size_t count = std::min<size_t>(4, m_size - m_pos);
        std::memcpy(&value, m_data + m_pos, count);
        m_pos += count;
        return int32_t(value);
    }
    // Small numbers, mostly, with a sign: where the interesting edges of a
    // geometry lie.
    int32_t nextSmall() { return m_pos < m_size ? int32_t(int8_t(m_data[m_pos++])) : 0; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A skin over a small image with the input's geometry, then every frame
// drawn into targets of the input's sizes: the checks of UISkin::create
// must keep every read inside the image.
void fuzzSkin(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    const int32_t width = 1 + (in.nextSmall() & 0x3F);
    const int32_t height = 1 + (in.nextSmall() & 0x3F);
    SkinGeometry geometry;
    geometry.orientation = in.nextSmall() & 1 ? SkinOrientation::Vertical : SkinOrientation::Horizontal;
    geometry.count = in.nextSmall();
    geometry.frameWidth = in.nextSmall();
    geometry.frameHeight = in.nextSmall();
    for (int32_t& column : geometry.columns)
        column = in.nextSmall();
    for (int32_t& row : geometry.rows)
        row = in.nextSmall();
    // Now and then a huge number, where sums of the parts overflow.
    if (in.nextSmall() == 0x7F) {
        geometry.columns[1] = in.next32();
        geometry.rows[2] = in.next32();
        geometry.count = in.next32();
    }
    UIImage image(width, height, true);
    image.fill(0xFF336699u);
    const UISkin skin = UISkin::create(image, geometry);
    UIImage target(48, 48, true);
    UICanvas canvas(target);
    for (int32_t index = -1; index <= skin.count(); ++index) {
        const Rect frame = frameRect(skin, index);
        fuzzCheck(frame.isEmpty() || Rect{0, 0, width, height}.contains(frame), "a frame lies outside its image");
        const Rect place{in.nextSmall(), in.nextSmall(), in.nextSmall(), in.nextSmall()};
        drawSkin(canvas, skin, index, place, uint32_t(in.next32()) & SkinPart::All);
    }
    for (const auto& pieces : skin.pieces())
        for (const Rect& piece : pieces)
            fuzzCheck(piece.isEmpty() || Rect{0, 0, width, height}.contains(piece), "a skin piece lies outside");
}

void fuzzMetrics(const platform::Bytes& bytes)
{
    XmlDocument document;
    UIMetrics metrics;
    if (!document.parseBytes(bytes) || !metrics.read(document))
        return;
    for (int32_t id = -1; id <= int32_t(MetricId::WindowDesktopPadding) + 1; ++id)
        metrics.metric(id);
}

void fuzzModels(const platform::Bytes& bytes)
{
    XmlDocument document;
    if (!document.parseBytes(bytes))
        return;
    std::vector<String> names;
    if (const XmlElement models = document.element(u"models"))
        for (const XmlElement model : models.children())
            names.push_back(model.attribute(u"name"));
    UIStyleModels models;
    if (!models.read(std::move(document)))
        return;
    names.push_back(u"");
    for (const String& name : names)
        for (const StyleProperty& property : models.propertiesFor(name)) {
            parseFill(property.value);
            parseFont(property.value);
        }
}

// A tiny cursor image, in the PNG form the data package holds.
const platform::Bytes& cursorPng()
{
    static const platform::Bytes png = [] {
        UIImage image(4, 4, true);
        image.fill(0x80FF0000u);
        const String path = fromUtf8((fuzzScratchFolder() / "cursor.png").string());
        image.save(path);
        return platform::readFile(path).value_or(platform::Bytes());
    }();
    return png;
}

// The input is cursors.xml of a data package that holds images for a few
// of the cursor names.
void fuzzCursors(const platform::Bytes& bytes)
{
    Package package;
    PackageFolder& folder = package.addFolder(u"cursors");
    folder.addFile(u"cursors.xml", bytes);
    for (const char16_t* name : {u"pipette.png", u"lens.png", u"hand_open.png", u"target.png"})
        folder.addFile(name, cursorPng());
    UICursorTable table;
    table.build(&package);
    for (int32_t id = 0; id <= int32_t(CursorId::Empty) + 1; ++id)
        fuzzCheck(table.nativeCursor(id) != nullptr, "a cursor identifier has no cursor");
}

void fuzzValues(const platform::Bytes& bytes)
{
    const String text = fromUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    parseInteger(text);
    parseBoolean(text);
    parsePoint(text);
    parseSize(text);
    parseMargins(text);
    parseColor(text);
    const UIColorRecord record = parseColorRecord(text);
    fuzzCheck(record.opacity >= 0.0f && record.opacity <= 1.0f, "an opacity outside 0..1");
    parseFont(text);
    parseFill(text);
}

void fuzzImage(const platform::Bytes& bytes)
{
    const std::optional<platform::ImageDimensions> declared = platform::declaredImageSize(bytes.data(), bytes.size());
    UIImage image;
    if (!image.loadFromMemory(bytes.data(), bytes.size()))
        return;
    fuzzCheck(image.width() > 0 && image.height() > 0, "a decoded image without pixels");
    fuzzCheck(!declared || (declared->width == image.width() && declared->height == image.height()),
              "an image decodes to another size than its header declares");
}

} // namespace

void fuzzStyleParts(const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    const platform::Bytes rest(data + 1, data + size);
    switch (data[0] % 6) {
    case 0:
        fuzzSkin(data + 1, size - 1);
        break;
    case 1:
        fuzzMetrics(rest);
        break;
    case 2:
        fuzzModels(rest);
        break;
    case 3:
        fuzzCursors(rest);
        break;
    case 4:
        fuzzValues(rest);
        break;
    default:
        fuzzImage(rest);
        break;
    }
}
