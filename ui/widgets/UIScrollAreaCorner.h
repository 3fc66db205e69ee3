#pragma once
// UIScrollAreaCorner: the square a scroll area fills between its two bars
// while both show.

#include "ui/widgets/UIBox.h"

class UIScrollAreaCorner : public UIBox {
public:
    explicit UIScrollAreaCorner(UIWidget* parent = nullptr) : UIBox(parent, u"UIScrollAreaCorner") {}
};
