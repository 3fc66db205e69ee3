#include "ui/core/ImageFormats.h"

#include "tests/UniqueTempPath.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ImageFormats, HandlersInOrderAndPixThroughThem)
{
    ImageFormats formats;
    std::vector<String> names;
    for (const auto& handler : formats.handlers())
        names.push_back(handler->name());
    EXPECT_EQ(names, (std::vector<String>{u"pix", u"bmp", u"jpeg", u"png", u"tiff", u"gif"}));
    EXPECT_EQ(formats.handler(u"Pix"), formats.handlers()[0].get());
    EXPECT_EQ(formats.handler(u"jpg"), nullptr);

    UIImage image(2, 3, true);
    image.setPixel(1, 2, 0xCAFEBABEu);
    const auto path = uniqueTempPath("formats-test.pix").u16string();
    ASSERT_TRUE(formats.save(path, image));
    EXPECT_EQ(formats.load(path).pixel(1, 2), 0xCAFEBABEu);
    EXPECT_EQ(formats.load(path, u"pix").pixel(1, 2), 0xCAFEBABEu);
    EXPECT_TRUE(formats.load(path, u"unknown").isEmpty());
    // A type name wins over the extension.
    const auto png = uniqueTempPath("formats-test.png").u16string();
    ASSERT_TRUE(formats.save(png, image, u"pix"));
    EXPECT_EQ(UIImage::loadPix(png).pixel(1, 2), 0xCAFEBABEu);
    std::filesystem::remove(std::filesystem::path(png));
    std::filesystem::remove(std::filesystem::path(path));

    // From memory a pix block is recognised by its magic.
    const platform::Bytes bytes = image.toPix();
    EXPECT_EQ(formats.loadFromMemory(bytes.data(), bytes.size()).pixel(1, 2), 0xCAFEBABEu);
    EXPECT_EQ(formats.loadFromMemory(bytes.data(), bytes.size(), u"pix").size(), (Size{2, 3}));
}
