#pragma once
// The current language of the program and the translation of its texts.
//
// Language files live in the folder "languages" beside the executable, one
// file per language named key + ".xml". The current Translator is held by
// the Application; these functions read and replace it there.

#include "app/LanguageInfo.h"
#include "app/TranslatedTexts.h"
#include "app/Translator.h"

#include <memory>
#include <optional>
#include <vector>

// Applies, in this order and each at every occurrence: backslash + "r" and
// backslash + "t" removed, backslash + "n" and "|" to a line feed, "%app" to
// the application name.
String applyEscapes(StringView text, StringView applicationName);

// The file of language `key`: folder/languages/key.xml.
String languagePath(StringView applicationFolder, StringView key);

// Makes language `key` current. Setting the language that is already
// current does not reload its file. A missing or broken file leaves no
// language current, so every text shows in English. True when a language
// is current afterwards.
bool setLanguage(StringView key);

// The decision setLanguage applies, for an explicit current translator:
// nothing when `current` was loaded from that very file (keep it);
// otherwise the translator to make current, nullptr for none.
std::optional<std::unique_ptr<Translator>> translatorForLanguage(const Translator* current,
                                                                 StringView applicationFolder, StringView key,
                                                                 StringView applicationName);

// The text to show for `text` in the current language: the first item with
// that source text in any context, or in exactly `context`.
String translate(StringView text);
String translate(StringView text, StringView context);
String translate(const TranslatedText& text);

// The language files found in the languages folder, in the order the file
// system lists them; files that cannot be read or name no language are left
// out.
std::vector<LanguageInfo> availableLanguages();
std::vector<LanguageInfo> availableLanguages(StringView applicationFolder);
