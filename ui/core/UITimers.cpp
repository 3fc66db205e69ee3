#include "ui/core/UITimers.h"
#include "platform/SystemTimers.h"
#include "ui/core/UITimerClient.h"

#include <algorithm>
#include <vector>

namespace {

struct Entry {
    UITimerClient* client;
    uint32_t id;
    uintptr_t systemId;
};

std::vector<Entry>& entries()
{
    static std::vector<Entry> list;
    return list;
}

std::vector<Entry>::iterator find(uint32_t id, const UITimerClient* client)
{
    auto& list = entries();
    return std::find_if(list.begin(), list.end(), [&](const Entry& e) { return e.client == client && e.id == id; });
}

} // namespace

UITimerClient::~UITimerClient() { UITimers::stopAll(this); }

bool UITimers::start(uint32_t id, UITimerClient* client, uint32_t intervalMs)
{
    if (!client)
        return false;
    if (find(id, client) != entries().end())
        return true;
    // The tick looks the timer up again rather than trusting the captured
    // client: a timer stopped by an earlier tick of the same dispatch must
    // not reach its client.
    const uintptr_t systemId = platform::startSystemTimer(intervalMs, [client, id] {
        if (isRunning(id, client))
            client->timerFired(id);
    });
    if (systemId == 0)
        return false;
    entries().push_back({client, id, systemId});
    return true;
}

void UITimers::stop(uint32_t id, UITimerClient* client)
{
    const auto found = find(id, client);
    if (found == entries().end())
        return;
    const uintptr_t systemId = found->systemId;
    entries().erase(found);
    platform::stopSystemTimer(systemId);
}

void UITimers::stopAll(UITimerClient* client)
{
    auto& list = entries();
    for (auto it = list.begin(); it != list.end();) {
        if (it->client == client) {
            platform::stopSystemTimer(it->systemId);
            it = list.erase(it);
        } else {
            ++it;
        }
    }
}

bool UITimers::isRunning(uint32_t id, const UITimerClient* client) { return find(id, client) != entries().end(); }

size_t UITimers::count() { return entries().size(); }
