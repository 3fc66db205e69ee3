#pragma once
// A PNG writer over zlib for the headless build (the Windows build writes
// images with the imaging library).

#include "platform/FileSystem.h"
#include "platform/NativeBitmap.h"

#include <optional>

namespace platform::headless {

// An 8-bit RGBA PNG of the rows (24-bit rows are written opaque; the
// premultiplied flag undoes premultiplication). Nothing when the rows are
// unusable.
std::optional<Bytes> encodePng(const PixelRows& rows, bool premultiplied);

} // namespace platform::headless
