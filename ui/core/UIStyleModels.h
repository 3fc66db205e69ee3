#pragma once
// UIStyleModels: a style set's "models.xml", the property values each
// widget class receives when it is created. Under the root "models" each
// element is the model of one style name (attribute "name"); its children
// are properties with a "name" (the key) and "data" (the value text).
// Element names of models and properties are not checked.

#include "platform/Text.h"
#include "xml/XmlDocument.h"

#include <vector>

struct StyleProperty {
    String name;
    String value;
    friend bool operator==(const StyleProperty&, const StyleProperty&) = default;
};

class UIStyleModels {
public:
    // Takes the parsed document. False, leaving no models, when its root
    // element is not "models".
    bool read(XmlDocument document);

    // The properties of the first model named exactly `styleName`, in
    // document order (a property without "data" has an empty value); none
    // when the style name has no model.
    std::vector<StyleProperty> propertiesFor(StringView styleName) const;

    const XmlDocument& document() const { return m_document; }

private:
    XmlDocument m_document;
};
