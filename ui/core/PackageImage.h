#pragma once
// The program's own images, by name, from the "data" package.

#include "ui/core/UIImage.h"

// Decodes "images/<name>.png" of the "data" package; an empty image when
// the package, the file or the decoding is missing.
UIImage packageImage(StringView name);
