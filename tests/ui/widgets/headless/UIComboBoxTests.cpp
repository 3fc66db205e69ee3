// Combo boxes on the fake clock and the headless screen: the popup's rows
// and placement, arming, type-ahead, the wheel, and the popup list's keys
// and pointer.
#include "picker/ColorFormat.h"
#include "platform/headless/HeadlessInput.h"
#include "platform/headless/HeadlessScreen.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UIMouseRouter.h"
#include "ui/widgets/UIComboBox.h"

#include <string>
#include <vector>

using namespace widgettest;

namespace {

const Rect kWorkArea{0, 0, 1000, 700};
constexpr int32_t kRowHeight = 20;
constexpr int32_t kPadding = 1;
constexpr Size kComboSize{120, 20};

class ComboTest : public WidgetTest {
protected:
    ComboTest()
    {
        platform::headless::resetInput();
        platform::headless::setMonitorAreas({{kWorkArea, kWorkArea}});
        // The in-memory window sits at 0, 0: window and screen positions
        // are the same.
        window = makeWindow(kWorkArea.size());
    }
    ~ComboTest() override { platform::headless::resetMonitors(); }

    std::unique_ptr<UIComboBox> makeCombo(int32_t count, Point at = {20, 20})
    {
        std::vector<String> texts;
        for (int32_t i = 0; i < count; ++i)
            texts.push_back(u"Item " + fromUtf8(std::to_string(i)));
        return makeCombo(texts, at);
    }
    std::unique_ptr<UIComboBox> makeCombo(const std::vector<String>& texts, Point at = {20, 20})
    {
        auto combo = std::make_unique<UIComboBox>(window.get());
        combo->setStyleProperty(u"minimumHeight", u"20");
        combo->setStyleProperty(u"popupPadding", u"1,1,1,1");
        combo->popup().listView().setStyleProperty(u"listModeItemHeight", u"20");
        combo->currentIndexChanged.connect(
            [this](UIEvent& e) { changes.push_back(static_cast<int32_t>(e.as<UINotifyEvent>().value())); });
        for (const String& text : texts)
            combo->addItem(text);
        combo->setGeometry({at.x, at.y, kComboSize.width, kComboSize.height});
        combo->show();
        return combo;
    }
    static void press(UIWidget& widget, Point at = {5, 5}, UIEventType type = UIEventType::MousePress)
    {
        UIMouseEvent event(type, 0, platform::LeftButton, at, 0);
        UIWidget::sendEvent(&widget, event);
    }
    static void key(UIWidget& widget, uint32_t code, String text = {}, uint32_t modifiers = 0)
    {
        UIKeyEvent event(UIEventType::KeyPress, code, modifiers, std::move(text));
        UIWidget::sendEvent(&widget, event);
    }
    static void type(UIWidget& widget, const std::u16string& text)
    {
        for (char16_t c : text)
            key(widget, c, String(1, c));
    }
    static int32_t shownRows(UIComboBox& combo) { return (combo.popup().height() - 2 * kPadding) / kRowHeight; }

    std::unique_ptr<LoggingWidget> window;
    std::vector<int32_t> changes;
};

} // namespace

TEST_F(ComboTest, PopupShowsAtMostTwentyRowsAndAScrollBarBeyond)
{
    struct Case {
        int32_t items;
        int32_t rows;
        bool scrollBar;
    };
    for (const Case& c : {Case{30, 20, true}, Case{3, 3, false}, Case{20, 20, false}}) {
        auto combo = makeCombo(c.items);
        combo->showPopup();
        ASSERT_TRUE(combo->isPopupShown()) << c.items;
        EXPECT_EQ(combo->popup().list().rowCount(), c.items);
        EXPECT_EQ(shownRows(*combo), c.rows) << c.items;
        EXPECT_EQ(combo->popup().listView().verticalScrollBar().testFlag(UIWidget::Flag::Visible), c.scrollBar)
            << c.items;
        EXPECT_EQ(combo->popup().width(), kComboSize.width);
        combo->hidePopup();
        EXPECT_FALSE(combo->popup().isVisible());
    }
}

