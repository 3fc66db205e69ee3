// The images of the shipped data package decode into usable icons.
#include "app/Application.h"
#include "app/Package.h"
#include "ui/core/PackageImage.h"

#include <gtest/gtest.h>

TEST(PackageImage, ShippedWindowIconsDecodeFromTheDataPackage)
{
    Application application(u"Tintscope package test", u"1");
    ASSERT_TRUE(openPackage(application, u"data"));

    const UIImage big = packageImage(u"window_icon_big");
    const UIImage small = packageImage(u"window_icon_small");
    ASSERT_FALSE(big.isEmpty());
    ASSERT_FALSE(small.isEmpty());
    EXPECT_TRUE(big.hasAlpha());
    EXPECT_EQ(big.width(), big.height());
    EXPECT_GT(big.width(), small.width());

    EXPECT_TRUE(packageImage(u"no_such_image").isEmpty());
    EXPECT_TRUE(packageImage(u"Window_Icon_Big").isEmpty()); // names are case-sensitive
}
