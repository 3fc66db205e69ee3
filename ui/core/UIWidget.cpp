#include "ui/core/UIWidget.h"
#include "app/EventDispatcher.h"
#include "platform/InputState.h"
#include "ui/core/UICursorTable.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIPopupMenu.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/UITimers.h"
#include "ui/core/UIToolTipPresenter.h"
#include "ui/core/UIWidgetPrivate.h"
#include "ui/core/WidgetLayout.h"

#include <algorithm>

// Sections: construction and teardown; flags; the dispatch; tree and
// geometry; focus; painting; events and timers.

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr StringView kEllipsis = u"...";
constexpr StringView kMenuStyle = u"UIMenu";
// The canvas has the screen's pixel layout (32 bits, B, G, R, unused), so a
// flush copies rows as they are; the paint buffers stay 24-bit and composing
// widens them (the alpha byte then reads 255).
constexpr bool kCanvasHasAlpha = true;

bool inside(const UIWidget& widget, Point p) { return widget.rect().contains(p); }

} // namespace

// ---------------------------------------------------------------------------
// Construction and teardown

UIWidget::UIWidget(UIWidget* parent) : d(std::make_unique<UIWidgetPrivate>(this, UIManager::instance().nextSerial()))
{
    d->buffer = UIImage(1, 1, false);
    d->buffer.fill(kWhite);
    UIManager::instance().registerWidget(this);
    if (parent) {
        d->parent = parent;
        parent->m_children.push_back(this);
        d->positionInParent = std::prev(parent->m_children.end());
    }
}

UIWidget::~UIWidget()
{
    destroyWidget();
    // Children outlive this widget only when their owner deletes them
    // later; they become roots.
    for (UIWidget* child : m_children) {
        child->d->parent = nullptr;
        child->invalidateTopLevel();
    }
    m_children.clear();
    detachFromParent();
    UIManager::instance().unregisterWidget(this);
    UITimers::stopAll(this);
    d.reset();
}

uint64_t UIWidget::styleKey(StringView styleName)
{
    uint64_t h = 0;
    for (char16_t unit : styleName)
        h = h * 101 + unit;
    return h;
}

void UIWidget::create(StringView styleName)
{
    d->styleName = String(styleName);
    d->styleKey = styleKey(styleName);
    if (isWindow()) {
        applyWindowFlag();
        d->host->createWindow();
        if (d->canvas.width() < m_width || d->canvas.height() < m_height) {
            UIImage canvas(std::max(m_width, d->canvas.width()), std::max(m_height, d->canvas.height()),
                           kCanvasHasAlpha);
            if (!canvas.isEmpty())
                d->canvas = std::move(canvas);
        }
    }
    d->flags |= static_cast<uint32_t>(Flag::Created);
    setVisible(false);
    applyStyle();
}

void UIWidget::applyStyle()
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    if (!style || d->styleName.empty())
        return;
    for (const StyleProperty& property : style->propertiesFor(d->styleName))
        setStyleProperty(property.name, property.value);
    for (const NamedSkin* skin : style->skinsFor(d->styleName))
        setSkin(skin->name, skin->skin);
}

void UIWidget::destroyWidget()
{
    if (!testFlag(Flag::Created))
        return;
    UIManager& manager = UIManager::instance();
    setBlocked(true);
    d->flags |= static_cast<uint32_t>(Flag::Deleting);
    if (manager.grabber() == this)
        manager.setGrabber(nullptr);
    clearFocus();
    if (d->modalLoop->running && !d->modalLoop->quit)
        finishModalLoop();
    d->flags &= ~static_cast<uint32_t>(Flag::Created);
    // Handlers and listeners still see the Hide.
    setBlocked(false);
    applyVisibleFlag(false, true);
    setBlocked(true);
    d->paintListeners.clear();
    killTimer(UITimers::kHoverTimer);
    UIWidget* parent = d->parent;
    detachFromParent();
    if (parent && parent->isCreated()) {
        WidgetLayout::relayout(*parent);
        parent->update();
    }
    manager.dispose(this);
}

void UIWidget::detachFromParent()
{
    if (!d->parent)
        return;
    d->parent->m_children.erase(d->positionInParent);
    d->parent = nullptr;
    invalidateTopLevel();
}

void UIWidget::invalidateTopLevel()
{
    d->topLevel = nullptr;
    for (UIWidget* child : m_children)
        child->invalidateTopLevel();
}

// ---------------------------------------------------------------------------
// Flags

bool UIWidget::testFlag(Flag flag) const { return (d->flags & static_cast<uint32_t>(flag)) != 0; }

uint32_t UIWidget::flags() const { return d->flags; }

int32_t UIWidget::serial() const { return d->serial; }

const String& UIWidget::styleName() const { return d->styleName; }

uint64_t UIWidget::styleKey() const { return d->styleKey; }

