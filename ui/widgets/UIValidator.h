#pragma once
// UIValidator: decides whether a field may hold a text. A field owns the
// validator it is given and consults it with the whole text an edit would
// leave.

#include "platform/Text.h"

class UIValidator {
public:
    virtual ~UIValidator() = default;
    virtual bool validate(StringView text) const = 0;
};
