#include "ui/widgets/UIMenu.h"

#include "platform/InputState.h"
#include "platform/Monitors.h"
#include "platform/SystemInfo.h"
#include "ui/core/Alignment.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/core/UIWindowHost.h"

#include <algorithm>

namespace {

constexpr char16_t kArrowSkin[] = u"UIMenu_ItemArrow";
constexpr char16_t kCheckSkin[] = u"UIMenu_ItemCheckIndicator";
constexpr char16_t kRadioSkin[] = u"UIMenu_ItemRadioIndicator";
constexpr char16_t kSeparatorSkin[] = u"UIMenu_ItemSeparator";
constexpr char16_t kVerticalLineSkin[] = u"UIMenu_VerticalLine";
constexpr char16_t kHoveredSkin[] = u"UIMenu_HoveredItemBackground";

// The window types an open menu gives the window it belongs to.
constexpr uint32_t kOwnerPopupOpen = WindowType::NoNonClientDeactivation;
constexpr uint32_t kOwnerPopupFlags = WindowType::NoNonClientDeactivation | WindowType::NoActivate;

// Keeps a span of `length` starting at `start` inside [low, high).
int32_t clampSpan(int32_t start, int32_t length, int32_t low, int32_t high)
{
    return std::max(low, std::min(start, high - length));
}

} // namespace

UIMenu::UIMenu(UIWidget* parent) : UIWidget(parent)
{
    setFlag(Flag::TrackHover, true);
    setFlag(Flag::ParentBackground, false);
    setFocusPolicy(ClickFocus);
    setFlag(Flag::Window, true);
    host()->setWindowType(WindowType::Popup | WindowType::TopMost | WindowType::DropShadow);
    create(u"UIMenu");
}

UIMenu::~UIMenu()
{
    if (m_parentMenu && m_parentMenu->m_openSubmenu == this)
        m_parentMenu->m_openSubmenu = nullptr;
    destroyWidget();
}

// --- Items ------------------------------------------------------------------

UIMenuItem& UIMenu::append(std::unique_ptr<UIMenuItem> item)
{
    m_items.push_back(std::move(item));
    itemChanged(*m_items.back());
    return *m_items.back();
}

UIMenuItem& UIMenu::addItem(String text) { return append(std::make_unique<UIMenuItem>(*this, std::move(text), false)); }

UIMenuItem& UIMenu::addItem(String text, const UIImage& normal, const UIImage& disabled, const UIImage& hovered,
                            const UIImage& pressed, UIMenuItem::Receiver receiver)
{
    UIMenuItem& added = addItem(std::move(text));
    added.setIcons({normal, disabled, hovered, pressed});
    added.setReceiver(std::move(receiver));
    return added;
}

UIMenuItem& UIMenu::addSeparator() { return append(std::make_unique<UIMenuItem>(*this, String(), true)); }

void UIMenu::itemChanged(UIMenuItem& item)
{
    // An item that can no longer be hovered gives the hover up.
    if (m_hovered >= 0 && &this->item(m_hovered) == &item && !item.isActivatable())
        setHoveredIndex(-1);
    if (isVisible()) {
        resize(sizeHint().width, sizeHint().height);
        layoutItems();
        update();
    }
}

bool UIMenu::hasIconColumn() const
{
    return m_forceIconSpace || std::any_of(m_items.begin(), m_items.end(), [](const auto& item) {
               return item->isVisible() && (item->hasIcon() || item->isCheckable());
           });
}

int32_t UIMenu::iconColumnWidth() const { return hasIconColumn() ? m_itemIconSpace : 0; }

// --- Style ------------------------------------------------------------------

void UIMenu::setStyleProperty(StringView name, StringView value)
{
    if (m_look.setProperty(name, value))
        return;
    if (name == u"background")
        m_background = parseFill(value);
    else if (name == u"borderColor")
        m_borderColor = parseColor(value);
    else if (name == u"padding")
        m_padding = parseMargins(value);
    else if (name == u"desktopPadding")
        m_desktopPadding = parseMargins(value);
    else if (name == u"minimumWidth")
        setMinimumSize({parseInteger(value), 0});
    else if (name == u"hoveredForeground")
        m_hoveredForeground = parseColorRecord(value);
    else if (name == u"hoveredShadowForeground")
        m_hoveredShadowForeground = parseColorRecord(value);
    else if (name == u"itemPadding")
        m_itemPadding = parseMargins(value);
    else if (name == u"itemIconSpace")
        m_itemIconSpace = parseInteger(value);
    else if (name == u"itemArrowSpace")
        m_itemArrowSpace = parseInteger(value);
    else if (name == u"isForceIconSpace")
        m_forceIconSpace = parseBoolean(value);
}

