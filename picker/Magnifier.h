#pragma once
// Pixel-replicating magnification of a screen image.
//
// Every source pixel becomes a k x k block. The block of the centre pixel
// (cx, cy) covers the output columns trunc(W/2) - trunc(k/2) up to
// trunc(W/2) - trunc(k/2) + k - 1 (rows likewise), and the other blocks
// tile outward from it. Formally, output column x shows source column
//   x0 + floor((x + ox) / k),  x0 = cx - trunc(W/k/2) - 2,
//                              ox = trunc(k/2) + 2k - (trunc(W/2) mod k),
// which is the result of cutting a region of nearest(W/k) + 4 source
// columns (two columns of margin on each side) from x0, enlarging it k
// times and cutting W columns at ox. Rows follow the same rule. Parts of the
// view that lie outside the source show `kMagnifierFill`. No grid and no
// centre marker are drawn.
//
// This runs on every pointer move of a live capture, so the output is
// computed directly (no enlarged intermediate image): each output row is
// built once by stepping through the blocks, then copied to the following
// rows of the same block.

#include "platform/Geometry.h"
#include "ui/core/UIImage.h"

#include <cstdint>

// Transparent white (B = G = R = 255, A = 0): the colour of everything a
// view shows outside its source.
inline constexpr uint32_t kMagnifierFill = 0x00FFFFFFu;

// The block size for a zoom: trunc(zoom) + 1 above 1.0 (zoom 1.2 gives 2,
// 2.618 gives 3, 15 gives 16), 1 at or below it.
int32_t magnificationFactor(double zoom);

// The magnified view of `image` about `centre` (image coordinates) at
// `outputSize` with block size `factor` (values below 1 count as 1). The
// result is a new 32-bit image with alpha; an empty image when `image` has
// no alpha channel or the size is not positive.
UIImage magnify(const UIImage& image, Point centre, Size outputSize, int32_t factor);

// As magnify, but only the pixels of `image` inside `visible` count as
// source; every other position reads as the fill colour. This is the view
// of a rectangle cut out of a larger image without cutting it out first.
//
// The result goes to `output`, whose pixel block is reused when it already
// is an unshared 32-bit image of `outputSize` (the common case of repeated
// renders); otherwise `output` is replaced by a new image. Images sharing
// the previous block are never written to.
void magnifyInto(const UIImage& image, const Rect& visible, Point centre, Size outputSize, int32_t factor,
                 UIImage& output);
