// Magnification by pixel replication, computed straight into the output.
//
// Along each axis the output is a sequence of runs: run r shows source
// index first + r and is k pixels long, except the first (cut by the
// offset) and the last (cut by the output's end). A row is built once per
// source row by writing its runs; the remaining rows of the block are
// copies of that row.
#include "picker/Magnifier.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

// How the output positions along one axis map to source positions.
struct AxisRuns {
    int32_t first = 0;    // source index shown by run 0
    int32_t firstRun = 0; // length of run 0 (before clipping to the output)
    int32_t length = 0;   // output length
    int32_t factor = 1;

    // Output position where run r starts (r >= 0).
    int32_t runStart(int32_t r) const { return r == 0 ? 0 : firstRun + (r - 1) * factor; }
    // Number of runs that reach into the output.
    int32_t runCount() const
    {
        if (length <= firstRun)
            return 1;
        return 1 + (length - firstRun + factor - 1) / factor;
    }
};

AxisRuns axisRuns(int32_t centre, int32_t length, int32_t k)
{
    // trunc(W/k/2) equals the integer quotient W / (2k) for positive W and
    // k; the enlarged image is cut at `offset`.
    const int32_t start = centre - length / (2 * k) - 2;
    const int32_t offset = k / 2 + 2 * k - (length / 2) % k;
    AxisRuns runs;
    runs.first = start + offset / k;
    runs.firstRun = k - offset % k;
    runs.length = length;
    runs.factor = k;
    return runs;
}

inline uint32_t load(const uint8_t* p)
{
    uint32_t value;
    std::memcpy(&value, p, 4);
    return value;
}

inline void fillPixels(uint8_t* d, int32_t count, uint32_t value)
{
    auto* p = reinterpret_cast<uint32_t*>(d);
    std::fill_n(p, count, value);
}

// `count` whole blocks of K pixels, one per source pixel. A fixed K lets the
// compiler turn the inner loop into straight stores.
template <int K>
void replicateFixed(uint8_t* d, const uint8_t* s, int32_t count)
{
    auto* out = reinterpret_cast<uint32_t*>(d);
    for (int32_t i = 0; i < count; ++i, s += 4, out += K) {
        const uint32_t v = load(s);
        for (int j = 0; j < K; ++j)
            out[j] = v;
    }
}

#if defined(__x86_64__) || defined(__i386__)
// The small factors dominate the cost per output pixel (most blocks per
// row), so they take several source pixels at a time and write whole
// vectors: 256-bit ones where the processor has AVX2, else 128-bit SSE2 ones
// (chosen at run time: the builds target plain x86-64 and plain i686, and
// not every 32-bit processor has SSE2).
template <int K>
__attribute__((target("avx2"))) void replicateAvx2(uint8_t* d, const uint8_t* s, int32_t count)
{
    // Lane indices of the K output vectors made from eight source pixels.
    static const int32_t lanes[4][4][8] = {
        {},
        {},
        {{0, 0, 1, 1, 2, 2, 3, 3}, {4, 4, 5, 5, 6, 6, 7, 7}},
        {{0, 0, 0, 1, 1, 1, 2, 2}, {2, 3, 3, 3, 4, 4, 4, 5}, {5, 5, 6, 6, 6, 7, 7, 7}},
    };
    static const int32_t broadcast[4][8] = {
        {0, 0, 0, 0, 1, 1, 1, 1}, {2, 2, 2, 2, 3, 3, 3, 3}, {4, 4, 4, 4, 5, 5, 5, 5}, {6, 6, 6, 6, 7, 7, 7, 7}};
    __m256i index[4];
    for (int j = 0; j < K; ++j)
        index[j] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(K == 4 ? broadcast[j] : lanes[K][j]));
    const int32_t vectors = count / 8;
    for (int32_t i = 0; i < vectors; ++i, s += 32, d += 32 * K) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
        auto* out = reinterpret_cast<__m256i*>(d);
        for (int j = 0; j < K; ++j)
            _mm256_storeu_si256(out + j, _mm256_permutevar8x32_epi32(p, index[j]));
    }
    replicateFixed<K>(d, s, count - vectors * 8);
}

