#include "ui/core/UIManager.h"
#include "app/EventDispatcher.h"
#include "app/EventReceiver.h"
#include "platform/InputState.h"
#include "platform/Sound.h"
#include "ui/core/UIMemoryWindowHost.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/UIToolTipPresenter.h"
#include "ui/core/UIWidget.h"

#include <algorithm>

namespace {

// Carries the collection of disposed widgets to a later turn of the loop.
// The collection runs when the event is destroyed, delivered or dropped,
// and only once the event is known to be queued. The event owns the
// receiver it is addressed to, so that receiver lives exactly as long.
class CollectionEvent : public Event {
public:
    class Courier : public EventReceiver {
    public:
        bool handleEvent(Event&) override { return true; }
    };

    ~CollectionEvent() override
    {
        if (m_armed)
            UIManager::instance().collectDisposed();
    }
    EventReceiver* courier() { return &m_courier; }
    void arm() { m_armed = true; }

private:
    Courier m_courier;
    bool m_armed = false;
};

} // namespace

UIManager& UIManager::instance()
{
    static UIManager manager;
    return manager;
}

UIManager::~UIManager()
{
    collectDisposed();
    // Released before deletion, so that a widget whose teardown runs in its
    // destructor does not find itself still adopted.
    auto adopted = std::move(m_adopted);
    m_adopted.clear();
    for (auto& widget : adopted)
        delete widget.release();
}

void UIManager::failureBeep() const
{
    if (!m_failureBeep)
        return;
    platform::stopSound();
    platform::messageBeep(platform::BeepKind::Simple);
}

bool UIManager::isAlive(const UIWidget* widget, int32_t serial) const
{
    const auto found = m_index.find(widget);
    return found != m_index.end() && (*found->second)->serial() == serial;
}

std::unique_ptr<UIWindowHost> UIManager::createWindowHost(UIWidget& owner) const
{
    if (m_hostFactory)
        if (auto host = m_hostFactory(owner))
            return host;
    return std::make_unique<UIMemoryWindowHost>(owner);
}

void UIManager::registerWidget(UIWidget* widget)
{
    m_widgets.push_back(widget);
    m_index[widget] = std::prev(m_widgets.end());
}

void UIManager::unregisterWidget(UIWidget* widget)
{
    forget(widget);
    if (m_main == widget)
        m_main = nullptr;
    const auto found = m_index.find(widget);
    if (found == m_index.end())
        return;
    m_widgets.erase(found->second);
    m_index.erase(found);
}

void UIManager::forget(const UIWidget* widget)
{
    if (m_focus == widget)
        m_focus = nullptr;
    if (m_grabber == widget)
        m_grabber = nullptr;
    if (m_resizing == widget)
        m_resizing = nullptr;
    for (PressRecord& press : m_presses)
        if (press.target == widget)
            press = {};
    if (m_toolTipOwner == widget)
        hideToolTip();
}

void UIManager::showToolTip(UIWidget& owner, StringView text, const UIToolTipSettings& settings)
{
    m_toolTipOwner = &owner;
    m_toolTipText = String(text);
    if (m_toolTipPresenter)
        m_toolTipPresenter->showToolTip(owner, text, settings);
}

bool UIManager::loadStyle(StringView name, StringView executableFolder)
{
    std::unique_ptr<UIStyleSet> loaded = ::loadStyle(name, executableFolder);
    if (!loaded)
        return false;
    m_styleSet = std::move(loaded);
    return true;
}

void UIManager::setStyleSet(std::unique_ptr<UIStyleSet> styleSet) { m_styleSet = std::move(styleSet); }

void UIManager::applyCursor(int32_t id) { platform::setCursor(m_cursors.nativeCursor(id)); }

void UIManager::hideToolTip()
{
    if (!m_toolTipOwner)
        return;
    m_toolTipOwner = nullptr;
    m_toolTipText.clear();
    if (m_toolTipPresenter)
        m_toolTipPresenter->hideToolTip();
}

void UIManager::hideToolTipOf(const UIWidget* widget)
{
    if (widget && m_toolTipOwner == widget)
        hideToolTip();
}

UIWidget* UIManager::adopt(std::unique_ptr<UIWidget> widget)
{
    m_adopted.push_back(std::move(widget));
    return m_adopted.back().get();
}

void UIManager::dispose(UIWidget* widget)
{
    forget(widget);
    const auto found = std::find_if(m_adopted.begin(), m_adopted.end(),
                                    [&](const std::unique_ptr<UIWidget>& w) { return w.get() == widget; });
    if (found == m_adopted.end())
        return;
    // Never now: the widget's own handler (an accepted Close) is running.
    m_disposed.push_back(std::move(*found));
    m_adopted.erase(found);
    if (m_collectionPosted)
        return;
    auto* dispatcher = EventDispatcher::instance();
    if (!dispatcher)
        return;
    auto event = std::make_unique<CollectionEvent>();
    CollectionEvent* queued = event.get();
    EventReceiver* courier = queued->courier();
    if (dispatcher->postEvent(courier, std::move(event))) {
        queued->arm();
        m_collectionPosted = true;
    }
}

void UIManager::collectDisposed()
{
    m_collectionPosted = false;
    // Deleting a widget may dispose of others; take the list first.
    auto disposed = std::move(m_disposed);
    m_disposed.clear();
    for (auto& widget : disposed)
        delete widget.release();
}

int32_t UIManager::countTopLevelWindows(uint32_t filter) const
{
    int32_t count = 0;
    for (const UIWidget* widget : m_widgets) {
        if (!widget->isWindow())
            continue;
        if ((filter & VisibleOnly) && !widget->isVisible())
            continue;
        const String& style = widget->styleName();
        if (((filter & SkipMenus) && style == u"UIMenu") || ((filter & SkipToolTips) && style == u"UIToolTip")
            || ((filter & SkipBalloonTips) && style == u"UIBalloonTip"))
            continue;
        ++count;
    }
    return (filter & AddOtherTopLevels) ? count + m_otherTopLevels : count;
}
