#include "app/Application.h"
#include "app/Language.h"
#include "xml/XmlDocument.h"

#include "tests/app/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kDeclaration = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";

std::string languageFile(const std::string& groups, const std::string& language = "deutsch")
{
    return kDeclaration + "<translation language=\"" + language
        + "\" language_en=\"german\" author=\"A\" date=\"2026-01-02\">\r\n<groups>\r\n" + groups
        + "</groups>\r\n</translation>\r\n";
}

const std::string kGroups = "<group name=\"MainWindow\">"
                            "  <item context=\"Copy\" translation=\"Kopieren\" />"
                            "  <item context=\"Copy\" translation=\"Zweites Kopieren\" />"
                            "  <item context=\"Hint\" translation=\"Zeile eins\\nZeile zwei|drei\" />"
                            "  <item context=\"Title\" translation=\"%app \\rOptionen\\t\" />"
                            "  <item context=\"Left|Right\" translation=\"\" />"
                            "</group>"
                            "<group name=\"UserInterface\">"
                            "  <group name=\"UILineEdit\">"
                            "    <item context=\"Copy\" translation=\"Kopieren (Feld)\" />"
                            "    <item context=\"Undo\" translation=\"R\xC3\xBC"
                            "ckg\xC3\xA4ngig\" />"
                            "  </group>"
                            "  <group name=\"\"><item context=\"Blank\" translation=\"Leer\" /></group>"
                            "</group>";

class LanguageFiles : public ::testing::Test {
protected:
    String write(const std::string& key, const std::string& content)
    {
        return m_folder.write("languages/" + key + ".xml", content);
    }
    std::unique_ptr<Translator> load(const std::string& content, const std::string& name = "de.xml")
    {
        auto translator = std::make_unique<Translator>();
        if (!translator->load(m_folder.write(name, content), u"Tintscope"))
            return nullptr;
        return translator;
    }

    ScratchFolder m_folder;
};

} // namespace

TEST(LanguageEscapes, AppliedInOrderAtEveryOccurrence)
{
    EXPECT_EQ(applyEscapes(u"a\\rb\\tc\\nd|e|f\\n", u"App"), u"abc\nd\ne\nf\n");
    EXPECT_EQ(applyEscapes(u"%app - %app", u"Tintscope"), u"Tintscope - Tintscope");
    // Removing "\r" first can form a "\n" that the later step turns into a line feed.
    EXPECT_EQ(applyEscapes(u"\\\\rn", u""), u"\n");
    // The application name is inserted last, so its own "|" stays.
    EXPECT_EQ(applyEscapes(u"%app", u"A|B"), u"A|B");
    EXPECT_EQ(applyEscapes(u"", u"A"), u"");
}

TEST_F(LanguageFiles, ReadsHeaderAndNestedContexts)
{
    const auto translator = load(languageFile(kGroups));
    ASSERT_TRUE(translator);
    EXPECT_EQ(translator->language(), u"deutsch");
    EXPECT_EQ(translator->languageEn(), u"german");
    EXPECT_EQ(translator->author(), u"A");
    EXPECT_EQ(translator->date(), u"2026-01-02");
    EXPECT_EQ(translator->key(), u"de");
    ASSERT_EQ(translator->entries().size(), 8u);
    EXPECT_EQ(translator->entries()[5].context, u"UserInterface/UILineEdit");
    EXPECT_EQ(translator->entries()[6].translation, u"R\u00fcckg\u00e4ngig");
    // An empty group name leaves an empty part.
    EXPECT_EQ(translator->entries()[7].context, u"UserInterface/");
}

TEST_F(LanguageFiles, TranslatesByTextAndContext)
{
    const auto translator = load(languageFile(kGroups));
    ASSERT_TRUE(translator);
    auto tr = [&](StringView text, std::optional<StringView> context) {
        return translator->translate(text, context, u"Tintscope");
    };
    EXPECT_EQ(tr(u"Copy", u"MainWindow"), u"Kopieren"); // the first of two equal items wins
    EXPECT_EQ(tr(u"Copy", u"UserInterface/UILineEdit"), u"Kopieren (Feld)");
    EXPECT_EQ(tr(u"Copy", std::nullopt), u"Kopieren");
    EXPECT_EQ(tr(u"Undo", std::nullopt), u"R\u00fcckg\u00e4ngig");
    EXPECT_EQ(tr(u"copy", u"MainWindow"), u"copy");
    EXPECT_EQ(tr(u"Copy", u"mainwindow"), u"Copy");

    EXPECT_EQ(tr(u"Hint", u"MainWindow"), u"Zeile eins\nZeile zwei\ndrei");
    EXPECT_EQ(tr(u"Title", u"MainWindow"), u"Tintscope Optionen");
    // An empty translation shows the source text exactly as written.
    EXPECT_EQ(tr(u"Left|Right", u"MainWindow"), u"Left|Right");
    // Texts the file does not know get the escape processing.
    EXPECT_EQ(tr(u"Not|here %app", u"MainWindow"), u"Not\nhere Tintscope");
}

