// The headless build has no imaging library: sessions never start and every
// decode or encode fails, leaving images empty.
#include "platform/ImageCodec.h"

namespace platform {

ImagingSession::ImagingSession() = default;
ImagingSession::~ImagingSession() = default;

bool decodeImageFile(StringView, const PixelAllocator&) { return false; }
bool decodeImage(const uint8_t*, size_t, const PixelAllocator&) { return false; }
bool encodeImageFile(StringView, ImageFileType, const PixelRows&, PixelLayout) { return false; }

} // namespace platform