void UIWidget::setFlag(Flag flag, bool on)
{
    if (testFlag(flag) == on)
        return;
    switch (flag) {
    case Flag::Window:
        d->flags |= static_cast<uint32_t>(Flag::Window);
        if (on)
            applyWindowFlag();
        else
            d->flags &= ~static_cast<uint32_t>(Flag::Window);
        invalidateTopLevel();
        break;
    case Flag::Enabled:
        applyEnabledFlag(on);
        break;
    case Flag::Visible:
        applyVisibleFlag(on, false);
        break;
    case Flag::ParentBackground:
        d->flags |= static_cast<uint32_t>(flag);
        update();
        break;
    default:
        if (on)
            d->flags |= static_cast<uint32_t>(flag);
        else
            d->flags &= ~static_cast<uint32_t>(flag);
        break;
    }
}

void UIWidget::applyWindowFlag()
{
    if (!d->host)
        d->host = UIManager::instance().createWindowHost(*this);
}

void UIWidget::applyEnabledFlag(bool on)
{
    UIManager& manager = UIManager::instance();
    if (on)
        d->flags |= static_cast<uint32_t>(Flag::Enabled);
    else
        d->flags &= ~static_cast<uint32_t>(Flag::Enabled);
    const UIWidgetGuard self(this);
    const std::vector<UIWidget*> children(m_children.begin(), m_children.end());
    for (UIWidget* child : children) {
        if (!self)
            return;
        const UIWidgetGuard guard(child);
        if (!guard || child->isWindow() || child->isEnabled() == on)
            continue;
        if (!on)
            manager.hideToolTipOf(child);
        child->setFlag(Flag::Enabled, on);
    }
    if (!self)
        return;
    if (isWindow() && d->host)
        d->host->setEnabled(on);
    if (!on) {
        if (hasFocus())
            clearFocus();
        if (manager.grabber() == this)
            manager.setGrabber(nullptr);
        manager.hideToolTipOf(this);
    }
    if (!isWindow())
        update();
    UIEvent change(UIEventType::EnabledChange);
    sendEvent(this, change);
}

void UIWidget::applyVisibleFlag(bool on, bool tearingDown)
{
    UIManager& manager = UIManager::instance();
    const UIWidgetGuard self(this);
    if (on) {
        if (!isWindow()) {
            d->flags |= static_cast<uint32_t>(Flag::Visible);
            relayoutParent();
            update();
        } else {
            WidgetLayout::relayout(*this);
            d->flags |= static_cast<uint32_t>(Flag::Visible);
            if (d->host)
                d->host->show(true, d->showMaximized, d->showMinimized);
            d->showMaximized = d->showMinimized = false;
            if (testFlag(Flag::Dirty)) {
                d->flags &= ~static_cast<uint32_t>(Flag::Dirty);
                update();
            }
        }
        if (!self)
            return;
        UIEvent show(UIEventType::Show);
        sendEvent(this, show);
        if (self && isWindow() && d->host && d->host->modality() != Modality::None)
            runModalLoop();
        return;
    }
    d->flags &= ~static_cast<uint32_t>(Flag::Visible | Flag::Hovered);
    if (isWindow() && d->host)
        d->host->show(false, false, false);
    // Nothing hidden keeps the grabber, the focus or the tooltip, below
    // this widget either.
    if (UIWidget* grabber = manager.grabber(); grabber && grabber->isDescendantOf(this))
        manager.setGrabber(nullptr);
    if (UIWidget* focus = manager.focusWidget(); focus && focus->isDescendantOf(this))
        focus->clearFocus();
    if (UIWidget* owner = manager.toolTipOwner(); owner && owner->isDescendantOf(this))
        manager.hideToolTip();
    if (!self)
        return;
    if (!isWindow() && isCreated()) {
        relayoutParent();
        if (d->parent)
            d->parent->compose();
    }
    UIEvent hide(UIEventType::Hide);
    if (tearingDown)
        dispatch(hide);
    else
        sendEvent(this, hide);
}

void UIWidget::relayoutParent()
{
    if (d->parent)
        WidgetLayout::relayout(*d->parent);
}

void UIWidget::runModalLoop()
{
    UIManager& manager = UIManager::instance();
    auto* dispatcher = EventDispatcher::instance();
    if (!dispatcher)
        return;
    if (manager.grabber() == this)
        manager.setGrabber(nullptr);
    if (d->host->modality() == Modality::Application) {
        for (UIWidget* widget : manager.widgets()) {
            if (widget == this || !widget->isWindow() || !widget->d->host || widget->isDescendantOf(this))
                continue;
            if (widget->styleName() == kMenuStyle && widget->isVisible())
                continue;
            widget->d->host->modalDisable(true);
            d->disabledWindows.emplace_back(widget);
        }
    }
    // The record stays alive through the loop even if this widget is
    // deleted by something the loop delivers.
    const std::shared_ptr<LoopFrame> frame = d->modalLoop;
    dispatcher->exec(*frame);
}

