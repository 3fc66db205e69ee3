#pragma once
// UIComboBox: shows the current item of a list of text items and drops
// down a popup list (UIComboBoxPopup) to pick another by mouse or
// keyboard; typing the start of an item's text and the wheel pick one
// directly.
//
// Look: the style section "UIComboBox" (the text look, "minimumHeight",
// "minimumWidth", "maximumWidth", "spacing", "padding", "popupPadding",
// "popupBackground") and the skins "UIComboBox_Background" (four frames:
// normal, hovered, pressed or open, disabled) and "UIComboBox_Arrow" (the
// same four frames).
//
// The popup is armed while closed: a press opens it. A pick with the
// mouse, or the press outside that closes it, leaves it disarmed for
// kRearmDelayMs, so the press on the box that closed it does not open it
// again at once.
//
// Ownership: the combo box owns its popup window, the popup's list view,
// the line edit and the items.

#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIImage.h"
#include "ui/core/UISignal.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UIComboBoxPopup.h"
#include "ui/widgets/UILineEdit.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class UIComboBox : public UIWidget {
public:
    static constexpr uint32_t kRearmTimer = 100016;
    static constexpr uint32_t kRearmDelayMs = 10;
    // Type-ahead starts a new prefix after this long without a key.
    static constexpr uint64_t kTypeAheadResetMs = 2000;
    static constexpr int32_t kMaximumVisibleRows = 20;
    // Keys that open the popup; Enter and Escape also close it.
    static constexpr uint32_t kEnterKey = 13;
    static constexpr uint32_t kEscapeKey = 27;
    static constexpr uint32_t kSpaceKey = 32;
    static constexpr uint32_t kDownKey = 40;
    static constexpr uint32_t kPad2Key = 98;
    static constexpr uint32_t kFocusPolicy = TabFocus | ClickFocus | WheelFocus;
    enum class Frame : int32_t { Normal = 0, Hovered = 1, Pressed = 2, Disabled = 3 };

    struct Item {
        String text;
        UIImage icon;
        String detail;
        // An item with the flag does not become current by being added.
        bool skip = false;
    };

    explicit UIComboBox(UIWidget* parent = nullptr);
    ~UIComboBox() override;

    // Sent with the new current index (-1 for none).
    UISignal currentIndexChanged;

    // Appends the item; the first one added without the skip flag while no
    // item is current becomes current. Sorted, the items are re-sorted
    // (letter case ignored) and the current index follows its item.
    void addItem(String text, const UIImage& icon = {}, String detail = {}, bool skip = false);
    int32_t count() const { return static_cast<int32_t>(m_items.size()); }
    const Item& item(int32_t index) const { return m_items[static_cast<size_t>(index)]; }
    bool isSorted() const { return m_sorted; }
    void setSorted(bool sorted);

    int32_t currentIndex() const { return m_current; }
    // Indexes outside -1..count-1 and the current one are ignored.
    void setCurrentIndex(int32_t index);
    String currentText() const;
    // The first item whose text equals `text`, letter case ignored; -1 when
    // none does or `text` is empty.
    int32_t findText(StringView text) const;
    // Selects findText's item; nothing when there is none.
    void setCurrentText(StringView text);

    bool isEditable() const { return m_editable; }
    // Shows the line edit over the text area, with the current item's text,
    // or hides it.
    void setEditable(bool editable);
    // The line edit of an editable box; null until the box is first made
    // editable.
    UILineEdit* lineEdit() const { return m_lineEdit.get(); }
    bool isWheelEnabled() const { return m_wheelEnabled; }
    void setWheelEnabled(bool enabled) { m_wheelEnabled = enabled; }

    virtual void showPopup();
    virtual void hidePopup();
    bool isPopupShown() const;
    // The popup window (hidden while closed), made when first needed: a
    // window that may never open is no part of a window's start.
    UIComboBoxPopup& popup();

    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;
    Size sizeHint() const override;
    // The widget's tooltip; else the current text when painting shortened
    // it; else none.
    String toolTipAt(Point position) const override;

protected:
    void paintEvent(UIPaintEvent& event) override;
    void resizeEvent(UIResizeEvent& event) override;
    void mousePressEvent(UIMouseEvent& event) override;
    void mouseReleaseEvent(UIMouseEvent& event) override;
    void enterEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;
    void wheelEvent(UIWheelEvent& event) override;
    void keyPressEvent(UIKeyEvent& event) override;
    void timerEvent(UITimerEvent& event) override;
    // A box that hides or is disabled closes its popup.
    void hideEvent(UIEvent& event) override;
    void changeEvent(UIEvent& event) override;

private:
    Frame frame() const;
    // The content box less the arrow's box, where the text or the line
    // edit goes.
    Rect textArea() const;
    void placeLineEdit();
    void typeAhead(StringView text);
    // The popup's list picked the row with the mouse.
    void rowPicked(int32_t row);
    // Whatever hid the popup window: the state of a closed popup.
    void popupClosed();
    void disarm();
    void setOwnerPopupFlags(bool on);
    void sortItems();

    std::vector<Item> m_items;
    int32_t m_current = -1;
    bool m_sorted = false;
    bool m_editable = false;
    bool m_wheelEnabled = true;
    bool m_armed = true;
    // Set while hidePopup hides the window, so the popup's `closed` is
    // told from a close by the window host.
    bool m_hiding = false;
    String m_prefix;
    uint64_t m_lastTypeAhead = 0;
    bool m_textTruncated = false;

    UITextLook m_look;
    int32_t m_minimumHeight = 0;
    int32_t m_minimumWidth = 0;
    int32_t m_maximumWidth = 0;
    int32_t m_spacing = 0;
    Margins m_padding;
    UISkin m_backgroundSkin;
    UISkin m_arrowSkin;
    // The popup's look from the box's style, kept for when it is made.
    std::optional<Margins> m_popupPadding;
    std::optional<UIBrush> m_popupBackground;
    std::unique_ptr<UIComboBoxPopup> m_popup;
    std::unique_ptr<UILineEdit> m_lineEdit;
};
