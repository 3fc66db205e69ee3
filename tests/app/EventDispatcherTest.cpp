// The event service on the headless message queue: delivery order, dropped
// events, and how quit ends nested loops.
#include "app/Application.h"
#include "app/EventDispatcher.h"
#include "app/EventReceiver.h"
#include "platform/MessageLoop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class RecordingEvent : public Event {
public:
    RecordingEvent(std::string name, int* destroyed = nullptr)
        : Event(1000)
        , m_name(std::move(name))
        , m_destroyed(destroyed)
    {}
    ~RecordingEvent() override
    {
        if (m_destroyed)
            ++*m_destroyed;
    }
    const std::string& name() const { return m_name; }

private:
    std::string m_name;
    int* m_destroyed;
};

class Recorder : public EventReceiver {
public:
    std::function<void(const std::string&)> onEvent;
    std::vector<std::string> received;

    bool handleEvent(Event& event) override
    {
        const auto& name = static_cast<RecordingEvent&>(event).name();
        received.push_back(name);
        if (onEvent)
            onEvent(name);
        return true;
    }
};

class EventDispatcherTest : public ::testing::Test {
protected:
    std::unique_ptr<Application> owner = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
    Application& application = *owner;
    EventDispatcher& dispatcher = application.eventDispatcher();
};

// A window that notes the order in which plain messages reach it.
class OrderWindow : public platform::HiddenWindow {
public:
    explicit OrderWindow(std::vector<std::string>& order) : HiddenWindow(u"TintscopeOrderTestWindow"), m_order(order) {}
    bool handleMessage(platform::MessageRecord& record) override
    {
        if (record.message != kTestMessage)
            return false;
        m_order.push_back("message " + std::to_string(record.wParam));
        return true;
    }
    static constexpr uint32_t kTestMessage = 0x8001;

private:
    std::vector<std::string>& m_order;
};

TEST_F(EventDispatcherTest, PostedEventsArriveInOrderBehindNativeMessagesAlreadyQueued)
{
    std::vector<std::string> order;
    OrderWindow window(order);
    Recorder recorder;
    recorder.onEvent = [&](const std::string& name) {
        order.push_back(name);
        if (name == "event 1")
            dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("posted while handling"));
        if (name == "posted while handling")
            application.quit();
    };
    platform::postMessage(window.handle(), OrderWindow::kTestMessage, 1, 0);
    dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("event 1"));
    platform::postMessage(window.handle(), OrderWindow::kTestMessage, 2, 0);
    dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("event 2"));

    EXPECT_EQ(application.run(), 0);
    EXPECT_EQ(order,
              (std::vector<std::string>{"message 1", "event 1", "message 2", "event 2", "posted while handling"}));
    EXPECT_EQ(dispatcher.pendingEventCount(), 0u);
}

TEST_F(EventDispatcherTest, ForgedPostedEventMessageIsIgnored)
{
    // Any process can post to the dispatcher's window; a pointer the queue
    // never handed out must not be followed.
    Recorder recorder;
    recorder.onEvent = [&](const std::string&) { application.quit(); };
    platform::postMessage(dispatcher.windowHandle(), kPostedEventMessage, 0, intptr_t(0x1234));
    dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("real"));
    EXPECT_EQ(application.run(), 0);
    EXPECT_EQ(recorder.received, std::vector<std::string>{"real"});
}

// Fault: an event posted to a receiver destroyed before delivery reached a
// new receiver that happened to be built at the same address.
TEST_F(EventDispatcherTest, EventForDestroyedReceiverNeverReachesANewReceiverAtItsAddress)
{
    int destroyed = 0;
    alignas(Recorder) unsigned char storage[sizeof(Recorder)];
    auto* doomed = new (storage) Recorder;
    dispatcher.postEvent(doomed, std::make_unique<RecordingEvent>("for the old one", &destroyed));
    doomed->~Recorder();
    auto* successor = new (storage) Recorder;
    successor->onEvent = [&](const std::string&) { application.quit(); };
    dispatcher.postEvent(successor, std::make_unique<RecordingEvent>("for the new one"));

    EXPECT_EQ(application.run(), 0);
    EXPECT_EQ(successor->received, std::vector<std::string>{"for the new one"});
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(dispatcher.isReceiver(successor));
    successor->~Recorder();
    EXPECT_FALSE(dispatcher.isReceiver(successor));
}

TEST_F(EventDispatcherTest, BlockedReceiverGetsNeitherPostedNorSentEvents)
{
    Recorder blocked;
    blocked.setBlocked(true);
    RecordingEvent sent("sent");
    EXPECT_FALSE(dispatcher.sendEvent(&blocked, sent));
    EXPECT_FALSE(dispatcher.sendEvent(nullptr, sent));

    Recorder witness;
    witness.onEvent = [&](const std::string&) { application.quit(); };
    dispatcher.postEvent(&blocked, std::make_unique<RecordingEvent>("posted"));
    dispatcher.postEvent(&witness, std::make_unique<RecordingEvent>("stop"));
    application.run();
    EXPECT_TRUE(blocked.received.empty());

    blocked.setBlocked(false);
    EXPECT_TRUE(dispatcher.sendEvent(&blocked, sent));
    EXPECT_EQ(blocked.received, std::vector<std::string>{"sent"});
}

TEST_F(EventDispatcherTest, QuitInsideNestedLoopEndsEveryLoopWithZero)
{
    Recorder recorder;
    LoopFrame nested;
    int nestedResult = -5;
    recorder.onEvent = [&](const std::string& name) {
        if (name == "open modal") {
            dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("quit from modal"));
            nestedResult = dispatcher.exec(nested);
        } else if (name == "quit from modal") {
            dispatcher.exit(nested, 7); // overridden by quit below
            application.quit();
        }
    };
    dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("open modal"));

    EXPECT_EQ(application.run(), 0);
    EXPECT_EQ(nestedResult, 0);
    EXPECT_FALSE(dispatcher.mainFrame().running);
}

TEST_F(EventDispatcherTest, ExitEndsOnlyItsOwnLoop)
{
    Recorder recorder;
    LoopFrame nested;
    int nestedResult = 0;
    recorder.onEvent = [&](const std::string& name) {
        if (name == "open modal") {
            dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("close modal"));
            nestedResult = dispatcher.exec(nested);
            dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("after modal"));
        } else if (name == "close modal") {
            dispatcher.exit(nested, 42);
        } else if (name == "after modal") {
            application.quit();
        }
    };
    dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("open modal"));
    EXPECT_EQ(application.run(), 0);
    EXPECT_EQ(nestedResult, 42);
    EXPECT_EQ(recorder.received.back(), "after modal");
}

TEST_F(EventDispatcherTest, QueuedEventsAreDestroyedWithTheDispatcher)
{
    int destroyed = 0;
    Recorder recorder;
    dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("never run", &destroyed));
    dispatcher.postEvent(&recorder, std::make_unique<RecordingEvent>("never run", &destroyed));
    EXPECT_EQ(dispatcher.pendingEventCount(), 2u);
    owner.reset();
    EXPECT_EQ(destroyed, 2);
}

TEST_F(EventDispatcherTest, OnlyTheFirstApplicationIsTheProcessWideOne)
{
    Application second(u"Other", u"1");
    EXPECT_EQ(Application::instance(), &application);
    EXPECT_EQ(EventDispatcher::instance(), &dispatcher);
}

} // namespace
