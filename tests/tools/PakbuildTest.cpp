#include "app/Package.h"
#include "tests/app/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sys/wait.h>

namespace {

int pakbuild(const String& source, const String& output)
{
    const std::string command =
        std::string("\"") + PAKBUILD_PATH + "\" \"" + toUtf8(source) + "\" \"" + toUtf8(output) + "\" 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

platform::Bytes randomBytes(std::mt19937& random, size_t size)
{
    platform::Bytes bytes(size);
    for (auto& b : bytes)
        b = uint8_t(random());
    return bytes;
}

} // namespace

TEST(Pakbuild, PacksATreeSortedAndByteExact)
{
    ScratchFolder tree;
    std::mt19937 random(7);
    const platform::Bytes big = randomBytes(random, 70000);
    const platform::Bytes small = randomBytes(random, 17);
    const std::string skins = "<?xml version=\"1.0\"?><skins />";
    tree.write("src/xml/skins.xml", skins);
    tree.write("src/images/zeta.png", small);
    tree.write("src/images/alpha.png", big);
    tree.write("src/images/empty.png", platform::Bytes());
    tree.write("src/images/.gitkeep", "");
    tree.write("src/.hidden/file", "x");
    tree.write("src/cursors/cursors.xml", "<?xml version=\"1.0\"?><cursors />");

    ASSERT_EQ(pakbuild(tree.path("src"), tree.path("out.pak")), 0);
    const auto package = Package::open(tree.path("out.pak"));
    ASSERT_TRUE(package);

    ASSERT_EQ(package->folders().size(), 3u);
    EXPECT_EQ(package->folders()[0]->name(), u"cursors");
    EXPECT_EQ(package->folders()[1]->name(), u"images");
    EXPECT_EQ(package->folders()[2]->name(), u"xml");
    const auto& images = package->folders()[1]->files();
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0]->name(), u"alpha.png");
    EXPECT_EQ(images[1]->name(), u"empty.png");
    EXPECT_EQ(images[2]->name(), u"zeta.png");
    EXPECT_EQ(images[0]->bytes(), big);
    EXPECT_EQ(images[1]->data(), nullptr);
    EXPECT_EQ(images[2]->bytes(), small);
    EXPECT_EQ(package->file(u"xml", u"skins.xml")->bytes(), platform::Bytes(skins.begin(), skins.end()));
    EXPECT_EQ(package->headerValue1(), 0u);
    EXPECT_EQ(package->folders()[0]->values(), PackageRecordValues());

    // The same tree gives the same bytes.
    ASSERT_EQ(pakbuild(tree.path("src"), tree.path("again.pak")), 0);
    EXPECT_EQ(platform::readFile(tree.path("out.pak")), platform::readFile(tree.path("again.pak")));
}

TEST(Pakbuild, RefusesTreesTheFormatCannotHoldAndWritesNothing)
{
    ScratchFolder tree;
    tree.write("loose/images/a.png", "a");
    tree.write("loose/readme.txt", "a file outside any folder");
    tree.write("nested/images/icons/a.png", "a");

    EXPECT_NE(pakbuild(tree.path("loose"), tree.path("loose.pak")), 0);
    EXPECT_NE(pakbuild(tree.path("nested"), tree.path("nested.pak")), 0);
    EXPECT_NE(pakbuild(tree.path("missing"), tree.path("missing.pak")), 0);
    for (const char* name : {"loose.pak", "nested.pak", "missing.pak"})
        EXPECT_EQ(platform::pathKind(tree.path(name)), platform::PathKind::Missing) << name;

    const int usage = std::system((std::string("\"") + PAKBUILD_PATH + "\" 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(usage), 2);
}