template <int K>
__attribute__((target("sse2"))) void replicateSse2(uint8_t* d, const uint8_t* s, int32_t count)
{
    const int32_t vectors = count / 4;
    for (int32_t i = 0; i < vectors; ++i, s += 16, d += 16 * K) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
        auto* out = reinterpret_cast<__m128i*>(d);
        if constexpr (K == 2) {
            _mm_storeu_si128(out, _mm_unpacklo_epi32(p, p));
            _mm_storeu_si128(out + 1, _mm_unpackhi_epi32(p, p));
        } else if constexpr (K == 3) {
            _mm_storeu_si128(out, _mm_shuffle_epi32(p, _MM_SHUFFLE(1, 0, 0, 0)));
            _mm_storeu_si128(out + 1, _mm_shuffle_epi32(p, _MM_SHUFFLE(2, 2, 1, 1)));
            _mm_storeu_si128(out + 2, _mm_shuffle_epi32(p, _MM_SHUFFLE(3, 3, 3, 2)));
        } else {
            static_assert(K == 4);
            _mm_storeu_si128(out, _mm_shuffle_epi32(p, _MM_SHUFFLE(0, 0, 0, 0)));
            _mm_storeu_si128(out + 1, _mm_shuffle_epi32(p, _MM_SHUFFLE(1, 1, 1, 1)));
            _mm_storeu_si128(out + 2, _mm_shuffle_epi32(p, _MM_SHUFFLE(2, 2, 2, 2)));
            _mm_storeu_si128(out + 3, _mm_shuffle_epi32(p, _MM_SHUFFLE(3, 3, 3, 3)));
        }
    }
    replicateFixed<K>(d, s, count - vectors * 4);
}

enum class VectorUnit { None, Sse2, Avx2 };

VectorUnit vectorUnit()
{
    static const VectorUnit unit = [] {
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx2"))
            return VectorUnit::Avx2;
        return __builtin_cpu_supports("sse2") ? VectorUnit::Sse2 : VectorUnit::None;
    }();
    return unit;
}

template <int K>
void replicateVector(uint8_t* d, const uint8_t* s, int32_t count)
{
    switch (vectorUnit()) {
    case VectorUnit::Avx2:
        replicateAvx2<K>(d, s, count);
        return;
    case VectorUnit::Sse2:
        replicateSse2<K>(d, s, count);
        return;
    case VectorUnit::None:
        replicateFixed<K>(d, s, count);
        return;
    }
}
#else
template <int K>
void replicateVector(uint8_t* d, const uint8_t* s, int32_t count)
{
    replicateFixed<K>(d, s, count);
}
#endif

void replicate(uint8_t* d, const uint8_t* s, int32_t count, int32_t k)
{
    switch (k) {
    case 1:
        std::memcpy(d, s, static_cast<size_t>(count) * 4);
        return;
    case 2:
        replicateVector<2>(d, s, count);
        return;
    case 3:
        replicateVector<3>(d, s, count);
        return;
    case 4:
        replicateVector<4>(d, s, count);
        return;
    default:
        for (int32_t i = 0; i < count; ++i, s += 4, d += static_cast<ptrdiff_t>(k) * 4)
            fillPixels(d, k, load(s));
    }
}

// The layout of every output row that shows a source row, worked out once
// per magnification: fill, then runs of source pixels, then fill.
struct RowPlan {
    int32_t width = 0;
    int32_t factor = 1;
    bool empty = true;       // no visible source column: the row is all fill
    int32_t leftFill = 0;    // fill pixels before the first visible run
    int32_t headPixels = 0;  // a cut first run (0 when there is none)
    int32_t headSource = 0;  //   and its source column
    int32_t wholeRuns = 0;   // whole runs of `factor` pixels
    int32_t wholeSource = 0; //   starting at this source column
    int32_t tailPixels = 0;  // a run cut by the row's end (0 when none)
    int32_t rightFill = 0;   // fill pixels after the last visible run
};