TEST_F(LanguageFiles, BrokenFilesFailToLoad)
{
    const std::string item = "<item context=\"a\" translation=\"b\" />";
    EXPECT_TRUE(load(languageFile("<group name=\"g\">" + item + "</group>")));
    EXPECT_TRUE(load(languageFile("<group name=\"g\">" + item + "</group>"), "upper.XML"));
    // Cut after its last item, the file still holds what it translates.
    EXPECT_TRUE(load(kDeclaration + "<translation><groups><group name=\"g\">" + item));

    for (const char* name : {"de.txt", "noextension"})
        EXPECT_FALSE(load(languageFile("<group name=\"g\">" + item + "</group>"), name));
    EXPECT_FALSE(load(languageFile("<group name=\"g\"></group>")));
    EXPECT_FALSE(load(languageFile("")));
    EXPECT_FALSE(load(languageFile("<group name=\"g\">" + item + "<label text=\"x\" /></group>")));
    EXPECT_FALSE(load(languageFile("<group name=\"g\"><group name=\"h\">" + item + "<Item /></group></group>")));
    EXPECT_FALSE(load(kDeclaration + "<language><groups><group name=\"g\">" + item + "</group></groups></language>"));
    EXPECT_FALSE(load(kDeclaration + "<translation><group name=\"g\">" + item + "</group></translation>"));
    EXPECT_FALSE(load("<translation><groups><group name=\"g\">" + item + "</group></groups></translation>"));

    std::string deep = item;
    for (int i = 0; i < 200; ++i)
        deep = "<group name=\"g\">" + deep + "</group>";
    EXPECT_FALSE(load(languageFile(deep)));
}

TEST_F(LanguageFiles, SameLanguageIsNotReloaded)
{
    write("deutsch", languageFile(kGroups));
    auto first = translatorForLanguage(nullptr, m_folder.path(), u"deutsch", u"App");
    ASSERT_TRUE(first && *first);
    const Translator* current = first->get();

    // Even a changed file is not read again while it is the current language.
    write("deutsch", languageFile("<group name=\"MainWindow\"><item context=\"Copy\" translation=\"Neu\" /></group>"));
    EXPECT_FALSE(translatorForLanguage(current, m_folder.path(), u"deutsch", u"App"));
    EXPECT_EQ(current->translate(u"Copy", u"MainWindow", u"App"), u"Kopieren");

    write("other", languageFile(kGroups));
    auto other = translatorForLanguage(current, m_folder.path(), u"other", u"App");
    ASSERT_TRUE(other && *other);
    EXPECT_EQ((*other)->key(), u"other");

    // A key without a file, or with a broken one, leaves no language current.
    auto missing = translatorForLanguage(current, m_folder.path(), u"klingon", u"App");
    ASSERT_TRUE(missing);
    EXPECT_FALSE(*missing);
    write("broken", languageFile(""));
    auto broken = translatorForLanguage(current, m_folder.path(), u"broken", u"App");
    ASSERT_TRUE(broken);
    EXPECT_FALSE(*broken);
}

TEST_F(LanguageFiles, ListsReadableLanguagesWithCapitalisedNames)
{
    EXPECT_TRUE(availableLanguages(m_folder.path()).empty());

    write("deutsch", languageFile(kGroups));
    write("russian", languageFile(kGroups, "\xD1\x80\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"));
    write("nameless", languageFile(kGroups, ""));
    write("broken", "<translation language=\"x\">");
    // Only the header matters for the list: a file without items is listed.
    write("headeronly", languageFile("", "leer"));
    m_folder.write("languages/notes.txt", languageFile(kGroups, "notes"));

    std::vector<LanguageInfo> languages = availableLanguages(m_folder.path());
    std::sort(languages.begin(), languages.end(),
              [](const LanguageInfo& a, const LanguageInfo& b) { return a.key < b.key; });
    ASSERT_EQ(languages.size(), 3u);
    EXPECT_EQ(languages[0].key, u"deutsch");
    EXPECT_EQ(languages[0].language, u"Deutsch");
    EXPECT_EQ(languages[0].languageEn, u"German");
    EXPECT_EQ(languages[0].path, languagePath(m_folder.path(), u"deutsch"));
    EXPECT_EQ(languages[1].key, u"headeronly");
    EXPECT_EQ(languages[2].language, u"\u0420\u0443\u0441\u0441\u043a\u0438\u0439");
}

TEST_F(LanguageFiles, TranslateUsesTheApplicationsLanguage)
{
    Application application(u"Tintscope language test", u"1");
    if (Application::instance() != &application)
        GTEST_SKIP() << "another Application is the process-wide one";

    EXPECT_EQ(translate(u"Left-click|%app"), u"Left-click\nTintscope language test");
    auto translator = std::make_unique<Translator>();
    ASSERT_TRUE(translator->load(write("deutsch", languageFile(kGroups)), application.applicationName()));
    application.setTranslator(std::move(translator));

    EXPECT_EQ(translate(u"Copy"), u"Kopieren");
    EXPECT_EQ(translate(u"Copy", u"UserInterface/UILineEdit"), u"Kopieren (Feld)");
    EXPECT_EQ(translate(TranslatedText{u"UserInterface/UILineEdit", u"Undo"}), u"R\u00fcckg\u00e4ngig");
    EXPECT_EQ(translate(u"Title", u"MainWindow"), u"Tintscope language test Optionen");
    EXPECT_EQ(translate(u"Missing|", u"MainWindow"), u"Missing\n");
}