TEST_F(ComboTest, PopupStaysInsideTheWorkArea)
{
    const int32_t popupHeight = 5 * kRowHeight + 2 * kPadding;
    struct Case {
        const char* name;
        Point combo;
        Point popup;
    };
    const Case cases[] = {
        {"below", {20, 20}, {20, 40}},
        {"above at the bottom edge", {400, 670}, {400, 670 - popupHeight}},
        {"shifted left at the right edge", {950, 20}, {1000 - kComboSize.width, 40}},
        {"above and left in the bottom-right corner", {950, 675}, {1000 - kComboSize.width, 675 - popupHeight}},
    };
    for (const Case& c : cases) {
        auto combo = makeCombo(5, c.combo);
        combo->showPopup();
        EXPECT_EQ(combo->popup().position(), c.popup) << c.name;
        EXPECT_LE(combo->popup().geometry().right(), kWorkArea.right()) << c.name;
        combo->hidePopup();
    }
}

TEST_F(ComboTest, CurrentIndexNotifiesOnlyRealChanges)
{
    auto combo = makeCombo(3);
    EXPECT_EQ(changes, (std::vector<int32_t>{0})) << "the first item added becomes current";
    for (int32_t index : {0, 3, -2, 2, 2, -1, -1})
        combo->setCurrentIndex(index);
    EXPECT_EQ(changes, (std::vector<int32_t>{0, 2, -1}));
    EXPECT_EQ(combo->currentText(), u"");

    UIComboBox skipped(window.get());
    skipped.addItem(u"Choose one", {}, {}, true);
    skipped.addItem(u"Real");
    EXPECT_EQ(skipped.currentIndex(), 1) << "a skip item does not become current";
}

TEST_F(ComboTest, EditableBoxShowsTheCurrentTextInItsLineEdit)
{
    auto combo = makeCombo(3);
    combo->setCurrentIndex(1);
    combo->setEditable(true);
    UILineEdit* edit = combo->lineEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), u"Item 1");
    EXPECT_TRUE(Rect(combo->rect()).contains(edit->geometry()));
    combo->setCurrentIndex(2);
    EXPECT_EQ(edit->text(), u"Item 2");
    combo->setCurrentIndex(-1);
    EXPECT_EQ(edit->text(), u"");

    edit->setText(u"typed");
    combo->setCurrentIndex(0);
    combo->showPopup();
    UIList& list = combo->popup().list();
    press(list, {10, 5}, UIEventType::MouseRelease);
    EXPECT_EQ(edit->text(), u"Item 0") << "picking the current row again still restores its text";
    combo->setEditable(false);
    EXPECT_FALSE(edit->isVisible());
}

TEST_F(ComboTest, SortedItemsKeepTheCurrentItem)
{
    UIComboBox combo(window.get());
    combo.setSorted(true);
    for (const char16_t* text : {u"pear", u"Apple", u"fig"})
        combo.addItem(text);
    EXPECT_EQ(combo.item(0).text, u"Apple");
    EXPECT_EQ(combo.item(2).text, u"pear");
    EXPECT_EQ(combo.currentText(), u"pear");
    EXPECT_EQ(combo.currentIndex(), 2);
}

TEST_F(ComboTest, FindTextIgnoresLetterCase)
{
    std::vector<String> labels(kColorFormatLabels.begin(), kColorFormatLabels.end());
    auto combo = makeCombo(labels);
    struct Case {
        const char16_t* text;
        int32_t index;
    };
    for (const Case& c :
         {Case{u"hex + ALPHA", 9}, Case{u"hsv/hsb", 7}, Case{u"HEX", 8}, Case{u"", -1}, Case{u"HEX +", -1}}) {
        EXPECT_EQ(combo->findText(c.text), c.index) << toUtf8(c.text);
    }
    combo->setCurrentText(u"cmyk");
    EXPECT_EQ(combo->currentIndex(), 5);
    combo->setCurrentText(u"none");
    EXPECT_EQ(combo->currentIndex(), 5);
    EXPECT_EQ(UIComboBox(window.get()).findText(u"RGB"), -1);
}

