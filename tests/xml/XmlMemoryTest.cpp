// The memory a document of the largest accepted size takes, counted by a
// replacement of the global allocation functions (this test program only).

#include "xml/XmlDocument.h"
#include "xml/XmlReader.h"

#include "tests/UniqueTempPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <new>

namespace {

// Each block carries its size in front, so a release knows what it frees.
constexpr size_t kHeader = 16;
size_t g_live = 0;
size_t g_peak = 0;

void* allocate(size_t size)
{
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block)
        throw std::bad_alloc();
    *reinterpret_cast<size_t*>(block) = size;
    g_live += size;
    g_peak = std::max(g_peak, g_live);
    return block + kHeader;
}

void release(void* pointer) noexcept
{
    if (!pointer)
        return;
    auto* block = static_cast<unsigned char*>(pointer) - kHeader;
    g_live -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}

} // namespace

void* operator new(size_t size) { return allocate(size); }
void* operator new[](size_t size) { return allocate(size); }
void operator delete(void* pointer) noexcept { release(pointer); }
void operator delete[](void* pointer) noexcept { release(pointer); }
void operator delete(void* pointer, size_t) noexcept { release(pointer); }
void operator delete[](void* pointer, size_t) noexcept { release(pointer); }

namespace {

namespace fs = std::filesystem;

// A document of exactly `size` bytes: the declaration, `opening`, then
// `unit` `count` times, padded with spaces (skipped between tags).
std::string documentOf(size_t size, const std::string& opening, const std::string& unit, size_t count)
{
    std::string text = "<?xml?>" + opening;
    for (size_t i = 0; i < count; ++i)
        text += unit;
    text.resize(size, ' ');
    return text;
}

// Fault: a document of empty elements took about 37 times its size, and
// the reader accepted any size.
TEST(XmlMemory, LargestAcceptedDocumentsStayUnderTenTimesTheirSize)
{
    const size_t size = size_t(XmlDocument::kMaxFileBytes);
    const size_t depth = XmlReader::kMaxDepth;
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty siblings", documentOf(size, "", "<a/>", XmlReader::kMaxElements)},
        {"nested, left open", documentOf(size - 4, "", "<a>", depth - 1) + "<a/>"},
        {"text, left open", "<?xml?><a>" + std::string(size - 14, 'x') + "<a/>"},
        {"attributes", documentOf(size - 2, "<a", " b=''", XmlReader::kMaxAttributes) + "/>"},
    };
    const fs::path path = uniqueTempPath("xml_tests_memory.xml");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(platform::writeFile(path.u16string(), platform::Bytes(c.text.begin(), c.text.end())));
        const size_t before = g_live;
        g_peak = g_live;
        {
            XmlDocument document;
            ASSERT_TRUE(document.load(path.u16string()));
            EXPECT_TRUE(document.element(u"a"));
            const size_t peak = g_peak - before;
            EXPECT_LT(peak, 10 * c.text.size()) << double(peak) / double(c.text.size());
        }
        EXPECT_EQ(g_live, before) << "the document frees all it took";
    }

    std::string tooLarge = documentOf(size + 1, "", "<a/>", 1);
    ASSERT_TRUE(platform::writeFile(path.u16string(), platform::Bytes(tooLarge.begin(), tooLarge.end())));
    XmlDocument document;
    EXPECT_FALSE(document.load(path.u16string()));
    EXPECT_FALSE(document.parseBytes(platform::Bytes(tooLarge.begin(), tooLarge.end())));
    fs::remove(path);
}

} // namespace