void UIMenu::setSkin(StringView name, const UISkin& skin)
{
    if (name == kArrowSkin)
        m_arrowSkin = skin;
    else if (name == kCheckSkin)
        m_checkSkin = skin;
    else if (name == kRadioSkin)
        m_radioSkin = skin;
    else if (name == kSeparatorSkin)
        m_separatorSkin = skin;
    else if (name == kVerticalLineSkin)
        m_verticalLineSkin = skin;
    else if (name == kHoveredSkin)
        m_hoveredSkin = skin;
}

// --- Geometry ---------------------------------------------------------------

int32_t UIMenu::itemHeight(const UIMenuItem& item) const
{
    const int32_t content = item.isSeparator() ? m_separatorSkin.frameHeight() : m_look.font.metrics().lineHeight();
    return content + m_itemPadding.top + m_itemPadding.bottom;
}

int32_t UIMenu::itemWidth(const UIMenuItem& item) const
{
    if (item.isSeparator())
        return m_itemPadding.left + m_itemPadding.right + iconColumnWidth();
    int32_t width =
        m_itemPadding.left + iconColumnWidth() + m_look.font.textSize(item.text()).width + m_itemPadding.right;
    // The shortcut keeps a gap of the item's right padding from the text and
    // stays clear of the arrow column, so the two never touch.
    if (item.hasShortcut())
        width += m_itemPadding.right + m_look.font.textSize(item.shortcutText()).width;
    if (item.submenu() || item.hasShortcut())
        width += m_itemArrowSpace;
    return width;
}

Size UIMenu::sizeHint() const
{
    int32_t width = 0, height = 0;
    for (const auto& item : m_items) {
        if (!item->isVisible())
            continue;
        width = std::max(width, itemWidth(*item));
        height += itemHeight(*item);
    }
    return {width + m_padding.left + m_padding.right, height + m_padding.top + m_padding.bottom};
}

void UIMenu::layoutItems()
{
    int32_t top = m_padding.top;
    const int32_t itemsWidth = width() - m_padding.left - m_padding.right;
    for (const auto& item : m_items) {
        if (!item->isVisible()) {
            item->setRect({});
            continue;
        }
        const int32_t h = itemHeight(*item);
        item->setRect({m_padding.left, top, itemsWidth, h});
        top += h;
    }
}

int32_t UIMenu::itemAt(Point position) const
{
    for (int32_t i = 0; i < itemCount(); ++i)
        if (item(i).rect().contains(position))
            return item(i).isActivatable() ? i : -1;
    return -1;
}

int32_t UIMenu::indexOf(const UIMenu* submenu) const
{
    for (int32_t i = 0; i < itemCount(); ++i)
        if (item(i).submenu() == submenu)
            return i;
    return -1;
}

int32_t UIMenu::nextActivatable(int32_t from, int32_t step) const
{
    const int32_t count = itemCount();
    int32_t index = from;
    for (int32_t tried = 0; tried < count; ++tried) {
        index = index < 0 ? (step > 0 ? 0 : count - 1) : (index + step + count) % count;
        if (item(index).isActivatable())
            return index;
    }
    return -1;
}

UIMenu& UIMenu::root()
{
    UIMenu* menu = this;
    while (menu->m_parentMenu && menu->m_parentMenu->m_openSubmenu == menu)
        menu = menu->m_parentMenu;
    return *menu;
}

UIMenu& UIMenu::deepest()
{
    UIMenu* menu = this;
    while (menu->m_openSubmenu)
        menu = menu->m_openSubmenu;
    return *menu;
}

bool UIMenu::holdsWindow(const UIWidget& window) const
{
    for (const UIMenu* menu = this; menu; menu = menu->m_openSubmenu)
        if (menu == &window)
            return true;
    return false;
}

