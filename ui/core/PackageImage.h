#pragma once
// The program's own images, by name, from the "data" package, and the
// decoding every image held in a package (data package or style set) goes
// through.

#include "ui/core/UIImage.h"

// Images in packages are decoded only when their header declares at most
// this side: the shipped ones are at most 128 pixels a side, and a small
// compressed file can declare a picture of gigabytes.
inline constexpr int64_t kMaxPackageImageSide = 4096;

// Decodes the bytes of an image file held in a package; an empty image when
// the header declares a side beyond kMaxPackageImageSide (or no size at
// all) or decoding fails.
UIImage decodePackageImage(const uint8_t* data, size_t size);

// Decodes "images/<name>.png" of the "data" package; an empty image when
// the package, the file or the decoding is missing.
UIImage packageImage(StringView name);
