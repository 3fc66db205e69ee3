#pragma once
// UIExpander: an empty spacer. It paints nothing; its expanding policy in
// both directions makes its row and column take the spare room first.

#include "ui/core/UIWidget.h"

class UIExpander : public UIWidget {
public:
    explicit UIExpander(UIWidget* parent = nullptr);
};
