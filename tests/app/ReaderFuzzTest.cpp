// Feeds thousands of randomly damaged packages and language files to their
// readers. Nothing may crash, read out of bounds (the sanitizers watch) or
// report success with content the input cannot hold. The seed is fixed so a
// failure repeats.
#include "app/Language.h"
#include "app/PackageWriter.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <random>

namespace {

platform::Bytes samplePackage()
{
    Package package;
    package.setHeaderValues(1, 2);
    PackageFolder& images = package.addFolder(u"images");
    images.addFile(u"window_icon_big.png", platform::Bytes(64, 0x89));
    images.addFile(u"empty.png", {});
    images.addFile(u"x", {1, 2, 3, 4, 5});
    package.addFolder(u"none");
    PackageFolder& xml = package.addFolder(u"xml");
    const std::string text = "<?xml version=\"1.0\"?><metrics><metric name=\"a\" value=\"1\" /></metrics>";
    xml.addFile(u"metrics.xml", platform::Bytes(text.begin(), text.end()));
    return *serializePackage(package);
}

const std::string kLanguage = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                              "<translation language=\"Deutsch\" language_en=\"German\" author=\"\" date=\"\">\r\n"
                              "  <groups>\r\n"
                              "    <group name=\"MainWindow\">\r\n"
                              "      <item context=\"Copy\" translation=\"Kopieren|%app\\n\" />\r\n"
                              "      <!-- a comment -->\r\n"
                              "    </group>\r\n"
                              "    <group name=\"UserInterface\"><group name='UILineEdit'>\r\n"
                              "      <item context='Undo' translation='R\xC3\xBC"
                              "ckg\xC3\xA4ngig'/>\r\n"
                              "    </group></group>\r\n"
                              "  </groups>\r\n"
                              "</translation>\r\n";

class Mutator {
public:
    explicit Mutator(uint32_t seed) : m_random(seed) {}

    size_t below(size_t n) { return n == 0 ? 0 : size_t(m_random() % n); }

    platform::Bytes mutate(platform::Bytes bytes, const std::string& alphabet)
    {
        static const uint32_t interesting[] = {0, 1, 2, 255, 510, 511, 512, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
        const size_t count = 1 + below(4);
        for (size_t n = 0; n < count && !bytes.empty(); ++n) {
            const size_t at = below(bytes.size());
            switch (below(6)) {
            case 0:
                bytes[at] ^= uint8_t(1u << below(8));
                break;
            case 1:
                bytes[at] = uint8_t(m_random());
                break;
            case 2: {
                const uint32_t value = interesting[below(std::size(interesting))];
                for (size_t i = 0; i < 4 && at + i < bytes.size(); ++i)
                    bytes[at + i] = uint8_t(value >> (8 * i));
                break;
            }
            case 3:
                bytes.resize(at);
                break;
            case 4:
                bytes.insert(bytes.begin() + at, uint8_t(alphabet[below(alphabet.size())]));
                break;
            default: {
                const size_t length = below(bytes.size() - at) + 1;
                bytes.erase(bytes.begin() + at, bytes.begin() + at + std::min(length, size_t(8)));
                break;
            }
            }
        }
        return bytes;
    }

private:
    std::mt19937 m_random;
};

} // namespace

TEST(ReaderFuzz, DamagedPackagesNeverCrash)
{
    const platform::Bytes original = samplePackage();
    Mutator mutator(0x5EED);
    int opened = 0;
    for (int round = 0; round < 6000; ++round) {
        const platform::Bytes bytes = mutator.mutate(original, std::string("FA\0\x01\xFF", 5));
        const auto package = Package::parse(bytes);
        if (!package)
            continue;
        ++opened;
        size_t total = 0;
        for (const auto& folder : package->folders()) {
            for (const auto& file : folder->files()) {
                total += file->size();
                XmlDocument document;
                file->readXml(document);
            }
        }
        ASSERT_LE(total, bytes.size());
    }
    // Many mutations only touch stored values or data, so plenty still open.
    EXPECT_GT(opened, 100);
}

TEST(ReaderFuzz, DamagedLanguageFilesNeverCrash)
{
    const platform::Bytes original(kLanguage.begin(), kLanguage.end());
    Mutator mutator(0xC0FFEE);
    int loaded = 0;
    for (int round = 0; round < 4000; ++round) {
        XmlDocument document;
        if (!document.parseBytes(mutator.mutate(original, "<>/=\"' !-?\\|%group item\xC3\xBC")))
            continue;
        Translator translator;
        if (!translator.read(document, u"App"))
            continue;
        ++loaded;
        translator.translate(u"Copy", u"MainWindow", u"App");
        translator.translate(u"Undo", std::nullopt, u"App");
    }
    EXPECT_GT(loaded, 100);
}
