#include "ui/core/UIStyleModels.h"

bool UIStyleModels::read(XmlDocument document)
{
    m_document.clear();
    const auto topLevel = document.root().children();
    if (topLevel.empty() || (*topLevel.begin()).name() != u"models")
        return false;
    m_document = std::move(document);
    return true;
}

std::vector<StyleProperty> UIStyleModels::propertiesFor(StringView styleName) const
{
    std::vector<StyleProperty> properties;
    const XmlElement models = m_document.element(u"models");
    if (!models)
        return properties;
    for (const XmlElement model : models.children()) {
        if (!model.hasAttribute(u"name") || model.attribute(u"name") != styleName)
            continue;
        for (const XmlElement property : model.children())
            properties.push_back({property.attribute(u"name"), property.attribute(u"data")});
        break;
    }
    return properties;
}
