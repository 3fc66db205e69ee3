// Clipboard text over the headless clipboard, which tests can fill as
// another program would and hold open for a span of the fake clock.
#include "app/EventDispatcher.h"
#include "platform/Clipboard.h"
#include "platform/ClipboardBlocks.h"
#include "platform/headless/HeadlessClipboard.h"
#include "ui/core/UIClipboard.h"
#include "ui/core/UIManager.h"

#include <gtest/gtest.h>

using platform::headless::SoundCall;

namespace {

constexpr uint32_t kUnicodeText = uint32_t(platform::ClipboardFormat::UnicodeText);
const std::vector<SoundCall> kBeep = {{SoundCall::Kind::Stop}, {SoundCall::Kind::Beep, 0xFFFFFFFF}};

class ClipboardText : public ::testing::Test {
protected:
    ClipboardText()
    {
        platform::headless::resetClipboard();
        platform::headless::resetSoundCalls();
    }
    ~ClipboardText() override { UIManager::instance().setFailureBeepEnabled(true); }

    EventDispatcher dispatcher;
};

} // namespace

TEST_F(ClipboardText, SetTextStoresItOrBeepsAndLeavesTheClipboard)
{
    struct Case {
        const char* name;
        StringView text;
        bool beepSwitch;
        uint64_t heldMs;
        bool stored;
        std::vector<SoundCall> sounds;
    };
    const std::vector<Case> cases = {
        {"text", u"h\u00e9llo", true, 0, true, {}},
        {"empty text", u"", true, 0, false, kBeep},
        {"empty text, beep switched off", u"", false, 0, false, {}},
        {"held by another program for 30 ms", u"h\u00e9llo", true, 30, true, {}},
        {"held longer than the retries last", u"h\u00e9llo", true, 500, false, kBeep},
    };
    for (const Case& c : cases) {
        platform::headless::resetClipboard();
        platform::headless::resetSoundCalls();
        platform::headless::setClipboardBlock(kUnicodeText, platform::textBlock(u"before"));
        const uint32_t changes = platform::headless::clipboardChangeCount();
        UIManager::instance().setFailureBeepEnabled(c.beepSwitch);
        platform::headless::holdClipboard(c.heldMs);

        EXPECT_EQ(setClipboardText(nullptr, c.text), c.stored) << c.name;
        EXPECT_EQ(platform::headless::clipboardChangeCount(), changes + (c.stored ? 1 : 0)) << c.name;
        EXPECT_EQ(platform::textFromBlock(*platform::headless::clipboardBlock(kUnicodeText)),
                  c.stored ? String(c.text) : String(u"before"))
            << c.name;
        EXPECT_EQ(platform::headless::soundCalls(), c.sounds) << c.name;
    }
}

TEST_F(ClipboardText, NeverOpensWithoutAnOwnerWindow)
{
    setClipboardText(nullptr, u"x");
    EXPECT_EQ(platform::headless::clipboardOwner(), dispatcher.windowHandle());
    EXPECT_NE(platform::headless::clipboardOwner(), nullptr);
    EXPECT_EQ(platform::Clipboard::open(nullptr), nullptr);
}

TEST_F(ClipboardText, ReadsWellFormedTextOnly)
{
    struct Case {
        const char* name;
        std::optional<platform::Bytes> block;
        String expected;
        bool canPaste;
    };
    const std::vector<Case> cases = {
        {"text of another program", platform::textBlock(u"w\u00f6rld"), u"w\u00f6rld", true},
        {"no terminator", platform::Bytes{'a', 0, 'b', 0}, u"", true},
        {"nothing", std::nullopt, u"", false},
    };
    for (const Case& c : cases) {
        platform::headless::resetClipboard();
        platform::headless::resetSoundCalls();
        if (c.block)
            platform::headless::setClipboardBlock(kUnicodeText, *c.block);
        EXPECT_EQ(canPasteText(), c.canPaste) << c.name;
        EXPECT_EQ(clipboardText(nullptr), c.expected) << c.name;
        EXPECT_EQ(platform::headless::soundCalls(), c.expected.empty() ? kBeep : std::vector<SoundCall>()) << c.name;
    }
}
