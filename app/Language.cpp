#include "app/Language.h"

#include "app/Application.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"

namespace {

String languagesFolder(StringView applicationFolder) { return platform::joinPath(applicationFolder, u"languages"); }

String firstUpper(const String& text)
{
    if (text.empty())
        return text;
    return platform::toUpper(StringView(text).substr(0, 1)) + text.substr(1);
}

const Translator* currentTranslator()
{
    return Application::instance() ? Application::instance()->translator() : nullptr;
}

String currentApplicationName()
{
    return Application::instance() ? Application::instance()->applicationName() : String();
}

String translateCurrent(StringView text, std::optional<StringView> context)
{
    const Translator* translator = currentTranslator();
    return translator ? translator->translate(text, context, currentApplicationName())
                      : applyEscapes(text, currentApplicationName());
}

} // namespace

String applyEscapes(StringView text, StringView applicationName)
{
    String result = replaceAll(text, u"\\r", u"");
    result = replaceAll(result, u"\\t", u"");
    result = replaceAll(result, u"\\n", u"\n");
    result = replaceAll(result, u"|", u"\n");
    return replaceAll(result, u"%app", applicationName);
}

String languagePath(StringView applicationFolder, StringView key)
{
    return platform::joinPath(languagesFolder(applicationFolder), String(key) + u".xml");
}

std::optional<std::unique_ptr<Translator>> translatorForLanguage(const Translator* current,
                                                                 StringView applicationFolder, StringView key,
                                                                 StringView applicationName)
{
    const String path = languagePath(applicationFolder, key);
    if (current && current->path() == path)
        return std::nullopt;
    if (platform::pathKind(path) != platform::PathKind::File)
        return std::unique_ptr<Translator>();
    auto translator = std::make_unique<Translator>();
    if (!translator->load(path, applicationName))
        translator.reset();
    return translator;
}

bool setLanguage(StringView key)
{
    Application* application = Application::instance();
    if (!application)
        return false;
    auto next = translatorForLanguage(application->translator(), application->applicationFolder(), key,
                                      application->applicationName());
    if (next)
        application->setTranslator(std::move(*next));
    return application->translator() != nullptr;
}

String translate(StringView text) { return translateCurrent(text, std::nullopt); }

String translate(StringView text, StringView context) { return translateCurrent(text, context); }

String translate(const TranslatedText& text) { return translateCurrent(text.text, text.context); }

std::vector<LanguageInfo> availableLanguages()
{
    const Application* application = Application::instance();
    return application ? availableLanguages(application->applicationFolder()) : std::vector<LanguageInfo>();
}

std::vector<LanguageInfo> availableLanguages(StringView applicationFolder)
{
    std::vector<LanguageInfo> languages;
    const String folder = languagesFolder(applicationFolder);
    if (platform::pathKind(folder) != platform::PathKind::Folder)
        return languages;
    for (const String& name : platform::listFiles(folder, u"xml")) {
        Translator header;
        if (!header.loadHeader(platform::joinPath(folder, name)) || header.language().empty())
            continue;
        languages.push_back({header.path(), header.key(), firstUpper(header.language()),
                             firstUpper(header.languageEn()), header.author(), header.date()});
    }
    return languages;
}
