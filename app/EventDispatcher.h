#pragma once
// The main thread's event service: the live receivers, the queue of posted
// events, and the message loops (the main one and nested ones for popup
// menus and modal windows).
//
// Posted events are owned by the dispatcher until delivered or dropped; a
// sent event stays the caller's.

#include "app/Event.h"
#include "platform/HiddenWindow.h"

#include <cstdint>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

class EventReceiver;

// The message that carries a posted event to the dispatcher's window.
inline constexpr uint32_t kPostedEventMessage = 0xC400;

struct LoopFrame {
    bool running = false;
    bool quit = false;
    int32_t result = 0;
};

class EventDispatcher {
public:
    static constexpr char16_t kWindowClass[] = u"DE488461-975A-4c0c-B8BC-FAADED591024";

    EventDispatcher();
    ~EventDispatcher();

    EventDispatcher(const EventDispatcher&) = delete;
    EventDispatcher& operator=(const EventDispatcher&) = delete;

    // The process-wide dispatcher (the first one created), or nullptr.
    static EventDispatcher* instance();

    // Registration by EventReceiver's constructor and destructor. Each
    // registration gets a serial of its own, so a receiver built later at
    // the address of a destroyed one is a different receiver.
    void addReceiver(EventReceiver* receiver);
    void removeReceiver(EventReceiver* receiver);
    // Constant time: every widget asks this before it touches a receiver.
    bool isReceiver(const EventReceiver* receiver) const;
    size_t receiverCount() const { return m_receivers.size(); }

    // Queues the event for delivery in a later turn of the loop, after the
    // messages already queued. It reaches exactly this registration of the
    // receiver: if the receiver is destroyed first, the event is destroyed
    // unhandled. Returns false (and destroys the event) when the system
    // refuses the message.
    bool postEvent(EventReceiver* receiver, std::unique_ptr<Event> event);
    // Delivers at once; false when not handled, not alive or blocked.
    bool sendEvent(EventReceiver* receiver, Event& event);
    size_t pendingEventCount() const { return m_queue.size(); }

    // Runs a loop until the frame's quit flag is set; returns its result.
    int exec(LoopFrame& frame);
    // Ends one loop with a result.
    void exit(LoopFrame& frame, int result);
    // Ends every running loop with result 0, then asks the thread to quit.
    void quitAll();

    LoopFrame& mainFrame() { return m_mainFrame; }
    // The thread that created the dispatcher: the only one that may use it.
    uint32_t ownerThreadId() const { return m_ownerThread; }
    NativeHandle windowHandle() const { return m_window->handle(); }

private:
    struct PostedEvent {
        std::unique_ptr<Event> event;
        EventReceiver* receiver;
        // The receiver's registration when the event was posted; 0 when the
        // receiver was not registered then.
        uint64_t serial;
    };
    using Queue = std::list<PostedEvent>;

    // The invisible window that posted events travel through. Its procedure
    // delivers them too, for loops of the system (window moves, system
    // menus) that dispatch the message themselves.
    class Window : public platform::HiddenWindow {
    public:
        explicit Window(EventDispatcher& dispatcher);
        bool handleMessage(platform::MessageRecord& record) override;

    private:
        EventDispatcher& m_dispatcher;
    };

    void deliver(intptr_t postedEvent);
    uint64_t serialOf(const EventReceiver* receiver) const;

    uint32_t m_ownerThread;
    bool m_oleInitialised;
    // Live receivers and the serial of their registration.
    std::unordered_map<const EventReceiver*, uint64_t> m_receivers;
    uint64_t m_lastSerial = 0;
    Queue m_queue;
    // The pointers handed out in 0xC400 messages, so that one arriving from
    // anywhere else is recognised without walking the queue.
    std::unordered_map<const PostedEvent*, Queue::iterator> m_posted;
    LoopFrame m_mainFrame;
    std::vector<LoopFrame*> m_activeFrames;
    // Destroyed explicitly before OLE is uninitialised.
    std::unique_ptr<Window> m_window;
};
