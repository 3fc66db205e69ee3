#include "app/EventDispatcher.h"
#include "app/Application.h"
#include "app/EventReceiver.h"
#include "platform/MessageLoop.h"

#include <algorithm>

namespace {
EventDispatcher* g_dispatcher = nullptr;
} // namespace

EventDispatcher::Window::Window(EventDispatcher& dispatcher)
    : HiddenWindow(String(kWindowClass), Reach::MessageOnly)
    , m_dispatcher(dispatcher)
{}

bool EventDispatcher::Window::handleMessage(platform::MessageRecord& record)
{
    if (record.message != kPostedEventMessage)
        return false;
    m_dispatcher.deliver(record.lParam);
    record.result = 0;
    return true;
}

EventDispatcher::EventDispatcher()
    : m_ownerThread(platform::currentThreadId())
    , m_oleInitialised(platform::initialiseOle())
    , m_window(std::make_unique<Window>(*this))
{
    if (!g_dispatcher)
        g_dispatcher = this;
}

EventDispatcher::~EventDispatcher()
{
    if (g_dispatcher == this)
        g_dispatcher = nullptr;
    // Events still queued are destroyed undelivered; their messages die
    // with the window.
    m_window.reset();
    m_posted.clear();
    m_queue.clear();
    if (m_oleInitialised)
        platform::uninitialiseOle();
}

EventDispatcher* EventDispatcher::instance() { return g_dispatcher; }

void EventDispatcher::addReceiver(EventReceiver* receiver)
{
    if (receiver)
        m_receivers[receiver] = ++m_lastSerial;
}

void EventDispatcher::removeReceiver(EventReceiver* receiver) { m_receivers.erase(receiver); }

bool EventDispatcher::isReceiver(const EventReceiver* receiver) const { return serialOf(receiver) != 0; }

uint64_t EventDispatcher::serialOf(const EventReceiver* receiver) const
{
    const auto found = m_receivers.find(receiver);
    return found == m_receivers.end() ? 0 : found->second;
}

bool EventDispatcher::postEvent(EventReceiver* receiver, std::unique_ptr<Event> event)
{
    m_queue.push_back({std::move(event), receiver, serialOf(receiver)});
    const auto posted = std::prev(m_queue.end());
    if (!platform::postMessage(windowHandle(), kPostedEventMessage, 0, reinterpret_cast<intptr_t>(&*posted))) {
        m_queue.pop_back();
        return false;
    }
    m_posted.emplace(&*posted, posted);
    return true;
}

bool EventDispatcher::sendEvent(EventReceiver* receiver, Event& event)
{
    if (!isReceiver(receiver) || receiver->isBlocked())
        return false;
    return receiver->handleEvent(event);
}

void EventDispatcher::deliver(intptr_t postedEvent)
{
    // The message could come from anywhere (any process may post to a
    // window), so only pointers this queue handed out are trusted.
    const auto found = m_posted.find(reinterpret_cast<const PostedEvent*>(postedEvent));
    if (found == m_posted.end())
        return;
    // Unlink before handling: the handler may post, send or run a nested
    // loop, and the event must be destroyed whatever happens.
    Queue taken;
    taken.splice(taken.begin(), m_queue, found->second);
    m_posted.erase(found);
    PostedEvent& posted = taken.front();
    if (posted.serial != 0 && serialOf(posted.receiver) == posted.serial && !posted.receiver->isBlocked())
        posted.receiver->handleEvent(*posted.event);
}

int EventDispatcher::exec(LoopFrame& frame)
{
    frame.running = true;
    frame.quit = false;
    frame.result = 0;
    m_activeFrames.push_back(&frame);
    do {
        platform::Message message;
        switch (platform::waitMessage(message)) {
        case platform::WaitResult::Error:
            continue;
        case platform::WaitResult::Quit:
            // A quit request from the system (or one that outlived a loop
            // of the system) ends every loop, as quit() does.
            for (LoopFrame* active : m_activeFrames) {
                active->result = 0;
                active->quit = true;
            }
            break;
        case platform::WaitResult::Message:
            if (message.message == kPostedEventMessage && message.window == windowHandle())
                deliver(message.lParam);
            else
                platform::dispatchMessage(message);
            break;
        }
    } while (!frame.quit);
    frame.running = false;
    frame.quit = false;
    m_activeFrames.erase(std::find(m_activeFrames.begin(), m_activeFrames.end(), &frame));
    if (m_activeFrames.empty())
        platform::discardPendingQuit();
    return frame.result;
}

void EventDispatcher::exit(LoopFrame& frame, int result)
{
    frame.result = result;
    frame.quit = true;
}

void EventDispatcher::quitAll()
{
    for (LoopFrame* frame : m_activeFrames) {
        frame->result = 0;
        frame->quit = true;
    }
    platform::postQuitMessage(0);
}
