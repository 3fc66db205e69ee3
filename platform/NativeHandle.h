#pragma once
// An opaque native handle (a window, in practice) as portable code sees it.
using NativeHandle = void*;
