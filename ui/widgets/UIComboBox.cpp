#include "ui/widgets/UIComboBox.h"

#include "platform/Clock.h"
#include "platform/InputState.h"
#include "platform/Locale.h"
#include "platform/Monitors.h"
#include "ui/core/Alignment.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/core/UIWindowHost.h"

#include <algorithm>

namespace {

constexpr char16_t kBackgroundSkin[] = u"UIComboBox_Background";
constexpr char16_t kArrowSkin[] = u"UIComboBox_Arrow";

// The window types an open popup gives the window the combo box is in, and
// those it takes away on closing.
constexpr uint32_t kOwnerPopupOpen = WindowType::NoNonClientDeactivation;
constexpr uint32_t kOwnerPopupFlags = WindowType::NoNonClientDeactivation | WindowType::NoActivate;

bool isPrintable(StringView text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x20 && c != 0x7F; });
}

} // namespace

UIComboBox::UIComboBox(UIWidget* parent) : UIWidget(parent)
{
    setFlag(Flag::ParentBackground, true);
    setFlag(Flag::Control, true);
    setFlag(Flag::TrackHover, true);
    setFocusPolicy(kFocusPolicy);
    // The line edit is placed by the box itself.
    layout().setEnabled(false);
    create(u"UIComboBox");
}

UIComboBox::~UIComboBox()
{
    if (m_popup) {
        m_popup->closed.disconnectAll(this);
        m_popup->list().activated.disconnectAll(this);
    }
    if (isPopupShown())
        setOwnerPopupFlags(false);
    destroyWidget();
}

// --- Items ------------------------------------------------------------------

void UIComboBox::addItem(String text, const UIImage& icon, String detail, bool skip)
{
    m_items.push_back({std::move(text), icon, std::move(detail), skip});
    int32_t added = count() - 1;
    if (m_sorted) {
        // The items carry their old positions through the sort, so the
        // current index and the new item can be found again.
        std::vector<std::pair<Item, int32_t>> tagged;
        for (int32_t i = 0; i < count(); ++i)
            tagged.emplace_back(std::move(m_items[static_cast<size_t>(i)]), i);
        std::stable_sort(tagged.begin(), tagged.end(), [](const auto& a, const auto& b) {
            return platform::toLower(a.first.text) < platform::toLower(b.first.text);
        });
        int32_t current = m_current;
        for (int32_t i = 0; i < count(); ++i) {
            auto& [sortedItem, oldIndex] = tagged[static_cast<size_t>(i)];
            m_items[static_cast<size_t>(i)] = std::move(sortedItem);
            if (oldIndex == count() - 1)
                added = i;
            else if (oldIndex == m_current)
                current = i;
        }
        m_current = current;
    }
    if (m_current < 0 && !skip)
        setCurrentIndex(added);
    update();
}

void UIComboBox::setSorted(bool sorted) { m_sorted = sorted; }

void UIComboBox::setCurrentIndex(int32_t index)
{
    if (index == m_current || index < -1 || index >= count())
        return;
    m_current = index;
    if (m_editable)
        m_lineEdit->setText(index >= 0 ? StringView(item(index).text) : StringView());
    if (isPopupShown()) {
        m_popup->list().selectRow(index);
        m_popup->list().scrollToRow(index);
    }
    update();
    UINotifyEvent notification(index);
    currentIndexChanged.emit(notification);
}

String UIComboBox::currentText() const { return m_current >= 0 ? item(m_current).text : String(); }

int32_t UIComboBox::findText(StringView text) const
{
    if (text.empty())
        return -1;
    const String wanted = platform::toLower(text);
    for (int32_t i = 0; i < count(); ++i)
        if (platform::toLower(item(i).text) == wanted)
            return i;
    return -1;
}

void UIComboBox::setCurrentText(StringView text)
{
    if (const int32_t index = findText(text); index >= 0)
        setCurrentIndex(index);
}

void UIComboBox::setEditable(bool editable)
{
    if (editable == m_editable)
        return;
    m_editable = editable;
    if (editable) {
        if (!m_lineEdit) {
            m_lineEdit = std::make_unique<UILineEdit>(this);
            m_lineEdit->setFramed(false);
        }
        m_lineEdit->setText(currentText());
        placeLineEdit();
        m_lineEdit->show();
    } else if (m_lineEdit) {
        m_lineEdit->hide();
    }
    update();
}

Rect UIComboBox::textArea() const
{
    const int32_t contentWidth = std::max(0, width() - m_padding.left - m_padding.right);
    const int32_t arrowWidth = std::min(contentWidth, m_arrowSkin.frameWidth());
    return {m_padding.left, 0, contentWidth - arrowWidth, height()};
}

void UIComboBox::placeLineEdit()
{
    if (!m_lineEdit)
        return;
    m_lineEdit->setMinimumSize({0, m_minimumHeight});
    const Rect area = textArea();
    const Size least = m_lineEdit->minimumSize();
    m_lineEdit->setGeometry({area.x, area.y, std::max(area.width, least.width), std::max(area.height, least.height)});
}

void UIComboBox::resizeEvent(UIResizeEvent&) { placeLineEdit(); }

