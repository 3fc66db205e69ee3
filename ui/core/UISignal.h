#pragma once
// A notification channel: connections called in connection order.
//
//     button.channel(UIWidget::Channel::Click).connect(this, &Dialog::accept);
//     button.channel(UIWidget::Channel::Click).connect(this, [this](UIEvent&) { ... });
//
// emit works on a snapshot of the connections: a handler may connect,
// disconnect, or delete the widget that owns the channel (and the channel
// with it) without breaking the emit; a connection removed meanwhile, or
// whose receiver has gone, is not called.

#include "ui/core/UIConnection.h"
#include "ui/core/UILockable.h"
#include "ui/core/UISignalReceiver.h"

#include <memory>
#include <type_traits>
#include <vector>

class UISignal : public UILockable {
public:
    UISignal() = default;
    ~UISignal() override;

    // Appends a connection; the receiver may be null for a handler bound to
    // nothing (its owner must then outlive the channel or disconnect it).
    // Returns the connection, owned by the channel.
    UIConnection* connect(std::unique_ptr<UIConnection> connection);
    template <class R, class F>
    requires std::is_invocable_v<F&, UIEvent&> UIConnection* connect(R* receiver, F&& handler)
    {
        return connect(std::make_unique<UIFunctionConnection>(receiver, std::forward<F>(handler)));
    }
    template <class R, class Base>
    requires std::is_base_of_v<Base, R> UIConnection* connect(R* receiver, void (Base::*method)(UIEvent&))
    {
        return connect(std::make_unique<UIMemberConnection<Base>>(receiver, method));
    }
    template <class F>
    requires std::is_invocable_v<F&, UIEvent&> UIConnection* connect(F&& handler)
    {
        return connect(std::make_unique<UIFunctionConnection>(nullptr, std::forward<F>(handler)));
    }

    // Deletes every connection whose receiver is the given object.
    void disconnectAll(const UISignalReceiver* receiver);
    void disconnect(UIConnection* connection);
    // Appends, for every connection of the old receiver, a copy bound to the
    // new one.
    void duplicate(const UISignalReceiver* oldReceiver, UISignalReceiver* newReceiver);

    void emit(UIEvent& event);

    size_t connectionCount() const { return m_connections.size(); }

private:
    void forgetReceiver(UISignalReceiver* receiver);

    std::vector<std::shared_ptr<UIConnection>> m_connections;
};
