#pragma once
// UILine: a separator drawn from the skin "UILine_Background" over the whole
// widget. It stretches across its row and keeps its height.

#include "ui/core/UISkin.h"
#include "ui/core/UIWidget.h"

class UILine : public UIWidget {
public:
    static constexpr Size kSizeHint{2, 2};

    explicit UILine(UIWidget* parent = nullptr);
    ~UILine() override;

    Size sizeHint() const override { return kSizeHint; }
    void setSkin(StringView name, const UISkin& skin) override;

protected:
    void paintEvent(UIPaintEvent& event) override;

private:
    UISkin m_background;
};