void UIWidget::finishModalLoop()
{
    d->modalLoop->quit = true;
    d->modalLoop->result = 0;
    for (const UIWidgetGuard& window : d->disabledWindows)
        if (UIWidget* widget = window.get(); widget && widget->d->host)
            widget->d->host->modalDisable(false);
    d->disabledWindows.clear();
    if (UIManager::instance().grabber() == this)
        UIManager::instance().setGrabber(nullptr);
}

// ---------------------------------------------------------------------------
// The dispatch

bool UIWidget::handleEvent(Event& event)
{
    auto* uiEvent = dynamic_cast<UIEvent*>(&event);
    return uiEvent ? this->event(*uiEvent) : false;
}

bool UIWidget::event(UIEvent& event)
{
    if ((!isEnabled() && event.isInput()) || testFlag(Flag::Deleting))
        return false;
    dispatch(event);
    return event.isAccepted();
}

bool UIWidget::emitOn(Channel channel, UIEvent& event)
{
    const UIWidgetGuard self(this);
    this->channel(channel).emit(event);
    return static_cast<bool>(self);
}

template <class E>
bool UIWidget::deliver(void (UIWidget::*handler)(E&), Channel channel, UIEvent& event)
{
    const UIWidgetGuard self(this);
    (this->*handler)(static_cast<E&>(event));
    if (!self)
        return false;
    return emitOn(channel, event);
}

bool UIWidget::dispatch(UIEvent& event)
{
    switch (event.kind()) {
    case UIEventType::Timer:
        if (event.as<UITimerEvent>().id() == UITimers::kHoverTimer) {
            hoverCheck(event.as<UITimerEvent>());
            return true;
        }
        return deliver(&UIWidget::timerEvent, Channel::Timer, event);
    case UIEventType::Paint: {
        const UIWidgetGuard self(this);
        deliver(&UIWidget::paintEvent, Channel::Paint, event);
        event.accept();
        return static_cast<bool>(self);
    }
    case UIEventType::Resize:
        dispatchResize(event.as<UIResizeEvent>());
        return true;
    case UIEventType::Show:
        return deliver(&UIWidget::showEvent, Channel::Show, event);
    case UIEventType::Hide:
        return deliver(&UIWidget::hideEvent, Channel::Hide, event);
    case UIEventType::Move: {
        const Point p = event.as<UIMoveEvent>().position();
        m_x = p.x;
        m_y = p.y;
        return deliver(&UIWidget::moveEvent, Channel::Move, event);
    }
    case UIEventType::MousePress: {
        const UIWidgetGuard self(this);
        d->flags |= static_cast<uint32_t>(Flag::Pressed | Flag::Hovered);
        if (!isWindow() && (d->focusPolicy & ClickFocus))
            setFocus();
        if (!self)
            return false;
        UIManager::instance().setGrabber(this);
        return deliver(&UIWidget::mousePressEvent, Channel::MousePress, event);
    }
    case UIEventType::MouseRelease:
        dispatchMouseRelease(event.as<UIMouseEvent>());
        return true;
    case UIEventType::Click:
        return deliver(&UIWidget::clickEvent, Channel::Click, event);
    case UIEventType::MouseDoubleClick:
        return deliver(&UIWidget::mouseDoubleClickEvent, Channel::MouseDoubleClick, event);
    case UIEventType::MouseMove:
        dispatchMouseMove(event.as<UIMouseEvent>());
        return true;
    case UIEventType::Enter:
        return deliver(&UIWidget::enterEvent, Channel::Enter, event);
    case UIEventType::Leave:
        d->flags &= ~static_cast<uint32_t>(Flag::Hovered);
        return deliver(&UIWidget::leaveEvent, Channel::Leave, event);
    case UIEventType::Wheel: {
        const UIWidgetGuard self(this);
        if ((d->focusPolicy & WheelFocus) && !hasFocus())
            setFocus();
        if (!self)
            return false;
        return deliver(&UIWidget::wheelEvent, Channel::Wheel, event);
    }
    case UIEventType::Close: {
        if (!deliver(&UIWidget::closeEvent, Channel::Close, event))
            return false;
        if (event.isAccepted())
            destroyWidget();
        return true;
    }
    case UIEventType::ContextMenu:
        if (d->contextMenu)
            d->contextMenu->popup(event.as<UIContextMenuEvent>().screenPosition());
        return true;
    case UIEventType::FocusIn:
        dispatchFocusChange(event, true);
        return true;
    case UIEventType::FocusOut:
        dispatchFocusChange(event, false);
        return true;
    case UIEventType::HotKey:
        return emitOn(Channel::HotKey, event);
    case UIEventType::DragEnter:
        return deliver(&UIWidget::dragEnterEvent, Channel::DragEnter, event);
    case UIEventType::DragMove:
        return deliver(&UIWidget::dragMoveEvent, Channel::DragMove, event);
    case UIEventType::DragLeave:
        return deliver(&UIWidget::dragLeaveEvent, Channel::DragLeave, event);
    case UIEventType::Drop:
        return deliver(&UIWidget::dropEvent, Channel::Drop, event);
    case UIEventType::KeyPress:
    case UIEventType::KeyRelease:
        dispatchKey(event.as<UIKeyEvent>());
        return true;
    case UIEventType::EnabledChange:
    case UIEventType::WindowStateChange:
        return deliver(&UIWidget::changeEvent, Channel::Change, event);
    case UIEventType::InstanceMessage:
        return deliver(&UIWidget::instanceMessageEvent, Channel::InstanceMessage, event);
    }
    return true;
}

