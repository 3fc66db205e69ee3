#include "ui/core/UISignal.h"

#include <algorithm>
#include <mutex>

UISignalReceiver::~UISignalReceiver()
{
    // disconnectAll edits m_signals, so take one channel at a time.
    while (!m_signals.empty())
        m_signals.back()->disconnectAll(this);
}

UISignal::~UISignal()
{
    for (const auto& connection : m_connections) {
        connection->markDisconnected();
        forgetReceiver(connection->receiver());
    }
}

void UISignal::forgetReceiver(UISignalReceiver* receiver)
{
    if (!receiver)
        return;
    auto& signals = receiver->m_signals;
    const auto found = std::find(signals.begin(), signals.end(), this);
    if (found != signals.end())
        signals.erase(found);
}

UIConnection* UISignal::connect(std::unique_ptr<UIConnection> connection)
{
    if (!connection)
        return nullptr;
    std::lock_guard guard(*this);
    if (UISignalReceiver* receiver = connection->receiver())
        receiver->m_signals.push_back(this);
    m_connections.push_back(std::move(connection));
    return m_connections.back().get();
}

void UISignal::disconnectAll(const UISignalReceiver* receiver)
{
    if (!receiver)
        return;
    std::lock_guard guard(*this);
    std::erase_if(m_connections, [&](const std::shared_ptr<UIConnection>& connection) {
        if (connection->receiver() != receiver)
            return false;
        connection->markDisconnected();
        forgetReceiver(connection->receiver());
        return true;
    });
}

void UISignal::disconnect(UIConnection* connection)
{
    std::lock_guard guard(*this);
    const auto found = std::find_if(m_connections.begin(), m_connections.end(),
                                    [&](const std::shared_ptr<UIConnection>& c) { return c.get() == connection; });
    if (found == m_connections.end())
        return;
    (*found)->markDisconnected();
    forgetReceiver((*found)->receiver());
    m_connections.erase(found);
}

void UISignal::duplicate(const UISignalReceiver* oldReceiver, UISignalReceiver* newReceiver)
{
    if (!oldReceiver)
        return;
    std::vector<std::unique_ptr<UIConnection>> copies;
    {
        std::lock_guard guard(*this);
        for (const auto& connection : m_connections)
            if (connection->receiver() == oldReceiver)
                if (auto copy = connection->duplicate(newReceiver))
                    copies.push_back(std::move(copy));
    }
    for (auto& copy : copies)
        connect(std::move(copy));
}

void UISignal::emit(UIEvent& event)
{
    // The lock covers the snapshot only: a handler may destroy this channel,
    // and a lock held across the call would then be released after its
    // destruction.
    std::vector<std::shared_ptr<UIConnection>> snapshot;
    {
        std::lock_guard guard(*this);
        if (m_connections.empty())
            return;
        snapshot = m_connections;
    }
    for (const auto& connection : snapshot)
        if (connection->isConnected())
            connection->invoke(event);
}
