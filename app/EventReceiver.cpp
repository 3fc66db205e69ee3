#include "EventReceiver.h"
#include "EventDispatcher.h"

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