void UIWidget::hoverCheck(UITimerEvent& event)
{
    event.accept();
    const Point p = mapFromScreen(platform::cursorPosition());
    if (inside(*this, p))
        return;
    killTimer(UITimers::kHoverTimer);
    // A Leave already on its way (or delivered) clears Hovered; only the
    // first notice of leaving posts one.
    if (!testFlag(Flag::Hovered))
        return;
    d->flags &= ~static_cast<uint32_t>(Flag::Hovered);
    postEvent(this, std::make_unique<UIMouseEvent>(UIEventType::Leave, 0, 0, p, platform::keyboardModifiers()));
}

void UIWidget::dispatchResize(UIResizeEvent& event)
{
    if (event.size().width < 0 || event.size().height < 0)
        return;
    const Size size = clampedToLimits(event.size());

    UIManager& manager = UIManager::instance();
    // A resizeEvent may resize other widgets; each nested resize puts the
    // outer record back when it ends.
    const UIWidgetGuard outer(manager.resizeInProgress());
    const UIWidgetGuard self(this);
    manager.setResizeInProgress(this);
    const Size old = this->size();
    m_width = size.width;
    m_height = size.height;
    if (old != size) {
        growBuffer();
        if (isWindow() && d->host && d->host->hasLayeredImage())
            d->host->refreshLayered();
        UIResizeEvent resized(size, old);
        if (deliver(&UIWidget::resizeEvent, Channel::Resize, resized) && manager.resizeInProgress() == this) {
            if (!WidgetLayout::relayout(*this))
                update();
        }
    }
    manager.setResizeInProgress(outer.get());
}

void UIWidget::growBuffer()
{
    const auto grow = [&](UIImage& image, bool hasAlpha) {
        if (image.width() >= m_width && image.height() >= m_height)
            return;
        // When the larger image cannot be had, the old one stays and
        // painting skips this widget until a later resize succeeds.
        UIImage larger(std::max(m_width, image.width()), std::max(m_height, image.height()), hasAlpha);
        if (larger.isEmpty())
            return;
        larger.fill(kWhite);
        image = std::move(larger);
    };
    grow(d->buffer, false);
    if (isWindow())
        grow(d->canvas, kCanvasHasAlpha);
}

void UIWidget::dispatchMouseRelease(UIMouseEvent& event)
{
    UIManager& manager = UIManager::instance();
    if (manager.grabber() == this)
        manager.setGrabber(nullptr);
    if (!testFlag(Flag::Pressed)) {
        deliver(&UIWidget::mouseReleaseEvent, Channel::MouseRelease, event);
        return;
    }
    d->flags &= ~static_cast<uint32_t>(Flag::Pressed);
    if (!deliver(&UIWidget::mouseReleaseEvent, Channel::MouseRelease, event))
        return;
    if (inside(*this, event.position())) {
        postEvent(this,
                  std::make_unique<UIMouseEvent>(UIEventType::Click, event.buttons(), event.button(), event.position(),
                                                 event.modifiers()));
    } else {
        UIManager::instance().applyCursor(CursorId::Arrow);
    }
}

void UIWidget::dispatchMouseMove(UIMouseEvent& event)
{
    const Point p = event.position();
    const bool tracking = testFlag(Flag::TrackHover);
    if (inside(*this, p)) {
        if (!testFlag(Flag::Hovered)) {
            d->flags |= static_cast<uint32_t>(Flag::Hovered);
            if (tracking)
                postEvent(this, std::make_unique<UIMouseEvent>(UIEventType::Enter, 0, 0, p, event.modifiers()));
        }
        updateToolTip(p);
    } else if (testFlag(Flag::Hovered)) {
        d->flags &= ~static_cast<uint32_t>(Flag::Hovered);
        if (tracking)
            postEvent(this, std::make_unique<UIMouseEvent>(UIEventType::Leave, 0, 0, p, event.modifiers()));
    }
    deliver(&UIWidget::mouseMoveEvent, Channel::MouseMove, event);
}

void UIWidget::updateToolTip(Point position)
{
    UIManager& manager = UIManager::instance();
    String text = toolTipAt(position);
    if (d->toolTipMaxLength > 0 && text.size() > static_cast<size_t>(d->toolTipMaxLength)) {
        text.resize(static_cast<size_t>(d->toolTipMaxLength));
        text += kEllipsis;
    }
    if (manager.toolTipOwner() && (manager.toolTipOwner() != this || manager.toolTipText() != text))
        manager.hideToolTip();
    if (!text.empty() && manager.toolTipOwner() != this)
        manager.showToolTip(*this, text, UIToolTipSettings::fromPlacement(d->toolTipPlacement));
}

