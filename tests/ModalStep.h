#pragma once
// Runs an action inside the modal loop that the next exec starts, so a
// test can press keys and buttons of a dialog while it runs.

#include "app/Event.h"
#include "app/EventDispatcher.h"
#include "app/EventReceiver.h"

#include <functional>
#include <memory>
#include <utility>

class ModalStep : public EventReceiver {
public:
    explicit ModalStep(std::function<void()> action) : m_action(std::move(action))
    {
        EventDispatcher::instance()->postEvent(this, std::make_unique<Event>(1));
    }
    bool handleEvent(Event&) override
    {
        m_action();
        return true;
    }

private:
    std::function<void()> m_action;
};
