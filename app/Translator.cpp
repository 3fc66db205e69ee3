#include "app/Translator.h"

#include "app/Language.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "xml/XmlDocument.h"

namespace {

bool hasXmlExtension(StringView path)
{
    const String name = platform::fileName(path);
    const size_t dot = name.rfind(u'.');
    return dot != String::npos && platform::toLower(StringView(name).substr(dot + 1)) == u"xml";
}

String joinContext(const std::vector<String>& names)
{
    String context;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            context.push_back(u'/');
        context.append(names[i]);
    }
    return context;
}

// Reads the file only when it is no larger than a language file may be.
bool loadDocument(StringView path, XmlDocument& document)
{
    const auto bytes = platform::readFile(path, Translator::kMaxFileBytes);
    return bytes && document.parseBytes(*bytes, TextEncoding::Utf8);
}

} // namespace

bool Translator::load(StringView path, StringView applicationName)
{
    m_path = String(path);
    m_entries.clear();
    if (!hasXmlExtension(path))
        return false;
    XmlDocument document;
    return loadDocument(path, document) && read(document, applicationName);
}

bool Translator::loadHeader(StringView path)
{
    m_path = String(path);
    m_entries.clear();
    if (!hasXmlExtension(path))
        return false;
    XmlDocument document;
    return loadDocument(path, document) && readHeader(document);
}

bool Translator::read(const XmlDocument& document, StringView applicationName)
{
    m_entries.clear();
    if (!readHeader(document))
        return false;
    const XmlElement groups = document.element(u"translation").child(u"groups");
    if (!groups)
        return false;
    std::vector<String> contextStack;
    for (const XmlElement group : groups.children()) {
        if (!readGroup(group, contextStack, applicationName)) {
            m_entries.clear();
            return false;
        }
    }
    // A file without a single item is as useless as a broken one.
    return !m_entries.empty();
}

bool Translator::readHeader(const XmlDocument& document)
{
    const XmlElement root = document.element(u"translation");
    if (!root)
        return false;
    m_language = root.attribute(u"language");
    m_languageEn = root.attribute(u"language_en");
    m_author = root.attribute(u"author");
    m_date = root.attribute(u"date");
    return true;
}

bool Translator::readGroup(const XmlElement& group, std::vector<String>& contextStack, StringView applicationName)
{
    // The depth bound keeps a hostile file from exhausting the stack.
    if (contextStack.size() >= kMaxGroupDepth)
        return false;
    contextStack.push_back(group.attribute(u"name"));
    const String context = joinContext(contextStack);
    if (context.size() > kMaxContextChars)
        return false;
    for (const XmlElement child : group.children()) {
        if (child.name() == u"item") {
            if (m_entries.size() >= kMaxEntries)
                return false;
            m_entries.push_back(
                {context, child.attribute(u"context"), applyEscapes(child.attribute(u"translation"), applicationName)});
        } else if (child.name() == u"group") {
            if (!readGroup(child, contextStack, applicationName))
                return false;
        } else {
            return false;
        }
    }
    contextStack.pop_back();
    return true;
}

String Translator::key() const
{
    String name = platform::fileName(m_path);
    const size_t dot = name.rfind(u'.');
    if (dot != String::npos)
        name.resize(dot);
    return name;
}

const TranslationEntry* Translator::find(StringView text, std::optional<StringView> context) const
{
    for (const auto& entry : m_entries) {
        if (entry.text == text && (!context || entry.context == *context))
            return &entry;
    }
    return nullptr;
}

String Translator::translate(StringView text, std::optional<StringView> context, StringView applicationName) const
{
    if (const TranslationEntry* entry = find(text, context))
        return entry->translation.empty() ? entry->text : entry->translation;
    return applyEscapes(text, applicationName);
}