void UIWidget::dispatchKey(UIKeyEvent& event)
{
    const bool press = event.kind() == UIEventType::KeyPress;
    const Channel channel = press ? Channel::KeyPress : Channel::KeyRelease;
    const auto handler = press ? &UIWidget::keyPressEvent : &UIWidget::keyReleaseEvent;
    const UIWidgetGuard self(this);
    if (press) {
        UIManager::instance().hideToolTip();
        if (event.key() == kTabKey) {
            if (event.modifiers() & platform::ShiftModifier)
                focusPrevious();
            else
                focusNext();
            event.accept();
            return;
        }
        d->flags |= static_cast<uint32_t>(Flag::KeyDown);
    } else {
        d->flags &= ~static_cast<uint32_t>(Flag::KeyDown);
    }
    UIWidget* top = window();
    if (!isWindow() && top && top != this && top->d->host && (top->d->host->windowType() & WindowType::KeyPreview)) {
        const UIWidgetGuard guard(top);
        (top->*handler)(event);
        if (guard)
            top->channel(channel).emit(event);
        if (!self)
            return;
    }
    if (press)
        d->keyAccepted = event.isAccepted();
    if (!d->keyAccepted)
        deliver(handler, channel, event);
}

void UIWidget::dispatchFocusChange(UIEvent& event, bool in)
{
    UIWidget* top = window();
    if (top && top->d->host)
        top->d->host->setInputMethodActive(in && testFlag(Flag::InputMethod));
    if (!in)
        d->flags &= ~static_cast<uint32_t>(Flag::KeyDown);
    const UIWidgetGuard guard(top);
    if (!deliver(in ? &UIWidget::focusInEvent : &UIWidget::focusOutEvent, in ? Channel::FocusIn : Channel::FocusOut,
                 event))
        return;
    if (guard)
        top->update(top->rect());
}

bool UIWidget::emitEndSession()
{
    UIEndSessionEvent event;
    channel(Channel::EndSession).emit(event);
    return event.isAccepted();
}

// ---------------------------------------------------------------------------
// Virtual slots with a default

void UIWidget::setStyleProperty(StringView, StringView) {}

void UIWidget::setExtraProperty(StringView, StringView) {}

void UIWidget::setSkin(StringView, const UISkin&) {}

int32_t UIWidget::cursorAt(Point) const { return d->cursor; }

UIFont UIWidget::font() const { return UIFont::defaultFont(); }

String UIWidget::toolTipAt(Point) const { return d->toolTip; }

void UIWidget::setContentOffset(int32_t horizontal, int32_t vertical)
{
    if (horizontal == m_contentOffsetH && vertical == m_contentOffsetV)
        return;
    UIManager::instance().hideToolTipOf(this);
    m_contentOffsetH = horizontal;
    m_contentOffsetV = vertical;
    update();
}

void UIWidget::move(int32_t x, int32_t y)
{
    if (x == m_x && y == m_y)
        return;
    if (isWindow() && d->host) {
        d->host->moveTo({x, y});
        return;
    }
    UIMoveEvent event({x, y}, position());
    sendEvent(this, event);
}

Size UIWidget::clampedToLimits(Size size) const
{
    // Sizes and limits are client sizes, for windows too: the frame is added
    // only where the native outer size is needed.
    if (m_minimumWidth > 0 && m_minimumWidth > size.width)
        size.width = m_minimumWidth;
    if (m_minimumHeight > 0 && m_minimumHeight > size.height)
        size.height = m_minimumHeight;
    if (m_maximumWidth > 0 && m_maximumWidth < size.width)
        size.width = m_maximumWidth;
    if (m_maximumHeight > 0 && m_maximumHeight < size.height)
        size.height = m_maximumHeight;
    return size;
}

void UIWidget::resize(int32_t width, int32_t height)
{
    if (width < 0 || height < 0 || (width == m_width && height == m_height))
        return;
    if (isWindow() && d->host) {
        // The native window gets the size the widget will keep, so the two
        // never disagree.
        const Size size = clampedToLimits({width, height});
        if (size != this->size())
            d->host->resizeTo(size);
        return;
    }
    UIResizeEvent event({width, height}, size());
    sendEvent(this, event);
}

void UIWidget::setGeometry(const Rect& geometry)
{
    move(geometry.x, geometry.y);
    resize(geometry.width, geometry.height);
}

void UIWidget::setVisible(bool visible)
{
    if (isCreated() && testFlag(Flag::Visible) != visible)
        setFlag(Flag::Visible, visible);
}

void UIWidget::enable()
{
    if (!isEnabled())
        setFlag(Flag::Enabled, true);
}

void UIWidget::disable()
{
    if (!isEnabled())
        return;
    setFlag(Flag::Enabled, false);
    UIManager::instance().hideToolTipOf(this);
}

