#pragma once
// The system clipboard.
//
// Ownership: a Clipboard object is one opening of the clipboard for an
// owner window; the clipboard is closed when the object goes, so it is
// never left open on any path. Blocks handed to the system belong to it
// once accepted; a block the system refused is freed here.

#include "platform/FileSystem.h"
#include "platform/NativeHandle.h"
#include "platform/Text.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace platform {

// The system's numbers of the standard formats the toolkit reads.
enum class ClipboardFormat : uint32_t {
    Dib = 8,
    UnicodeText = 13,
    FileDrop = 15,
};

class Clipboard {
public:
    // Another program often holds the clipboard for a moment: opening tries
    // this often, this far apart, before giving up (about 100 ms).
    static constexpr int32_t kOpenAttempts = 10;
    static constexpr uint32_t kOpenRetryMs = 10;

    // Opens the clipboard for `owner`. Nothing for a null owner (the system
    // then refuses to take data) or when the clipboard stays held.
    static std::unique_ptr<Clipboard> open(NativeHandle owner);
    ~Clipboard();
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

    // Replaces the content by the text (as one Unicode text block). On
    // false the content is what it was.
    bool setText(StringView text);
    // The Unicode text block's text, when there is a well-formed one.
    std::optional<String> text() const;

    // Whether Unicode text is offered, without opening the clipboard.
    static bool hasText();
    // The number of the toolkit's private format; registered on first use
    // and remembered for the process. 0 when the system refused.
    static uint32_t privateFormat();

    struct State;

private:
    explicit Clipboard(std::unique_ptr<State> state);
    // One attempt; implemented per platform.
    static std::unique_ptr<Clipboard> tryOpen(NativeHandle owner);

    std::unique_ptr<State> m_state;
};

} // namespace platform
