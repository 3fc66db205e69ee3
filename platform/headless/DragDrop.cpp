#include "platform/DragDrop.h"
#include "platform/headless/HeadlessDragDrop.h"

#include <map>

namespace platform {

namespace {

std::map<NativeHandle, DropTargetClient*>& targets()
{
    static std::map<NativeHandle, DropTargetClient*> registered;
    return registered;
}

} // namespace

struct DragDrop::State {
    NativeHandle window;
    bool registered;
};

DragDrop::DragDrop(NativeHandle window, DropTargetClient& client)
    : m_state(std::make_unique<State>(State{window, window && targets().emplace(window, &client).second}))
{}

DragDrop::~DragDrop()
{
    if (m_state->registered)
        targets().erase(m_state->window);
}

bool DragDrop::isRegistered() const { return m_state->registered; }

void* DragDrop::nativeDropTarget(NativeHandle window)
{
    const auto found = targets().find(window);
    return found == targets().end() ? nullptr : found->second;
}

namespace headless {

std::optional<Bytes> SimulatedDragData::block(DragFormat format) const
{
    const auto found = blocks.find(format);
    return found == blocks.end() ? std::nullopt : std::optional<Bytes>(found->second);
}

bool isDropTarget(NativeHandle window) { return targets().contains(window); }

DragResult simulateDrag(NativeHandle window, const DragData& data, const std::vector<Point>& path,
                        uint32_t allowedEffects, DragEnd end, uint32_t keyState)
{
    DragResult result;
    const auto client = [&]() -> DropTargetClient* {
        const auto found = targets().find(window);
        return found == targets().end() ? nullptr : found->second;
    };
    if (path.empty() || !client())
        return result;
    const auto input = [&](Point position) { return DragInput{position, keyState, allowedEffects}; };
    result.effects.push_back(client()->dragEnter(data, input(path.front())));
    // The target may go while it handles a call: every call looks it up anew.
    for (Point position : path) {
        DropTargetClient* target = client();
        if (!target)
            return result;
        result.effects.push_back(target->dragOver(input(position)));
    }
    DropTargetClient* target = client();
    if (!target)
        return result;
    if (end == DragEnd::Drop && result.effects.back() != DropEffectNone) {
        result.dropped = true;
        result.dropEffect = target->drop(input(path.back()));
    } else {
        target->dragLeave();
    }
    return result;
}

} // namespace headless

} // namespace platform