// ---------------------------------------------------------------------------
// Tree and geometry

UIWidget* UIWidget::parent() const { return d->parent; }

UIWidget* UIWidget::window() const
{
    if (!d->topLevel) {
        const UIWidget* w = this;
        while (!w->isWindow() && w->d->parent)
            w = w->d->parent;
        d->topLevel = const_cast<UIWidget*>(w);
    }
    return d->topLevel;
}

bool UIWidget::isDescendantOf(const UIWidget* ancestor) const
{
    for (const UIWidget* w = this; w; w = w->d->parent)
        if (w == ancestor)
            return true;
    return false;
}

UIWidget* UIWidget::childAt(UIWidget& root, Point position)
{
    if (root.m_children.empty() || !root.isVisible())
        return nullptr;
    UIWidget* found = nullptr;
    UIWidget* current = &root;
    Point p = position;
    for (;;) {
        UIWidget* taken = nullptr;
        // Latest first: later siblings are composed on top.
        for (auto it = current->m_children.rbegin(); it != current->m_children.rend(); ++it) {
            UIWidget* child = *it;
            if (child->isWindow() || !child->testFlag(Flag::Visible))
                continue;
            if (child->geometry().contains(p)) {
                taken = child;
                break;
            }
        }
        if (!taken)
            return found;
        found = taken;
        p = {p.x - taken->m_x, p.y - taken->m_y};
        current = taken;
    }
}

UILayout& UIWidget::layout() { return d->styleValues; }

const UILayout& UIWidget::layout() const { return d->styleValues; }

UIWindowHost* UIWidget::host() const { return d->host.get(); }

void UIWidget::setMinimumSize(Size size)
{
    m_minimumWidth = std::max(size.width, 0);
    m_minimumHeight = std::max(size.height, 0);
}

void UIWidget::setMaximumSize(Size size)
{
    m_maximumWidth = std::max(size.width, 0);
    m_maximumHeight = std::max(size.height, 0);
}

Point UIWidget::windowPosition() const
{
    Point p;
    for (const UIWidget* w = this; w && w != window(); w = w->d->parent) {
        p.x += w->m_x;
        p.y += w->m_y;
    }
    return p;
}

Point UIWidget::mapToWindow(Point position) const
{
    const Point origin = windowPosition();
    return {position.x + origin.x, position.y + origin.y};
}

Point UIWidget::mapFromWindow(Point position) const
{
    const Point origin = windowPosition();
    return {position.x - origin.x, position.y - origin.y};
}

Point UIWidget::mapFrom(const UIWidget& ancestor, Point position) const
{
    Point p = position;
    for (const UIWidget* w = this; w && w != &ancestor; w = w->d->parent) {
        p.x -= w->m_x;
        p.y -= w->m_y;
    }
    return p;
}

Point UIWidget::mapToScreen(Point position) const
{
    const UIWidget* top = window();
    Point p = mapToWindow(position);
    p.x += top->m_x;
    p.y += top->m_y;
    if (top->d->host) {
        const Margins frame = top->d->host->frameMargins();
        p.x += frame.left;
        p.y += frame.top;
    }
    return p;
}

Point UIWidget::mapFromScreen(Point screenPosition) const
{
    const Point origin = mapToScreen({0, 0});
    return {screenPosition.x - origin.x, screenPosition.y - origin.y};
}

// ---------------------------------------------------------------------------
// State

bool UIWidget::isVisible() const
{
    const UIWidget* w = this;
    for (; w; w = w->d->parent) {
        if (!w->testFlag(Flag::Visible))
            return false;
        if (w->isWindow())
            break;
    }
    if (w && w->isCreated() && w->d->host)
        return w->d->host->isVisible();
    return true;
}

void UIWidget::setShowState(bool maximized, bool minimized)
{
    d->showMaximized = maximized;
    d->showMinimized = minimized;
}

int32_t UIWidget::cursor() const { return d->cursor; }

void UIWidget::setCursor(int32_t id) { d->cursor = id; }

const String& UIWidget::toolTip() const { return d->toolTip; }

void UIWidget::setToolTip(String text) { d->toolTip = std::move(text); }

int32_t UIWidget::toolTipMaxLength() const { return d->toolTipMaxLength; }

void UIWidget::setToolTipMaxLength(int32_t length) { d->toolTipMaxLength = length; }

void UIWidget::setToolTipPlacement(const std::array<int32_t, 3>& values) { d->toolTipPlacement = values; }

int32_t UIWidget::placement() const { return d->placement; }

void UIWidget::setPlacement(int32_t alignment) { d->placement = alignment; }

UIPopupMenu* UIWidget::contextMenu() const { return d->contextMenu; }

void UIWidget::setContextMenu(UIPopupMenu* menu) { d->contextMenu = menu; }

uint32_t UIWidget::dropFlags() const { return d->dropFlags; }

void UIWidget::setDropFlags(uint32_t flags) { d->dropFlags = flags; }

// ---------------------------------------------------------------------------
// Focus

