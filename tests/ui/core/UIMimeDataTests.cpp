// The drag data container and what it reads from dragged data.
#include "platform/ClipboardBlocks.h"
#include "ui/core/UIMimeData.h"

#include <gtest/gtest.h>

#include <map>

using platform::Bytes;
using platform::DragFormat;

namespace {

class BlockData : public platform::DragData {
public:
    explicit BlockData(std::map<DragFormat, Bytes> blocks) : m_blocks(std::move(blocks)) {}
    std::optional<Bytes> block(DragFormat format) const override
    {
        const auto found = m_blocks.find(format);
        return found == m_blocks.end() ? std::nullopt : std::optional<Bytes>(found->second);
    }

private:
    std::map<DragFormat, Bytes> m_blocks;
};

Bytes sixteenBitDib()
{
    Bytes block = platform::dibBlock(2, 2, 24, Bytes(12, 0));
    block[14] = 16;
    return block;
}

} // namespace

TEST(UIMimeData, OneEntryPerTypeReplacedInPlace)
{
    UIMimeData data;
    data.setText(u"one");
    EXPECT_TRUE(data.setData(u"application/x-a", {1}));
    data.setText(u"two");
    EXPECT_TRUE(data.setData(u"application/x-a", {2}));
    EXPECT_EQ(data.formats(), (std::vector<String>{u"text/plain", u"application/x-a"}));
    EXPECT_EQ(data.text(), u"two");
    EXPECT_EQ(data.data(u"application/x-a"), Bytes{2});
    // Names are compared exactly, and the typed names take no byte arrays.
    EXPECT_FALSE(data.hasFormat(u"Text/Plain"));
    for (StringView reserved : {UIMimeData::kTextType, UIMimeData::kFilePathListType, UIMimeData::kImageType})
        EXPECT_FALSE(data.setData(reserved, {9}));
    EXPECT_EQ(data.text(), u"two");
}

TEST(UIMimeData, ReadsEachFormatOfDraggedData)
{
    const std::vector<String> files = {u"C:\\1.txt", u"C:\\2.txt", u"C:\\3.txt"};
    struct Case {
        const char* name;
        std::map<DragFormat, Bytes> blocks;
        std::vector<String> formats;
    };
    const std::vector<Case> cases = {
        {"every format, in reading order",
         {{DragFormat::Private, platform::privateBlock(u"application/x-a", {7})},
          {DragFormat::Dib, platform::dibBlock(1, 1, 24, {1, 2, 3})},
          {DragFormat::FileDrop, platform::filePathsBlock(files)},
          {DragFormat::UnicodeText, platform::textBlock(u"t")}},
         {u"text/plain", u"text/file-path-list", u"image/*", u"application/x-a"}},
        {"a 16-bit bitmap gives no image", {{DragFormat::Dib, sixteenBitDib()}}, {}},
        {"a private entry may not claim a typed name",
         {{DragFormat::Private, platform::privateBlock(u"text/plain", {'x', 0})}},
         {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UIMimeData::fromDragData(BlockData(c.blocks)).formats(), c.formats) << c.name;
    EXPECT_EQ(UIMimeData::fromDragData(BlockData(cases[0].blocks)).filePaths(), files);
}

TEST(UIMimeData, BitmapRowsAreTurnedTopDown)
{
    // Top row blue, bottom row red (B, G, R bytes).
    const UIImage image = UIMimeData::imageFromDib(platform::dibBlock(1, 2, 24, {0xFF, 0, 0, 0, 0, 0xFF}));
    ASSERT_EQ(image.size(), (Size{1, 2}));
    EXPECT_EQ(image.pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(0, 1), 0xFFFF0000u);
    // A 32-bit bitmap without any alpha is opaque, one with alpha keeps it.
    EXPECT_EQ(UIMimeData::imageFromDib(platform::dibBlock(1, 1, 32, {1, 2, 3, 0})).pixel(0, 0), 0xFF030201u);
    EXPECT_EQ(UIMimeData::imageFromDib(platform::dibBlock(1, 1, 32, {1, 2, 3, 0x80})).pixel(0, 0), 0x80030201u);
}