UIWidget* UIMenu::ownerWindow() const
{
    const UIMenu* menu = this;
    while (menu->m_parentMenu)
        menu = menu->m_parentMenu;
    UIWidget* owner = menu->parent();
    return owner ? owner->window() : nullptr;
}

void UIMenu::setOwnerPopupFlags(bool on)
{
    UIWidget* owner = ownerWindow();
    if (!owner || !owner->host())
        return;
    UIWindowHost& host = *owner->host();
    const uint32_t type = on ? (host.windowType() | kOwnerPopupOpen) : (host.windowType() & ~kOwnerPopupFlags);
    if (type != host.windowType())
        host.setWindowType(type);
}

// --- Opening and closing ----------------------------------------------------

Point UIMenu::placement(Point p, Size size) const
{
    const Rect area = platform::workAreaAt(p);
    int32_t x = p.x, y = 0;
    if (x + size.width > area.right())
        x = m_parentMenu ? m_parentMenu->x() - size.width : area.right() - size.width;
    if (m_parentMenu) {
        // p is the opening item's top-right corner: the first item lines up
        // with it, or, short of room below, the last one with its bottom.
        const int32_t opening = m_parentMenu->indexOf(this);
        const int32_t openingHeight = opening >= 0 ? m_parentMenu->item(opening).rect().height : 0;
        y = p.y - m_padding.top;
        if (y + size.height > area.bottom())
            y = p.y + openingHeight + m_padding.bottom - size.height;
    } else {
        y = p.y + size.height > area.bottom() ? p.y - size.height : p.y;
    }
    return {clampSpan(x, size.width, area.x, area.right()), clampSpan(y, size.height, area.y, area.bottom())};
}

void UIMenu::popup(Point screenPosition)
{
    if (!isEnabled())
        return;
    const UIWidgetGuard self(this);
    UINotifyEvent opening;
    aboutToOpen.emit(opening);
    if (!self)
        return;
    if (!m_parentMenu) {
        if (UIWidget* open = UINativeWindow::openPopupMenu(); open && open != this)
            open->setVisible(false);
    }
    setOwnerPopupFlags(true);
    const Size hint = sizeHint();
    resize(hint.width, hint.height);
    const Point at = placement(screenPosition, size());
    move(at.x, at.y);
    layoutItems();
    show();
    setFocus();
    // Registered once shown: the owner window's loss of the keyboard to the
    // menu must not close it.
    if (!m_parentMenu || m_parentMenu->m_openSubmenu != this)
        UINativeWindow::setOpenPopupMenu(this);
    update();
}

void UIMenu::setVisible(bool visible)
{
    if (visible || !testFlag(Flag::Visible)) {
        UIWidget::setVisible(visible);
        return;
    }
    const UIWidgetGuard self(this);
    const bool openSubmenu = m_parentMenu && m_parentMenu->m_openSubmenu == this;
    closeSubmenu();
    killTimer(kSubmenuTimer);
    m_hovered = -1;
    // The keyboard goes back to the parent menu before this window hides:
    // the system would otherwise hand it to the owner window, which closes
    // the whole chain.
    if (openSubmenu) {
        if (UIWindowHost* parentHost = m_parentMenu->host())
            parentHost->activate(true);
        m_parentMenu->setFocus();
    }
    UIWidget::setVisible(false);
    if (!self)
        return;
    if (openSubmenu)
        m_parentMenu->m_openSubmenu = nullptr;
    else
        setOwnerPopupFlags(false);
    if (UINativeWindow::openPopupMenu() == this)
        UINativeWindow::setOpenPopupMenu(nullptr);
    UINotifyEvent notification;
    closed.emit(notification);
}

void UIMenu::closeChain() { root().setVisible(false); }

void UIMenu::closeSubmenu()
{
    if (UIMenu* submenu = m_openSubmenu) {
        m_openSubmenu = nullptr;
        submenu->setVisible(false);
    }
}

void UIMenu::openSubmenuOf(int32_t index)
{
    UIMenu* submenu = item(index).submenu();
    if (!submenu || m_openSubmenu == submenu)
        return;
    closeSubmenu();
    submenu->setParentMenu(this);
    m_openSubmenu = submenu;
    const Rect& rect = item(index).rect();
    submenu->popup(mapToScreen({rect.right(), rect.y}));
    if (!submenu->isVisible() && m_openSubmenu == submenu)
        m_openSubmenu = nullptr;
}