uint32_t UIWidget::focusPolicy() const { return d->focusPolicy; }

void UIWidget::setFocusPolicy(uint32_t policy) { d->focusPolicy = policy; }

int32_t UIWidget::tabIndex() const { return d->tabIndex; }

void UIWidget::setTabIndex(int32_t index) { d->tabIndex = index; }

bool UIWidget::hasFocus() const { return UIManager::instance().focusWidget() == this; }

bool UIWidget::isActiveWindow() const
{
    const UIWidget* top = window();
    return !top->d->host || top->d->host->isActive();
}

void UIWidget::setFocus()
{
    UIManager& manager = UIManager::instance();
    if (hasFocus() || d->focusPolicy == NoFocus || !isVisible() || !isEnabled() || !isActiveWindow())
        return;
    const UIWidgetGuard self(this);
    if (UIWidget* old = manager.focusWidget())
        old->clearFocus();
    if (!self)
        return;
    if (isWindow() && d->host)
        d->host->activate(true);
    manager.setFocusWidget(this);
    UIEvent focusIn(UIEventType::FocusIn);
    sendEvent(this, focusIn);
}

void UIWidget::clearFocus()
{
    UIManager& manager = UIManager::instance();
    if (!hasFocus())
        return;
    d->flags &= ~static_cast<uint32_t>(Flag::KeyDown);
    manager.setFocusWidget(nullptr);
    if (isCreated() && !testFlag(Flag::Deleting)) {
        UIEvent focusOut(UIEventType::FocusOut);
        sendEvent(this, focusOut);
    }
}

std::vector<UIWidget*> UIWidget::focusChain() const
{
    std::vector<UIWidget*> chain;
    const UIWidget* top = window();
    for (UIWidget* widget : UIManager::instance().widgets())
        if ((widget->d->focusPolicy & TabFocus) && widget->d->tabIndex > 0 && widget->window() == top
            && widget->isEnabled() && widget->isVisible())
            chain.push_back(widget);
    return chain;
}

void UIWidget::focusNext()
{
    const std::vector<UIWidget*> chain = focusChain();
    if (chain.empty() || !isActiveWindow())
        return;
    const auto current = std::find(chain.begin(), chain.end(), UIManager::instance().focusWidget());
    const auto next =
        (current == chain.end() || std::next(current) == chain.end()) ? chain.begin() : std::next(current);
    (*next)->setFocus();
}

void UIWidget::focusPrevious()
{
    const std::vector<UIWidget*> chain = focusChain();
    if (chain.empty() || !isActiveWindow())
        return;
    const auto current = std::find(chain.begin(), chain.end(), UIManager::instance().focusWidget());
    const auto previous =
        (current == chain.end() || current == chain.begin()) ? std::prev(chain.end()) : std::prev(current);
    (*previous)->setFocus();
}

// ---------------------------------------------------------------------------
// Painting

UIImage& UIWidget::paintBuffer() { return d->buffer; }

const UIImage& UIWidget::canvas() const { return d->canvas; }

UIPaintListener* UIWidget::addPaintListener(std::unique_ptr<UIPaintListener> listener)
{
    d->paintListeners.push_back(std::move(listener));
    return d->paintListeners.back().get();
}

void UIWidget::removePaintListener(UIPaintListener* listener)
{
    std::erase_if(d->paintListeners, [&](const std::unique_ptr<UIPaintListener>& l) { return l.get() == listener; });
}

Rect UIWidget::visibleWindowRect() const
{
    Rect area{windowPosition().x, windowPosition().y, m_width, m_height};
    const UIWidget* top = window();
    for (const UIWidget* w = d->parent; w && w != top; w = w->d->parent) {
        const Point origin = w->windowPosition();
        area = area.intersected({origin.x, origin.y, w->m_width, w->m_height});
    }
    return area.intersected(top->rect());
}

bool UIWidget::prepareCanvas()
{
    UIWidget* top = window();
    if (!isCreated() || !testFlag(Flag::DirectPaint) || !isVisible()) {
        top->d->flags |= static_cast<uint32_t>(Flag::Dirty);
        return false;
    }
    if (top->d->canvas.width() < top->m_width || top->d->canvas.height() < top->m_height)
        top->growBuffer();
    if (top->d->canvas.isEmpty()) {
        UIImage canvas(top->m_width, top->m_height, kCanvasHasAlpha);
        if (canvas.isEmpty())
            return false;
        top->d->canvas = std::move(canvas);
    }
    return true;
}

void UIWidget::update()
{
    if (!prepareCanvas())
        return;
    UIWidget* top = window();
    const UIWidgetGuard self(this);
    if (this == top) {
        paintTree(rect());
        if (!self)
            return;
        flushWindow(rect());
        // Listeners may remove themselves: walk by index.
        for (size_t i = 0; self && i < d->paintListeners.size(); ++i)
            if (d->paintListeners[i]->isActive())
                d->paintListeners[i]->windowPainted(d->buffer, rect());
        return;
    }
    const Rect area = visibleWindowRect();
    if (area.isEmpty())
        return;
    paintTree(area);
    if (!self)
        return;
    composeAbove(area);
    top->flushWindow(area);
}

