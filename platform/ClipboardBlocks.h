#pragma once
// The memory blocks the clipboard and drag-and-drop exchange, read and
// written without the system, so every reader can be tested (and fuzzed)
// on crafted bytes. A reader never touches a byte outside the block it is
// given: every length a block claims is checked against the block's size.

#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// The largest block any reader here accepts, and the most paths a file
// list may name. Another program decides what it puts on the clipboard or
// drags over a window; the largest block this program has a use for is a
// screen's bitmap (a 5K screen's 32-bit bitmap is 59 MB), and a block beyond
// the bound is refused before it is copied out of the system. Each path of
// a list costs a string of its own, so a list of millions of one-letter
// paths would cost many times its block; nobody drops 65536 files on a
// colour picker.
inline constexpr size_t kMaxBlockBytes = size_t(64) << 20;
inline constexpr size_t kMaxFilePaths = 65536;

// The toolkit's private format, registered under this name.
inline constexpr char16_t kPrivateClipboardFormatName[] = u"CF_DE4C14DD-E9D4-44f6-BC72-7DCC4309BBEF";

// --- Unicode text: UTF-16LE units with a terminating zero ---
// The text up to its terminator, when the block is more than 2 bytes, of
// even size and ends with a zero unit; nothing otherwise.
std::optional<String> textFromBlock(const Bytes& block);
// (length + 1) x 2 bytes: the text and its terminator.
Bytes textBlock(StringView text);

// --- File lists: a 20-byte header (offset of the list, drop point, two
// flags, the second saying the paths are wide) and the paths, each
// zero-terminated, the list ending with an empty one ---
// The paths in list order. A path is measured up to its terminator first
// and then read whole, whatever its length; a path the block cuts off is
// dropped, and so is a list whose offset lies outside the block. A list of
// more than kMaxFilePaths paths gives none at all.
std::vector<String> filePathsFromBlock(const Bytes& block);
Bytes filePathsBlock(const std::vector<String>& paths);

// --- The private format: a 512-byte zero-terminated UTF-16LE type name,
// the payload length n (32-bit little-endian) and n payload bytes ---
struct PrivateEntry {
    String type;
    Bytes payload;
};
inline constexpr size_t kPrivateTypeNameBytes = 512;
inline constexpr size_t kPrivateHeaderBytes = kPrivateTypeNameBytes + 4;
// Nothing when the block is shorter than the header, the type name is
// empty, or the payload runs past the end of the block. The last
// character of the name field always reads as the terminator.
std::optional<PrivateEntry> privateEntryFromBlock(const Bytes& block);
// A name longer than 255 characters is cut.
Bytes privateBlock(StringView type, const Bytes& payload);

// --- Device-independent bitmaps: a 40-byte header, an optional colour
// table of `colorsUsed` entries, then bottom-up rows padded to 4 bytes ---
struct DibLayout {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    size_t pixelOffset = 0;
    size_t stride = 0;
};
inline constexpr size_t kDibHeaderBytes = 40;
// Only uncompressed, bottom-up, one-plane 24- or 32-bit bitmaps whose rows
// fit in the block after the header and the colour table.
std::optional<DibLayout> dibLayout(const Bytes& block);
// An uncompressed bottom-up bitmap of the given B, G, R(, A) rows
// (top-down, `bitsPerPixel` / 8 bytes a pixel, unpadded), for tests and
// the headless drag simulator.
Bytes dibBlock(int32_t width, int32_t height, int32_t bitsPerPixel, const Bytes& topDownPixels);

} // namespace platform
