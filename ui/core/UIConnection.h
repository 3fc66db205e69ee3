#pragma once
// One connection of a channel: a handler and the object it is bound to.
// Connections are owned by their channel (shared with an emit in progress,
// which keeps them alive until it has finished with them).

#include <functional>
#include <memory>

class UIEvent;
class UISignalReceiver;

class UIConnection {
public:
    virtual ~UIConnection() = default;
    // The object whose destruction ends the connection; null for a handler
    // that is bound to nothing.
    virtual UISignalReceiver* receiver() const = 0;
    virtual void invoke(UIEvent& event) = 0;
    // The same handler bound to another receiver.
    virtual std::unique_ptr<UIConnection> duplicate(UISignalReceiver* receiver) const = 0;

    // A connection that was disconnected (or whose channel went) is never
    // invoked again, even by an emit that took it before.
    bool isConnected() const { return m_connected; }
    void markDisconnected() { m_connected = false; }

private:
    bool m_connected = true;
};

// A callable bound to a receiver only for lifetime: duplicating it keeps the
// callable.
class UIFunctionConnection : public UIConnection {
public:
    using Handler = std::function<void(UIEvent&)>;

    UIFunctionConnection(UISignalReceiver* receiver, Handler handler)
        : m_receiver(receiver)
        , m_handler(std::move(handler))
    {}
    UISignalReceiver* receiver() const override { return m_receiver; }
    void invoke(UIEvent& event) override { m_handler(event); }
    std::unique_ptr<UIConnection> duplicate(UISignalReceiver* receiver) const override
    {
        return std::make_unique<UIFunctionConnection>(receiver, m_handler);
    }

private:
    UISignalReceiver* m_receiver;
    Handler m_handler;
};

// A member function of the receiver: duplicating it calls the same member of
// the new receiver, which must be of the same class.
template <class R>
class UIMemberConnection : public UIConnection {
public:
    using Method = void (R::*)(UIEvent&);

    UIMemberConnection(R* receiver, Method method) : m_receiver(receiver), m_method(method) {}
    UISignalReceiver* receiver() const override { return m_receiver; }
    void invoke(UIEvent& event) override { (m_receiver->*m_method)(event); }
    std::unique_ptr<UIConnection> duplicate(UISignalReceiver* receiver) const override
    {
        auto* typed = dynamic_cast<R*>(receiver);
        if (!typed)
            return nullptr;
        return std::make_unique<UIMemberConnection<R>>(typed, m_method);
    }

private:
    R* m_receiver;
    Method m_method;
};
