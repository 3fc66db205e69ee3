#pragma once
// UIListView: a scroll area around one UIList, which it makes, owns and
// hands its own style (the style section "UIListView" holds the list's
// keys). The list is as wide as the view less a shown scroll bar and as
// tall as its rows (at least the view's height); it never scrolls
// sideways.

#include "ui/widgets/UIList.h"
#include "ui/widgets/UIScrollArea.h"

#include <memory>

class UIListView : public UIScrollArea {
public:
    explicit UIListView(UIWidget* parent = nullptr);
    ~UIListView() override;

    UIList& list() { return *m_list; }
    const UIList& list() const { return *m_list; }

    void setStyleProperty(StringView name, StringView value) override;
    // Sizes the list for its rows and the view; call after changing the
    // rows or the vertical policy.
    void fitList();

protected:
    void resizeEvent(UIResizeEvent& event) override;

private:
    std::unique_ptr<UIList> m_list;
};