void UIComboBox::typeAhead(StringView text)
{
    const uint64_t now = platform::monotonicMilliseconds();
    if (now - m_lastTypeAhead > kTypeAheadResetMs)
        m_prefix.clear();
    m_prefix += text;
    m_lastTypeAhead = now;
    const String prefix = platform::toLower(m_prefix);
    for (int32_t i = 0; i < count(); ++i) {
        const String& candidate = item(i).text;
        if (candidate.size() >= prefix.size() && platform::toLower(candidate.substr(0, prefix.size())) == prefix) {
            setCurrentIndex(i);
            return;
        }
    }
}

// --- Popup ------------------------------------------------------------------

UIComboBoxPopup& UIComboBox::popup()
{
    if (!m_popup) {
        m_popup = std::make_unique<UIComboBoxPopup>(this);
        if (m_popupPadding)
            m_popup->setPadding(*m_popupPadding);
        if (m_popupBackground)
            m_popup->setBackground(*m_popupBackground);
        m_popup->closed.connect(this, [this](UIEvent&) { popupClosed(); });
        m_popup->list().activated.connect(this, [this](UIEvent& event) {
            rowPicked(static_cast<int32_t>(static_cast<UINotifyEvent&>(event).value()));
        });
    }
    return *m_popup;
}

bool UIComboBox::isPopupShown() const { return m_popup && m_popup->testFlag(Flag::Visible); }

void UIComboBox::setOwnerPopupFlags(bool on)
{
    UIWidget* owner = window();
    if (!owner || owner == this || !owner->host())
        return;
    UIWindowHost& host = *owner->host();
    const uint32_t type = on ? (host.windowType() | kOwnerPopupOpen) : (host.windowType() & ~kOwnerPopupFlags);
    if (type != host.windowType())
        host.setWindowType(type);
}

void UIComboBox::showPopup()
{
    if (isPopupShown())
        return;
    setOwnerPopupFlags(true);
    UIComboBoxPopup& shown = popup();
    UIList& list = shown.list();
    list.clear();
    for (const Item& entry : m_items)
        list.addRow(UIList::RowKind::Item, entry.text, entry.icon, entry.detail);
    list.setRowHeight(std::max(list.rowHeight(), m_minimumHeight));

    const Margins& padding = shown.padding();
    const int32_t rowsHeight = list.rowsHeight();
    const int32_t shownHeight = std::min(rowsHeight, kMaximumVisibleRows * list.rowHeight());
    UIListView& view = shown.listView();
    view.setVerticalPolicy(rowsHeight > shownHeight ? ScrollBarPolicy::AsNeeded : ScrollBarPolicy::Never);
    const Size size{width(), shownHeight + padding.top + padding.bottom};

    Point at = mapToScreen({0, height()});
    const Rect area = platform::workAreaAt(at);
    if (at.x < area.x)
        at.x = area.x;
    else if (at.x + size.width > area.right())
        at.x = area.right() - size.width;
    if (at.y + size.height > area.bottom())
        at.y = mapToScreen({0, 0}).y - size.height;

    shown.resize(size.width, size.height);
    view.fitList();
    view.verticalScrollBar().setValue(0);
    const UIWidgetGuard self(this);
    shown.popup(at);
    if (!self)
        return;
    list.selectRow(m_current);
    list.scrollToRow(m_current);
    m_armed = false;
    update();
}

void UIComboBox::hidePopup()
{
    m_prefix.clear();
    if (!isPopupShown())
        return;
    m_hiding = true;
    const UIWidgetGuard self(this);
    m_popup->hide();
    if (!self)
        return;
    m_hiding = false;
    popupClosed();
    m_armed = true;
}

void UIComboBox::popupClosed()
{
    m_prefix.clear();
    if (m_popup)
        m_popup->list().clear();
    setOwnerPopupFlags(false);
    update();
    if (!m_hiding)
        disarm();
}

void UIComboBox::disarm()
{
    m_armed = false;
    killTimer(kRearmTimer);
    startTimer(kRearmTimer, kRearmDelayMs);
}

void UIComboBox::rowPicked(int32_t row)
{
    const UIWidgetGuard self(this);
    if (m_editable && row >= 0 && row < count())
        m_lineEdit->setText(item(row).text);
    setCurrentIndex(row);
    if (!self)
        return;
    hidePopup();
    if (self)
        disarm();
}

void UIComboBox::timerEvent(UITimerEvent& event)
{
    if (event.id() != kRearmTimer)
        return;
    killTimer(kRearmTimer);
    m_armed = true;
}

void UIComboBox::hideEvent(UIEvent&) { hidePopup(); }

void UIComboBox::changeEvent(UIEvent&)
{
    if (!isEnabled())
        hidePopup();
}

// --- Style and size ---------------------------------------------------------

