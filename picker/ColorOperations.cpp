#include "picker/ColorOperations.h"

namespace {

// NaN and anything below the floor take the floor.
double clampedFactor(double factor)
{
    if (factor > 1.0)
        return 1.0;
    return factor >= 0.01 ? factor : 0.01;
}

} // namespace

// Both operations truncate toward zero rather than round, so a factor never
// quite reaches its end value for small steps.
Color lighten(Color color, double factor)
{
    const double f = clampedFactor(factor);
    auto channel = [f](uint8_t x) { return uint8_t((255.0 - x) * f + x); };
    return Color{channel(color.b), channel(color.g), channel(color.r), color.a};
}

Color darken(Color color, double factor)
{
    const double f = clampedFactor(factor);
    auto channel = [f](uint8_t x) { return uint8_t(x - x * f); };
    return Color{channel(color.b), channel(color.g), channel(color.r), color.a};
}

Color contrastColor(Color color)
{
    const int sum = int(color.r) + int(color.g) + int(color.b);
    return sum > 350 ? Color{255, 255, 255, 255} : Color{0, 0, 0, 255};
}