// Plans rows of `columns` where only source columns [lo, hi) are visible.
RowPlan planRow(const AxisRuns& columns, int32_t lo, int32_t hi)
{
    RowPlan plan;
    plan.width = columns.length;
    plan.factor = columns.factor;
    const int32_t rlo = std::max(0, lo - columns.first);
    const int32_t rhi = std::min(columns.runCount(), hi - columns.first);
    if (rlo >= rhi)
        return plan;
    plan.empty = false;
    int32_t x = columns.runStart(rlo);
    plan.leftFill = x;
    int32_t r = rlo;
    if (r == 0) {
        plan.headPixels = std::min(columns.firstRun, plan.width);
        plan.headSource = columns.first;
        x = plan.headPixels;
        r = 1;
    }
    // Runs r >= 1 are whole while they end inside the row.
    const int32_t wholeEnd = plan.width >= columns.firstRun ? (plan.width - columns.firstRun) / columns.factor + 1 : 1;
    plan.wholeRuns = std::max(0, std::min(rhi, wholeEnd) - r);
    plan.wholeSource = columns.first + r;
    x += plan.wholeRuns * columns.factor;
    r += plan.wholeRuns;
    if (r < rhi && x < plan.width) {
        plan.tailPixels = plan.width - x;
        x = plan.width;
    }
    plan.rightFill = plan.width - x;
    return plan;
}

// Builds one output row from `sourceRow` (null for a row outside the
// visible area) as the plan says.
void buildRow(uint8_t* row, const uint8_t* sourceRow, const RowPlan& plan)
{
    if (!sourceRow || plan.empty) {
        fillPixels(row, plan.width, kMagnifierFill);
        return;
    }
    const auto source = [&](int32_t column) { return sourceRow + static_cast<ptrdiff_t>(column) * 4; };
    uint8_t* d = row;
    fillPixels(d, plan.leftFill, kMagnifierFill);
    d += static_cast<ptrdiff_t>(plan.leftFill) * 4;
    if (plan.headPixels) {
        fillPixels(d, plan.headPixels, load(source(plan.headSource)));
        d += static_cast<ptrdiff_t>(plan.headPixels) * 4;
    }
    replicate(d, source(plan.wholeSource), plan.wholeRuns, plan.factor);
    d += static_cast<ptrdiff_t>(plan.wholeRuns) * plan.factor * 4;
    if (plan.tailPixels) {
        fillPixels(d, plan.tailPixels, load(source(plan.wholeSource + plan.wholeRuns)));
        d += static_cast<ptrdiff_t>(plan.tailPixels) * 4;
    }
    fillPixels(d, plan.rightFill, kMagnifierFill);
}

} // namespace

int32_t magnificationFactor(double zoom)
{
    if (!(zoom > 1.0))
        return 1;
    // Zoom is kept within [1, 100]; the bound only guards the conversion.
    return static_cast<int32_t>(std::trunc(std::min(zoom, 1.0e6))) + 1;
}

UIImage magnify(const UIImage& image, Point centre, Size outputSize, int32_t factor)
{
    UIImage output;
    magnifyInto(image, image.rect(), centre, outputSize, factor, output);
    return output;
}

void magnifyInto(const UIImage& image, const Rect& visible, Point centre, Size outputSize, int32_t factor,
                 UIImage& output)
{
    if (!image.hasAlpha() || outputSize.isEmpty()) {
        output = UIImage();
        return;
    }
    if (output.size() != outputSize || !output.hasAlpha() || output.shareCount() != 1 || output.premultiplied())
        output = UIImage(outputSize.width, outputSize.height, true);
    uint8_t* base = output.bits();
    if (!base)
        return;
    const int32_t k = std::max(factor, 1);
    const Rect area = visible.intersected(image.rect());
    const AxisRuns columns = axisRuns(centre.x, outputSize.width, k);
    const AxisRuns rows = axisRuns(centre.y, outputSize.height, k);
    const RowPlan plan = planRow(columns, area.x, area.right());
    const int32_t stride = output.stride();
    const size_t rowBytes = static_cast<size_t>(outputSize.width) * 4;

    int32_t y = 0;
    for (int32_t r = 0; y < outputSize.height; ++r) {
        const int32_t n = std::min(r == 0 ? rows.firstRun : k, outputSize.height - y);
        const int32_t sourceY = rows.first + r;
        const bool inside = !area.isEmpty() && sourceY >= area.y && sourceY < area.bottom();
        uint8_t* first = base + static_cast<ptrdiff_t>(y) * stride;
        buildRow(first, inside ? image.constScanLine(sourceY) : nullptr, plan);
        for (int32_t i = 1; i < n; ++i)
            std::memcpy(first + static_cast<ptrdiff_t>(i) * stride, first, rowBytes);
        y += n;
    }
}
