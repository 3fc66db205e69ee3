#include "app/Translator.h"
#include "tests/fuzz/FuzzTargets.h"
#include "xml/XmlDocument.h"

void fuzzLanguage(const uint8_t* data, size_t size)
{
    XmlDocument document;
    if (!document.parseBytes(platform::Bytes(data, data + size)))
        return;
    Translator translator;
    if (!translator.read(document, u"Tintscope"))
        return;
    fuzzCheck(!translator.entries().empty(), "a language without items was accepted");
    // Each entry is found again under its own text and context.
    for (const TranslationEntry& entry : translator.entries()) {
        const TranslationEntry* found = translator.find(entry.text, StringView(entry.context));
        fuzzCheck(found && found->text == entry.text && found->context == entry.context,
                  "an entry is not found under its own text and context");
        translator.translate(entry.text, std::nullopt, u"Tintscope");
    }
    translator.translate(u"Copy|%app\\n", u"MainWindow", u"Tintscope");
}
