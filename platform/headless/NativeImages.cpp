// Native icons and bitmaps on the headless build: there are none, so every
// creation reports failure and the owning wrappers never hold a handle.
#include "platform/NativeBitmap.h"
#include "platform/NativeIcon.h"

namespace platform {

// Nothing is ever created here, so nothing is ever destroyed.
void destroyNativeIcon(void*, bool) {}
void destroyNativeBitmap(void*) {}

NativeIcon createNativeIcon(const PixelRows&, bool, int32_t, int32_t) { return {}; }

NativeBitmap createNativeBitmap(const PixelRows&) { return {}; }

bool nativeBitmapSize(void*, int32_t& width, int32_t& height)
{
    width = height = 0;
    return false;
}

bool readNativeBitmap(void*, const PixelRows&) { return false; }

} // namespace platform