TEST_F(ComboTest, TypeAheadPrefixResetsAfterTwoSeconds)
{
    std::vector<String> labels(kColorFormatLabels.begin(), kColorFormatLabels.end());
    auto combo = makeCombo(labels);
    type(*combo, u"hs");
    EXPECT_EQ(combo->currentText(), u"HSL");
    platform::headless::advanceClock(2100);
    type(*combo, u"d");
    EXPECT_EQ(combo->currentText(), u"Decimal") << "a new prefix after 2.1 s";
    type(*combo, u"eq");
    EXPECT_EQ(combo->currentText(), u"Decimal") << "no match leaves the current item";

    platform::headless::advanceClock(2100);
    type(*combo, u"h");
    EXPECT_EQ(combo->currentText(), u"HTML");
    key(*combo, 'A', String(1, char16_t(1)), platform::ControlModifier);
    type(*combo, u"s");
    EXPECT_EQ(combo->currentText(), u"HSL") << "control characters never join the prefix";
}

TEST_F(ComboTest, ClickWhileOpenClosesAndTheClosingPressDoesNotReopen)
{
    auto combo = makeCombo(3);
    press(*combo);
    ASSERT_TRUE(combo->isPopupShown()) << "a press opens";
    press(*combo);
    EXPECT_FALSE(combo->isPopupShown()) << "a press on the box closes";
    press(*combo);
    EXPECT_TRUE(combo->isPopupShown()) << "closed by the box itself, it is armed at once";

    // The window host hides the popup on a press outside it, before the
    // box sees the press.
    combo->popup().hide();
    press(*combo);
    EXPECT_FALSE(combo->isPopupShown()) << "the closing press does not reopen";
    platform::headless::advanceClock(UIComboBox::kRearmDelayMs);
    press(*combo);
    EXPECT_TRUE(combo->isPopupShown()) << "armed again 10 ms later";

    // A row picked with the mouse is current, and the popup stays shut for
    // the same 10 ms.
    UIList& list = combo->popup().list();
    const Point row2{10, list.row(2).rect.y + 5};
    press(list, row2, UIEventType::MouseMove);
    press(list, row2, UIEventType::MouseRelease);
    EXPECT_FALSE(combo->isPopupShown());
    EXPECT_EQ(combo->currentIndex(), 2);
    press(*combo);
    EXPECT_FALSE(combo->isPopupShown());
    platform::headless::advanceClock(UIComboBox::kRearmDelayMs);
    press(*combo);
    EXPECT_TRUE(combo->isPopupShown());
    combo->disable();
    EXPECT_FALSE(combo->isPopupShown()) << "a disabled box closes its popup";
}

TEST_F(ComboTest, KeysOpenNavigateAndCloseThePopup)
{
    auto combo = makeCombo(30);
    struct Case {
        const char* name;
        std::vector<uint32_t> keys;
        int32_t current;
    };
    const Case cases[] = {
        {"Escape keeps the item", {UIComboBox::kDownKey, UIList::kDownKey, UIComboBox::kEscapeKey}, 0},
        {"Down then Enter", {UIComboBox::kPad2Key, UIList::kDownKey, UIList::kDownKey, UIComboBox::kEnterKey}, 2},
        {"End", {UIComboBox::kSpaceKey, UIList::kEndKey, UIComboBox::kEnterKey}, 29},
        {"Home", {UIComboBox::kEnterKey, UIList::kHomeKey, UIComboBox::kEnterKey}, 0},
        {"Page Down by the shown rows", {UIComboBox::kEnterKey, UIList::kPageDownKey, UIComboBox::kEnterKey}, 20},
        {"Page Up", {UIComboBox::kEnterKey, UIList::kPageUpKey, UIList::kUpKey, UIComboBox::kEnterKey}, 0},
    };
    for (const Case& c : cases) {
        for (uint32_t code : c.keys)
            key(*combo, code);
        EXPECT_FALSE(combo->isPopupShown()) << c.name;
        EXPECT_EQ(combo->currentIndex(), c.current) << c.name;
        if (c.current == 29) {
            // The current row of a long list is scrolled into view on opening.
            combo->showPopup();
            const UIList& list = combo->popup().list();
            EXPECT_EQ(list.y() + list.row(29).rect.bottom(), combo->popup().listView().viewport().height());
            combo->hidePopup();
        }
    }
}

