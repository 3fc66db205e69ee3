// Checks the data files that ship with the program against the code that
// reads them: every language file translates every text the program
// translates, and the cursor description names images that exist.
#include "app/Language.h"
#include "app/TranslatedTexts.h"
#include "platform/FileSystem.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>

namespace {

// The repository's "data" folder, found by walking up from the test
// executable (which is built inside the repository).
String dataFolder()
{
    String folder = platform::folderOf(platform::executablePath());
    while (!folder.empty()) {
        const String candidate = platform::joinPath(folder, u"data");
        if (platform::pathKind(languagePath(candidate, u"english")) == platform::PathKind::File)
            return candidate;
        const String parent = platform::folderOf(folder);
        if (parent == folder)
            break;
        folder = parent;
    }
    return {};
}

std::string show(const String& text) { return toUtf8(text); }

} // namespace

TEST(TranslatedTexts, ListHoldsEachTextOncePerContext)
{
    std::set<std::pair<StringView, StringView>> seen;
    for (const TranslatedText& text : Texts::kAll) {
        EXPECT_FALSE(text.text.empty());
        EXPECT_TRUE(seen.insert({text.context, text.text}).second) << show(String(text.text));
    }
}

TEST(ShippedLanguages, EveryFileTranslatesEveryText)
{
    const String data = dataFolder();
    ASSERT_FALSE(data.empty()) << "data/languages not found above the test executable";
    const std::vector<LanguageInfo> languages = availableLanguages(data);
    std::set<String> keys;
    for (const LanguageInfo& info : languages)
        keys.insert(info.key);
    for (const String key : {u"english", u"german", u"french", u"spanish", u"russian"})
        EXPECT_TRUE(keys.count(key)) << show(key);

    for (const LanguageInfo& info : languages) {
        SCOPED_TRACE(show(info.key));
        Translator translator;
        ASSERT_TRUE(translator.load(info.path, u"Tintscope"));
        EXPECT_FALSE(translator.languageEn().empty());

        for (const TranslatedText& text : Texts::kAll) {
            const TranslationEntry* entry = translator.find(text.text, text.context);
            if (!entry) {
                ADD_FAILURE() << "missing: " << show(String(text.context)) << " / " << show(String(text.text));
                continue;
            }
            // The English file spells the texts out too: an empty translation
            // would show the source verbatim, "|" included.
            EXPECT_FALSE(entry->translation.empty()) << show(String(text.text));
        }
        // Nothing stale or misspelt: every item is a text of the list, once.
        std::set<std::pair<String, String>> items;
        for (const TranslationEntry& entry : translator.entries()) {
            const bool known =
                std::any_of(std::begin(Texts::kAll), std::end(Texts::kAll), [&](const TranslatedText& t) {
                    return t.context == entry.context && t.text == entry.text;
                });
            EXPECT_TRUE(known) << "unknown: " << show(entry.context) << " / " << show(entry.text);
            EXPECT_TRUE(items.insert({entry.context, entry.text}).second) << "twice: " << show(entry.text);
        }
        // The magnifier's hint is shown on two lines in every language.
        EXPECT_NE(translator.translate(Texts::MainWindow::hint.text, Texts::MainWindow::hint.context, u"").find(u'\n'),
                  String::npos);
    }
}

TEST(ShippedLanguages, EnglishShowsTheSourceTexts)
{
    const String data = dataFolder();
    ASSERT_FALSE(data.empty());
    Translator english;
    ASSERT_TRUE(english.load(languagePath(data, u"english"), u"Tintscope"));
    for (const TranslatedText& text : Texts::kAll)
        EXPECT_EQ(english.translate(text.text, text.context, u"Tintscope"), applyEscapes(text.text, u"Tintscope"));
}

TEST(ShippedCursors, DescriptionNamesExistingImages)
{
    const String data = dataFolder();
    ASSERT_FALSE(data.empty());
    const String cursors = platform::joinPath(platform::joinPath(data, u"data"), u"cursors");
    XmlDocument document;
    ASSERT_TRUE(document.load(platform::joinPath(cursors, u"cursors.xml")));
    const XmlElement root = document.element(u"cursors");
    ASSERT_TRUE(root);
    std::set<String> names;
    for (const XmlElement cursor : root.children()) {
        const String name = cursor.attribute(u"name");
        EXPECT_TRUE(names.insert(name).second);
        EXPECT_TRUE(cursor.hasAttribute(u"hotspotX") && cursor.hasAttribute(u"hotspotY"));
        EXPECT_EQ(platform::pathKind(platform::joinPath(cursors, name + u".png")), platform::PathKind::File)
            << show(name);
    }
    for (const String used : {u"pipette", u"hand_open"})
        EXPECT_TRUE(names.count(used)) << show(used);
}
