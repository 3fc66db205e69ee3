#include "platform/MemoryBlit.h"

#include <cstdint>
#include <vector>

namespace platform {

struct MemoryBlit::State {
    std::vector<uint8_t> source;
    std::vector<uint8_t> target;
};

MemoryBlit::MemoryBlit(Size size) : m_state(std::make_unique<State>())
{
    const size_t bytes = size.isEmpty() ? 0 : size_t(size.width) * size_t(size.height) * 4;
    m_state->source.assign(bytes, 0x5A);
    m_state->target.assign(bytes, 0);
}

MemoryBlit::~MemoryBlit() = default;

bool MemoryBlit::copy()
{
    m_state->target = m_state->source;
    return !m_state->target.empty();
}

} // namespace platform
