// The backdrop under a picture's image: left out only where nothing of it
// could show.
#include "picker/BackdropPicture.h"
#include "tests/ui/core/WidgetTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using widgettest::WidgetTest;

constexpr uint32_t kBackdrop = 0xFF0000FFu;
constexpr uint32_t kImage = 0xFFFF0000u;
constexpr Rect kPicture{0, 0, 6, 4};

class BackdropPictureTest : public WidgetTest {};

TEST_F(BackdropPictureTest, ShowsWhereverTheImageLeavesRoomOrIsNotOpaque)
{
    const auto window = makeWindow({20, 20});
    struct Case {
        const char* name;
        Size image;
        bool transparentCorner; // the image's last pixel has alpha 0
    };
    const Case cases[] = {
        {"opaque over the whole picture", {6, 4}, false},
        {"one transparent pixel", {6, 4}, true},
        {"smaller than the picture", {5, 4}, false},
        {"larger than the picture, transparent outside it", {7, 5}, true},
    };
    for (const Case& c : cases) {
        BackdropPicture picture(window.get());
        picture.setBackdrop(kBackdrop, UIImage(), BackdropPicture::BackdropFit::Tile);
        UIImage image(c.image.width, c.image.height, true);
        image.fill(kImage);
        if (c.transparentCorner)
            image.setPixel(c.image.width - 1, c.image.height - 1, 0x00FFFFFFu);
        picture.setImage(image);
        picture.setGeometry(kPicture);
        picture.show();
        window->update();
        for (int32_t y = 0; y < kPicture.height; ++y)
            for (int32_t x = 0; x < kPicture.width; ++x) {
                const bool covered = x < c.image.width && y < c.image.height
                    && !(c.transparentCorner && x == c.image.width - 1 && y == c.image.height - 1);
                EXPECT_EQ(picture.paintBuffer().pixel(x, y) & 0xFFFFFFu, (covered ? kImage : kBackdrop) & 0xFFFFFFu)
                    << c.name << " at " << x << "," << y;
            }
    }
}

} // namespace
