#include "app/EventReceiver.h"
#include "app/EventDispatcher.h"

EventReceiver::EventReceiver()
{
    if (auto* dispatcher = EventDispatcher::instance())
        dispatcher->addReceiver(this);
}

EventReceiver::~EventReceiver()
{
    if (auto* dispatcher = EventDispatcher::instance())
        dispatcher->removeReceiver(this);
}
