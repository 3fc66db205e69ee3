#pragma once
// What the options window lists for one language file.

#include "platform/Text.h"

struct LanguageInfo {
    String path;       // full path of the file
    String key;        // file name without folder and extension; what setLanguage takes
    String language;   // the language's own name, first character upper-cased
    String languageEn; // its English name, first character upper-cased
    String author;
    String date;
};