TEST_F(ComboTest, WheelStepsOnlyAFocusedHoveredNonEditableBox)
{
    auto combo = makeCombo(3);
    UIMouseRouter router(*window);
    const Point over{25, 25};
    const auto wheel = [&](int32_t notches) {
        router.wheel(over, notches * UIWheelEvent::kNotch, false, 0);
        processEvents();
    };
    platform::headless::setCursorPosition(over);
    router.move(over, 0, 0);
    processEvents();
    wheel(-1);
    wheel(-1);
    wheel(-1);
    EXPECT_EQ(combo->currentIndex(), 2) << "down steps to the next item and stops at the last";
    wheel(1);
    EXPECT_EQ(combo->currentIndex(), 1);
    combo->setWheelEnabled(false);
    wheel(1);
    EXPECT_EQ(combo->currentIndex(), 1) << "wheel disabled";
    combo->setWheelEnabled(true);
    combo->setEditable(true);
    wheel(1);
    EXPECT_EQ(combo->currentIndex(), 1) << "editable";
    combo->setEditable(false);
    platform::headless::setCursorPosition({500, 500});
    router.move({500, 500}, 0, 0);
    platform::headless::advanceClock(UIWidget::kHoverInterval);
    processEvents();
    UIWheelEvent away({500, 500}, UIWheelEvent::kNotch, false, 0);
    UIWidget::sendEvent(combo.get(), away);
    EXPECT_EQ(combo->currentIndex(), 1) << "not hovered";
}

TEST_F(ComboTest, ListSelectsAllOnlyInExtendedMode)
{
    for (const auto mode : {UIList::SelectionMode::Single, UIList::SelectionMode::Extended}) {
        UIList list(window.get());
        list.setGeometry({0, 0, 100, 100});
        list.show();
        list.setRowHeight(kRowHeight);
        for (int32_t i = 0; i < 4; ++i)
            list.addRow(UIList::RowKind::Item, u"row");
        list.setSelectionMode(mode);
        list.selectRow(1);
        key(list, UIList::kSelectAllKey, String(1, char16_t(1)), platform::ControlModifier);
        EXPECT_EQ(list.selectedCount(), mode == UIList::SelectionMode::Extended ? 4 : 1);
    }
}

TEST_F(ComboTest, ListPressesFollowTheSelectionMode)
{
    UIList list(window.get());
    list.setGeometry({0, 0, 100, 200});
    list.show();
    list.setRowHeight(kRowHeight);
    list.setSelectionMode(UIList::SelectionMode::Extended);
    for (int32_t i = 0; i < 6; ++i)
        list.addRow(UIList::RowKind::Item, u"row");
    const auto pressRow = [&](int32_t row, uint32_t modifiers) {
        UIMouseEvent event(UIEventType::MousePress, platform::LeftButton, platform::LeftButton,
                           {5, row * kRowHeight + 5}, modifiers);
        UIWidget::sendEvent(&list, event);
    };
    const auto selection = [&] {
        std::string marks;
        for (int32_t i = 0; i < list.rowCount(); ++i)
            marks += list.isSelected(i) ? 'x' : '.';
        return marks;
    };
    pressRow(1, 0);
    pressRow(4, platform::ShiftModifier);
    EXPECT_EQ(selection(), ".xxxx.");
    pressRow(2, platform::ControlModifier);
    EXPECT_EQ(selection(), ".x.xx.");
    pressRow(5, 0);
    EXPECT_EQ(selection(), ".....x");
    EXPECT_EQ(list.currentRow(), 5);
}
