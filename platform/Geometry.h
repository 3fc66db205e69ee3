#pragma once
// Points, sizes, rectangles and margins: 32-bit signed integers throughout.

#include <algorithm>
#include <cstdint>

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int32_t width = 0;
    int32_t height = 0;
    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const Size&, const Size&) = default;
};

struct Margins {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const Margins&, const Margins&) = default;
};

// A rectangle as origin and size; right() and bottom() are exclusive.
struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    int32_t left() const { return x; }
    int32_t top() const { return y; }
    int32_t right() const { return x + width; }
    int32_t bottom() const { return y + height; }
    Point topLeft() const { return {x, y}; }
    Size size() const { return {width, height}; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    // Integer halving toward zero, as every centre in the program is taken.
    Point centre() const { return {x + width / 2, y + height / 2}; }

    bool contains(Point p) const { return p.x >= x && p.y >= y && p.x < right() && p.y < bottom(); }
    bool contains(const Rect& r) const
    {
        return r.x >= x && r.y >= y && r.right() <= right() && r.bottom() <= bottom();
    }
    Rect intersected(const Rect& r) const
    {
        const int32_t l = std::max(x, r.x), t = std::max(y, r.y);
        const int32_t rr = std::min(right(), r.right()), b = std::min(bottom(), r.bottom());
        if (rr <= l || b <= t)
            return {};
        return {l, t, rr - l, b - t};
    }
    Rect united(const Rect& r) const
    {
        if (isEmpty())
            return r;
        if (r.isEmpty())
            return *this;
        const int32_t l = std::min(x, r.x), t = std::min(y, r.y);
        return {l, t, std::max(right(), r.right()) - l, std::max(bottom(), r.bottom()) - t};
    }
    Rect translated(int32_t dx, int32_t dy) const { return {x + dx, y + dy, width, height}; }
    static Rect fromEdges(int32_t l, int32_t t, int32_t r, int32_t b) { return {l, t, r - l, b - t}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};