void UIWidget::compose()
{
    if (!prepareCanvas())
        return;
    UIWidget* top = window();
    const Rect area = this == top ? rect() : visibleWindowRect();
    if (area.isEmpty())
        return;
    composeTree(area);
    if (this != top)
        composeAbove(area);
    top->flushWindow(area);
}

void UIWidget::update(const Rect& rect)
{
    UIWidget* top = window();
    if (!top->testFlag(Flag::DirectPaint)) {
        top->d->flags |= static_cast<uint32_t>(Flag::Dirty);
        return;
    }
    const Point origin = windowPosition();
    top->flushWindow(rect.translated(origin.x, origin.y));
}

void UIWidget::flushWindow(const Rect& windowRect)
{
    if (d->host && !d->canvas.isEmpty())
        d->host->flush(d->canvas, windowRect.intersected(rect()));
}

void UIWidget::paintTree(const Rect& clip)
{
    const UIWidgetGuard self(this);
    paintOne(clip);
    if (!self)
        return;
    const std::vector<UIWidget*> children(m_children.begin(), m_children.end());
    for (UIWidget* child : children) {
        if (!self)
            return;
        if (child->isWindow() || !child->testFlag(Flag::Visible) || !UIWidgetGuard(child))
            continue;
        const Point origin = child->windowPosition();
        const Rect childClip = clip.intersected({origin.x, origin.y, child->m_width, child->m_height});
        if (!childClip.isEmpty())
            child->paintTree(childClip);
    }
}

void UIWidget::paintOne(const Rect& clip)
{
    // A buffer that could not grow to the widget's size paints nothing.
    if (d->buffer.width() < m_width || d->buffer.height() < m_height)
        return;
    if (d->parent && !isWindow() && testFlag(Flag::ParentBackground))
        d->buffer.copyFrom(d->parent->d->buffer, geometry(), {0, 0});
    UIPaintEvent paint(rect());
    const UIWidgetGuard self(this);
    event(paint);
    if (self)
        composeOne(clip);
}

void UIWidget::composeOne(const Rect& clip)
{
    if (d->buffer.width() < m_width || d->buffer.height() < m_height)
        return;
    UIWidget* top = window();
    const Point origin = windowPosition();
    const Rect target = clip.intersected({origin.x, origin.y, m_width, m_height});
    if (target.isEmpty())
        return;
    top->d->canvas.copyFrom(d->buffer, target.translated(-origin.x, -origin.y), target.topLeft());
}

void UIWidget::composeTree(const Rect& clip)
{
    composeOne(clip);
    for (UIWidget* child : m_children) {
        if (child->isWindow() || !child->testFlag(Flag::Visible))
            continue;
        const Point origin = child->windowPosition();
        const Rect childClip = clip.intersected({origin.x, origin.y, child->m_width, child->m_height});
        if (!childClip.isEmpty())
            child->composeTree(childClip);
    }
}

void UIWidget::composeAbove(const Rect& area)
{
    // Siblings added after this widget (and after each ancestor) are drawn
    // on top of it: put their pixels back over the repainted area.
    UIWidget* top = window();
    for (UIWidget* w = this; w != top && w->d->parent; w = w->d->parent) {
        UIWidget* parent = w->d->parent;
        for (auto it = std::next(w->d->positionInParent); it != parent->m_children.end(); ++it) {
            UIWidget* sibling = *it;
            if (sibling->isWindow() || !sibling->testFlag(Flag::Visible))
                continue;
            const Rect clip = area.intersected(sibling->visibleWindowRect());
            if (!clip.isEmpty())
                sibling->composeTree(clip);
        }
    }
}

// ---------------------------------------------------------------------------
// Events and timers

bool UIWidget::sendEvent(UIWidget* receiver, UIEvent& event)
{
    if (!receiver)
        return false;
    if (auto* dispatcher = EventDispatcher::instance())
        return dispatcher->sendEvent(receiver, event);
    return UIManager::instance().isRegistered(receiver) && !receiver->isBlocked() && receiver->event(event);
}

bool UIWidget::postEvent(UIWidget* receiver, std::unique_ptr<UIEvent> event)
{
    auto* dispatcher = EventDispatcher::instance();
    if (!receiver || !event || !dispatcher)
        return false;
    event->setPosted(true);
    return dispatcher->postEvent(receiver, std::move(event));
}

void UIWidget::close() { postEvent(this, std::make_unique<UIEvent>(UIEventType::Close)); }

bool UIWidget::startTimer(uint32_t id, uint32_t intervalMs) { return UITimers::start(id, this, intervalMs); }

void UIWidget::killTimer(uint32_t id) { UITimers::stop(id, this); }

void UIWidget::timerFired(uint32_t id)
{
    UITimerEvent event(id);
    sendEvent(this, event);
}