// --- Hover and activation ---------------------------------------------------

void UIMenu::setHoveredIndex(int32_t index)
{
    if (index >= 0 && (index >= itemCount() || !item(index).isActivatable()))
        index = -1;
    if (index == m_hovered)
        return;
    m_hovered = index;
    update();
    // The items leading down to this menu stay marked while it is used.
    for (UIMenu* menu = this; menu->m_parentMenu && menu->m_parentMenu->m_openSubmenu == menu;
         menu = menu->m_parentMenu) {
        UIMenu& parentMenu = *menu->m_parentMenu;
        const int32_t leading = parentMenu.indexOf(menu);
        if (leading != parentMenu.m_hovered) {
            parentMenu.m_hovered = leading;
            parentMenu.update();
        }
    }
    killTimer(kSubmenuTimer);
    startTimer(kSubmenuTimer, platform::menuShowDelay());
}

void UIMenu::activate(int32_t index)
{
    if (index < 0 || index >= itemCount() || !item(index).isActivatable())
        return;
    UIMenuItem& chosen = item(index);
    if (UIMenu* submenu = chosen.submenu()) {
        if (m_openSubmenu == submenu && submenu->isVisible()) {
            submenu->setFocus();
            if (submenu->m_hovered < 0)
                submenu->setHoveredIndex(submenu->nextActivatable(-1, 1));
        } else {
            openSubmenuOf(index);
        }
        return;
    }
    if (chosen.isCheckable())
        chosen.setChecked(!chosen.isChecked());
    const UIWidgetGuard self(this);
    closeChain();
    if (!self)
        return;
    if (const UIMenuItem::Receiver& receiver = chosen.receiver())
        receiver(chosen);
    if (!self)
        return;
    UINotifyEvent notification(index);
    triggered.emit(notification);
}

// Input still on its way to a menu that has just closed is dropped.
void UIMenu::mouseMoveEvent(UIMouseEvent& event)
{
    if (isVisible())
        setHoveredIndex(itemAt(event.position()));
}

void UIMenu::mouseReleaseEvent(UIMouseEvent& event)
{
    if (event.button() != platform::LeftButton || !isVisible())
        return;
    activate(itemAt(event.position()));
}

void UIMenu::leaveEvent(UIMouseEvent&)
{
    if (m_hovered >= 0 && m_openSubmenu && item(m_hovered).submenu() == m_openSubmenu)
        return;
    setHoveredIndex(-1);
}

void UIMenu::keyPressEvent(UIKeyEvent& event)
{
    if (!isVisible())
        return;
    // The keyboard works on the innermost open menu, wherever it arrives.
    UIMenu& menu = deepest();
    switch (event.key()) {
    case kEscapeKey:
        menu.setVisible(false);
        break;
    case kUpKey:
    case kDownKey:
        menu.setHoveredIndex(menu.nextActivatable(menu.m_hovered, event.key() == kDownKey ? 1 : -1));
        break;
    case kRightKey:
        if (menu.m_hovered >= 0 && menu.item(menu.m_hovered).submenu())
            menu.activate(menu.m_hovered);
        break;
    case kLeftKey:
        if (menu.m_parentMenu && menu.m_parentMenu->m_openSubmenu == &menu)
            menu.setVisible(false);
        break;
    case kEnterKey:
        menu.activate(menu.m_hovered);
        break;
    default:
        break;
    }
}

void UIMenu::timerEvent(UITimerEvent& event)
{
    if (event.id() != kSubmenuTimer)
        return;
    killTimer(kSubmenuTimer);
    const UIMenu* hoveredSubmenu = m_hovered >= 0 ? item(m_hovered).submenu() : nullptr;
    if (m_openSubmenu && m_openSubmenu != hoveredSubmenu)
        closeSubmenu();
    if (hoveredSubmenu)
        openSubmenuOf(m_hovered);
}

// --- Painting ---------------------------------------------------------------

