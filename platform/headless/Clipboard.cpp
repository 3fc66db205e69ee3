// The headless clipboard: blocks by format in memory, and a holder that
// keeps it busy for a span of the fake clock, as another program would.
#include "platform/Clipboard.h"
#include "platform/ClipboardBlocks.h"
#include "platform/Clock.h"
#include "platform/headless/HeadlessClipboard.h"

#include <map>

namespace platform {

namespace {

constexpr uint32_t kFirstRegisteredFormat = 0xC000;

struct FakeClipboard {
    std::map<uint32_t, Bytes> blocks;
    uint64_t heldUntil = 0;
    bool open = false;
    uint32_t changes = 0;
    NativeHandle owner = nullptr;
};

FakeClipboard& clipboard()
{
    static FakeClipboard state;
    return state;
}

} // namespace

struct Clipboard::State {
    NativeHandle owner;
};

Clipboard::Clipboard(std::unique_ptr<State> state) : m_state(std::move(state)) {}

std::unique_ptr<Clipboard> Clipboard::tryOpen(NativeHandle owner)
{
    FakeClipboard& fake = clipboard();
    if (fake.open || monotonicMilliseconds() < fake.heldUntil)
        return nullptr;
    fake.open = true;
    return std::unique_ptr<Clipboard>(new Clipboard(std::make_unique<State>(State{owner})));
}

Clipboard::~Clipboard() { clipboard().open = false; }

bool Clipboard::setText(StringView text)
{
    FakeClipboard& fake = clipboard();
    fake.blocks.clear();
    fake.blocks[uint32_t(ClipboardFormat::UnicodeText)] = textBlock(text);
    fake.owner = m_state->owner;
    ++fake.changes;
    return true;
}

std::optional<String> Clipboard::text() const
{
    const auto found = clipboard().blocks.find(uint32_t(ClipboardFormat::UnicodeText));
    if (found == clipboard().blocks.end())
        return std::nullopt;
    return textFromBlock(found->second);
}

bool Clipboard::hasText() { return clipboard().blocks.contains(uint32_t(ClipboardFormat::UnicodeText)); }

uint32_t Clipboard::privateFormat() { return kFirstRegisteredFormat; }

namespace headless {

void holdClipboard(uint64_t ms) { clipboard().heldUntil = monotonicMilliseconds() + ms; }

void setClipboardBlock(uint32_t format, Bytes block)
{
    FakeClipboard& fake = clipboard();
    fake.blocks.clear();
    fake.blocks[format] = std::move(block);
    fake.owner = nullptr;
    ++fake.changes;
}

std::optional<Bytes> clipboardBlock(uint32_t format)
{
    const auto found = clipboard().blocks.find(format);
    return found == clipboard().blocks.end() ? std::nullopt : std::optional<Bytes>(found->second);
}

uint32_t clipboardChangeCount() { return clipboard().changes; }
NativeHandle clipboardOwner() { return clipboard().owner; }
void resetClipboard() { clipboard() = FakeClipboard(); }

} // namespace headless

} // namespace platform
