#pragma once
// Small colour operations used to tint the colour indicator.

#include "picker/Color.h"

// Moves R, G and B toward 255 by `factor` (clamped to 0.01..1); A unchanged.
Color lighten(Color color, double factor);
// Moves R, G and B toward 0 by `factor` (clamped to 0.01..1); A unchanged.
Color darken(Color color, double factor);
// Opaque white when R + G + B > 350 (a light colour), else opaque black.
Color contrastColor(Color color);
