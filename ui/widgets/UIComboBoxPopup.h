#pragma once
// UIComboBoxPopup: the borderless, never-activated top-level window a combo
// box drops down: its fill ("popupBackground" of the combo box) around a
// UIListView inset by the popup padding.
//
// While shown it is the process's open popup: the window host hides it on
// any press outside it and whenever the owner window loses the keyboard.
// `closed` tells the combo box after every hide, whoever caused it.
//
// Ownership: the combo box owns the popup; the popup owns its list view.

#include "platform/Geometry.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIPopupMenu.h"
#include "ui/core/UISignal.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UIListView.h"

#include <memory>

class UIComboBoxPopup : public UIWidget, public UIPopupMenu {
public:
    explicit UIComboBoxPopup(UIWidget* parent = nullptr);
    ~UIComboBoxPopup() override;

    UISignal closed;

    UIListView& listView() { return *m_view; }
    UIList& list() { return m_view->list(); }

    void setBackground(const UIBrush& background);
    const Margins& padding() const { return m_padding; }
    void setPadding(const Margins& padding);

    // Shows the popup with its top-left corner at the screen point.
    void popup(Point screenPosition) override;
    bool holdsWindow(const UIWidget& window) const override { return &window == this; }
    void setVisible(bool visible) override;

protected:
    void paintEvent(UIPaintEvent& event) override;
    void resizeEvent(UIResizeEvent& event) override;

private:
    void placeView();

    UIBrush m_background = UIBrush::solid(0xFFFFFFFFu);
    Margins m_padding;
    std::unique_ptr<UIListView> m_view;
};
