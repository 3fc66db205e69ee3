// The raw blocks of the clipboard and of dragged data, read from crafted
// bytes: nothing a block claims makes a reader go past its end.
#include "platform/ClipboardBlocks.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

using platform::Bytes;

namespace {

void putU32(Bytes& block, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        block[offset + size_t(i)] = uint8_t(value >> (8 * i));
}

Bytes withU32(Bytes block, size_t offset, uint32_t value)
{
    putU32(block, offset, value);
    return block;
}

} // namespace

TEST(ClipboardBlocks, TextNeedsAnEvenBlockEndingWithTheTerminator)
{
    const Bytes hello = platform::textBlock(u"h\u00e9llo");
    Bytes padded = platform::textBlock(u"ab");
    padded.resize(padded.size() + 6, 0);
    struct Case {
        const char* name;
        Bytes block;
        std::optional<String> expected;
    };
    const std::vector<Case> cases = {
        {"round trip", hello, u"h\u00e9llo"},
        {"zero padding after the text", padded, u"ab"},
        {"no terminator", Bytes(hello.begin(), hello.end() - 2), std::nullopt},
        {"odd size", Bytes(hello.begin(), hello.end() - 1), std::nullopt},
        {"terminator alone", platform::textBlock(u""), std::nullopt},
        {"empty", {}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::textFromBlock(c.block), c.expected) << c.name;
}

TEST(ClipboardBlocks, PrivateBlockLengthIsCheckedAgainstTheBlock)
{
    const Bytes payload = {1, 2, 3, 4};
    const Bytes block = platform::privateBlock(u"application/x-colour", payload);
    Bytes unterminated = block;
    for (size_t i = 0; i < platform::kPrivateTypeNameBytes; i += 2)
        unterminated[i] = 'a';
    struct Case {
        const char* name;
        Bytes block;
        std::optional<size_t> typeLength;
        Bytes payload;
    };
    const std::vector<Case> cases = {
        {"well formed", block, 20, payload},
        {"length beyond the block", withU32(block, platform::kPrivateTypeNameBytes, 5), std::nullopt, {}},
        {"length far beyond the block", withU32(block, platform::kPrivateTypeNameBytes, 0xFFFFFFFF), std::nullopt, {}},
        {"shorter payload than the block", withU32(block, platform::kPrivateTypeNameBytes, 2), 20, {1, 2}},
        {"name field without terminator", unterminated, 255, payload},
        {"empty type name", platform::privateBlock(u"", payload), std::nullopt, {}},
        {"shorter than the header", Bytes(block.begin(), block.begin() + 515), std::nullopt, {}},
    };
    for (const Case& c : cases) {
        const auto entry = platform::privateEntryFromBlock(c.block);
        ASSERT_EQ(entry.has_value(), c.typeLength.has_value()) << c.name;
        if (entry) {
            EXPECT_EQ(entry->type.size(), *c.typeLength) << c.name;
            EXPECT_EQ(entry->payload, c.payload) << c.name;
        }
    }
}

TEST(ClipboardBlocks, FileListsKeepOrderAndWholePaths)
{
    const String longPath = u"C:\\" + String(1000, u'x') + u".txt";
    const std::vector<String> three = {u"C:\\a.txt", longPath, u"D:\\c\u00e9.png"};
    const Bytes block = platform::filePathsBlock(three);
    struct Case {
        const char* name;
        Bytes block;
        std::vector<String> expected;
    };
    const std::vector<Case> cases = {
        {"three paths in order", block, three},
        {"last path cut off", Bytes(block.begin(), block.end() - 8), {three[0], three[1]}},
        {"list offset outside the block", withU32(block, 0, uint32_t(block.size() + 2)), {}},
        {"header only", Bytes(block.begin(), block.begin() + 20), {}},
        {"shorter than the header", Bytes(block.begin(), block.begin() + 19), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::filePathsFromBlock(c.block), c.expected) << c.name;
}

TEST(ClipboardBlocks, OnlyUncompressedTrueColourBitmapsThatFit)
{
    const Bytes pixels(2 * 2 * 3, 0x7F);
    const Bytes valid = platform::dibBlock(2, 2, 24, pixels);
    Bytes sixteenBit = valid;
    sixteenBit[14] = 16;
    Bytes twoPlanes = valid;
    twoPlanes[12] = 2;
    struct Case {
        const char* name;
        Bytes block;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"24-bit", valid, true},
        {"32-bit", platform::dibBlock(2, 2, 32, Bytes(16, 1)), true},
        {"16-bit", sixteenBit, false},
        {"compressed", withU32(valid, 16, 1), false},
        {"top-down (negative height)", withU32(valid, 8, uint32_t(-2)), false},
        {"zero width", withU32(valid, 4, 0), false},
        {"two planes", twoPlanes, false},
        {"other header size", withU32(valid, 0, 108), false},
        {"rows past the end", Bytes(valid.begin(), valid.end() - 1), false},
        {"height past the end", withU32(valid, 8, 0x7FFFFFFF), false},
        {"colour table past the end", withU32(valid, 32, 0x40000000), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::dibLayout(c.block).has_value(), c.accepted) << c.name;
    const auto layout = platform::dibLayout(valid);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->stride, 8u);
    EXPECT_EQ(layout->pixelOffset, platform::kDibHeaderBytes);
}

namespace {

// Every reader accepts a block of kMaxBlockBytes and refuses one larger; a
// file list also stops at kMaxFilePaths paths.
TEST(ClipboardBlocks, BlocksAndListsAtTheirLimits)
{
    using namespace platform;
    const auto text = [](size_t bytes) { return textFromBlock(Bytes(bytes, 0)).has_value(); }; // empty text
    const auto privateEntry = [](size_t bytes) {
        return privateEntryFromBlock(privateBlock(u"t", Bytes(bytes - kPrivateHeaderBytes, 1))).has_value();
    };
    const auto bitmap = [](size_t bytes) { // one pixel wide, as many rows as fit
        Bytes block = dibBlock(1, 1, 32, Bytes(4, 0));
        putU32(block, 8, uint32_t((bytes - kDibHeaderBytes) / 4));
        block.resize(bytes);
        return dibLayout(block).has_value();
    };
    const auto listBlock = [](size_t bytes) {
        Bytes block = filePathsBlock({u"a"});
        block.resize(bytes, 0);
        return !filePathsFromBlock(block).empty();
    };
    const auto list = [](size_t paths) {
        return filePathsFromBlock(filePathsBlock(std::vector<String>(paths, u"a"))).size() == paths;
    };
    const struct {
        const char* what;
        std::function<bool(size_t)> reads;
        size_t limit;
        size_t step; // the smallest valid growth
    } cases[] = {
        {"text", text, kMaxBlockBytes, 2},           {"private entry", privateEntry, kMaxBlockBytes, 1},
        {"bitmap", bitmap, kMaxBlockBytes, 4},       {"file list block", listBlock, kMaxBlockBytes, 1},
        {"file list paths", list, kMaxFilePaths, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(c.reads(c.limit));
        EXPECT_FALSE(c.reads(c.limit + c.step));
    }
}

} // namespace