void UIMenu::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect(rect(), m_background);
    if (m_borderColor >> 24) {
        canvas.setPen(m_borderColor);
        canvas.drawRect({0, 0, width() - 1, height() - 1});
    }
    layoutItems();
    if (hasIconColumn() && !m_verticalLineSkin.isEmpty())
        drawSkin(canvas, m_verticalLineSkin, 0,
                 {m_padding.left + m_itemIconSpace, m_padding.top, m_verticalLineSkin.frameWidth(),
                  height() - m_padding.top - m_padding.bottom});
    canvas.setFont(m_look.font);
    for (int32_t i = 0; i < itemCount(); ++i)
        if (item(i).isVisible())
            paintItem(canvas, item(i), i == m_hovered);
}

void UIMenu::paintItem(UICanvas& canvas, const UIMenuItem& item, bool hovered) const
{
    const Rect& area = item.rect();
    const int32_t column = iconColumnWidth();
    if (item.isSeparator()) {
        const int32_t cut = column ? column + m_verticalLineSkin.frameWidth() : 0;
        drawSkin(canvas, m_separatorSkin, 0, {area.x + cut, area.y, area.width - cut, area.height});
        return;
    }
    if (hovered)
        drawSkin(canvas, m_hoveredSkin, 0, area);
    const Frame frame = !item.isEnabled() ? Frame::Disabled : hovered ? Frame::Hovered : Frame::Normal;
    const Rect content{area.x + m_itemPadding.left, area.y + m_itemPadding.top,
                       area.width - m_itemPadding.left - m_itemPadding.right,
                       area.height - m_itemPadding.top - m_itemPadding.bottom};
    if (column) {
        // The column is the item's first "itemIconSpace" pixels, up to the
        // vertical line; the text follows the line after the left padding.
        const Rect iconArea{content.x, area.y, std::max(0, column - m_itemPadding.left), area.height};
        if (item.isCheckable()) {
            const UISkin& indicator = item.isRadio() ? m_radioSkin : m_checkSkin;
            if (item.isChecked() && !indicator.isEmpty()) {
                const Size extent{indicator.frameWidth(), indicator.frameHeight()};
                drawSkin(canvas, indicator, static_cast<int32_t>(frame),
                         UILayout::alignRect(Alignment::Left | Alignment::VCenter, iconArea, extent));
            }
        } else {
            const UIMenuItem::IconState state = !item.isEnabled() ? UIMenuItem::IconState::Disabled
                : hovered                                         ? UIMenuItem::IconState::Hovered
                                                                  : UIMenuItem::IconState::Normal;
            const UIImage& icon =
                item.icon(state).isEmpty() ? item.icon(UIMenuItem::IconState::Normal) : item.icon(state);
            if (!icon.isEmpty())
                canvas.drawImage(
                    UILayout::alignRect(Alignment::Left | Alignment::VCenter, iconArea, icon.size()).topLeft(), icon);
        }
    }
    uint32_t color = m_look.foreground.color, shadow = m_look.shadowForeground.color;
    if (!item.isEnabled()) {
        color = m_look.disabledForeground.color;
        shadow = m_look.disabledShadowForeground.color;
    } else if (hovered) {
        color = m_hoveredForeground.color;
        shadow = m_hoveredShadowForeground.color;
    }
    const Rect arrowArea{area.right() - m_itemPadding.right - m_itemArrowSpace, area.y, m_itemArrowSpace, area.height};
    int32_t textRight = content.right();
    if (item.hasShortcut()) {
        const int32_t shortcutWidth = m_look.font.textSize(item.shortcutText()).width;
        const Rect shortcut{arrowArea.x - shortcutWidth, content.y, shortcutWidth, content.height};
        drawShadowedText(canvas, shortcut, item.shortcutText(), Alignment::Right | Alignment::VCenter, color, shadow,
                         m_look.shadowOffset);
        textRight = shortcut.x - m_itemPadding.right;
    } else if (item.submenu()) {
        textRight = arrowArea.x;
    }
    const int32_t textLeft = content.x + column;
    drawShadowedText(canvas, {textLeft, content.y, std::max(0, textRight - textLeft), content.height}, item.text(),
                     Alignment::Left | Alignment::VCenter, color, shadow, m_look.shadowOffset, ElideMode::End);
    if (item.submenu() && !m_arrowSkin.isEmpty()) {
        const Size extent{m_arrowSkin.frameWidth(), m_arrowSkin.frameHeight()};
        drawSkin(canvas, m_arrowSkin, static_cast<int32_t>(frame),
                 UILayout::alignRect(Alignment::Right | Alignment::VCenter, arrowArea, extent));
    }
}