void UIComboBox::setStyleProperty(StringView name, StringView value)
{
    if (m_look.setProperty(name, value))
        return;
    if (name == u"minimumHeight")
        m_minimumHeight = parseInteger(value);
    else if (name == u"minimumWidth")
        m_minimumWidth = parseInteger(value);
    else if (name == u"maximumWidth")
        m_maximumWidth = parseInteger(value);
    else if (name == u"spacing")
        m_spacing = parseInteger(value);
    else if (name == u"padding")
        m_padding = parseMargins(value);
    else if (name == u"popupPadding") {
        m_popupPadding = parseMargins(value);
        if (m_popup)
            m_popup->setPadding(*m_popupPadding);
    } else if (name == u"popupBackground") {
        m_popupBackground = parseFill(value);
        if (m_popup)
            m_popup->setBackground(*m_popupBackground);
    }
}

void UIComboBox::setSkin(StringView name, const UISkin& skin)
{
    if (name == kBackgroundSkin)
        m_backgroundSkin = skin;
    else if (name == kArrowSkin)
        m_arrowSkin = skin;
}

Size UIComboBox::sizeHint() const
{
    int32_t widest = 0;
    for (const Item& entry : m_items)
        widest = std::max(widest, m_look.font.textSize(entry.text).width);
    int32_t width = widest + m_spacing + m_padding.left + m_padding.right + m_arrowSkin.frameWidth();
    if (m_maximumWidth > 0 && width > m_maximumWidth)
        width = m_maximumWidth;
    else if (width < m_minimumWidth)
        width = m_minimumWidth;
    return {width, m_minimumHeight};
}

String UIComboBox::toolTipAt(Point) const
{
    if (!toolTip().empty())
        return toolTip();
    return m_textTruncated ? currentText() : String();
}

// --- Painting ---------------------------------------------------------------

UIComboBox::Frame UIComboBox::frame() const
{
    const bool pressed = testFlag(Flag::Pressed), hovered = testFlag(Flag::Hovered);
    if (!isEnabled())
        return Frame::Disabled;
    if ((pressed && hovered) || isPopupShown())
        return Frame::Pressed;
    if (pressed || hovered)
        return Frame::Hovered;
    return Frame::Normal;
}

void UIComboBox::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    const auto index = static_cast<int32_t>(frame());
    drawSkin(canvas, m_backgroundSkin, index, rect());
    const Rect text = textArea();
    const Rect arrowBox{text.right(), 0, width() - m_padding.right - text.right(), height()};
    if (!m_arrowSkin.isEmpty())
        drawSkin(
            canvas, m_arrowSkin, index,
            UILayout::alignRect(Alignment::Center, arrowBox, {m_arrowSkin.frameWidth(), m_arrowSkin.frameHeight()}));
    m_textTruncated = false;
    if (m_editable || m_current < 0)
        return;
    canvas.setFont(m_look.font);
    const bool enabled = isEnabled();
    m_textTruncated = drawShadowedText(canvas, text, item(m_current).text, Alignment::Left | Alignment::VCenter,
                                       enabled ? m_look.foreground.color : m_look.disabledForeground.color,
                                       enabled ? m_look.shadowForeground.color : m_look.disabledShadowForeground.color,
                                       m_look.shadowOffset, ElideMode::End);
}

// --- Input ------------------------------------------------------------------

void UIComboBox::mousePressEvent(UIMouseEvent& event)
{
    if (event.button() != platform::LeftButton)
        return;
    if (isPopupShown())
        hidePopup();
    else if (m_armed)
        showPopup();
    update();
}

void UIComboBox::mouseReleaseEvent(UIMouseEvent&) { update(); }
void UIComboBox::enterEvent(UIMouseEvent&) { update(); }
void UIComboBox::leaveEvent(UIMouseEvent&) { update(); }

void UIComboBox::wheelEvent(UIWheelEvent& event)
{
    if (m_editable || !m_wheelEnabled || !hasFocus() || !testFlag(Flag::Hovered))
        return;
    if (event.direction() == WheelDirection::VerticalPositive) {
        if (m_current > 0)
            setCurrentIndex(m_current - 1);
    } else if (m_current < count() - 1) {
        setCurrentIndex(m_current + 1);
    }
}

void UIComboBox::keyPressEvent(UIKeyEvent& event)
{
    const uint32_t key = event.key();
    if (!isPopupShown()) {
        if (key == kEnterKey || key == kSpaceKey || key == kDownKey || key == kPad2Key)
            showPopup();
        else if (isPrintable(event.text()))
            typeAhead(event.text());
        else
            event.ignore();
        return;
    }
    // The popup never takes the keyboard: its list's keys arrive here.
    UIList& list = m_popup->list();
    if (key == kEscapeKey) {
        hidePopup();
    } else if (key == kEnterKey) {
        int32_t row = list.currentRow();
        for (int32_t i = 0; row < 0 && i < list.rowCount(); ++i)
            if (list.isSelected(i))
                row = i;
        const UIWidgetGuard self(this);
        if (row >= 0)
            setCurrentIndex(row);
        if (self)
            hidePopup();
    } else if (isPrintable(event.text())) {
        typeAhead(event.text());
    } else {
        UIKeyEvent forwarded(UIEventType::KeyPress, key, event.modifiers(), event.text(), event.nativeValues(),
                             event.isAutoRepeat());
        UIWidget::sendEvent(&list, forwarded);
    }
}
