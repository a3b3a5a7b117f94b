#include "formulas/quadratic_row_kernel.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <type_traits>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define ZOQUEL_HAVE_AVX2_KERNEL 1
// On every function of the vector loop, its lambdas included: GCC and clang both honour it,
// and clang inlines nothing across a difference of target.
#define ZOQUEL_AVX2 __attribute__((target("avx2")))
#endif

namespace zoquel {

namespace {

#ifdef ZOQUEL_HAVE_AVX2_KERNEL

constexpr int kWidth = 4, kGroups = 4, kLanes = kWidth * kGroups;

// Lanes are refilled one by one: each iterates its own point and takes the next as soon as it
// is done, so no lane waits for a slow neighbour. The state lives in registers while no lane
// needs attention, and in these arrays while lanes are finished and refilled.
struct Lanes {
    // d is x*x - y*y, the first half of the next step: three registers a group, not four.
    alignas(32) double x[kLanes], y[kLanes], d[kLanes], cr[kLanes], ci[kLanes];
    int pixel[kLanes];
    int born[kLanes];  // the iteration of the lane's first step
};

// Every group with a constant index, so that the groups' registers stay registers.
template <class F>
inline __attribute__((always_inline)) ZOQUEL_AVX2 void for_each_group(F&& f) {
    f(std::integral_constant<int, 0>{});
    f(std::integral_constant<int, 1>{});
    f(std::integral_constant<int, 2>{});
    f(std::integral_constant<int, 3>{});
}

ZOQUEL_AVX2 void run_avx2(const QuadraticRow& row, double threshold, int* steps, double* zx, double* zy, double* size) {
    Lanes s;
    int next = 0, busy = 0, it = 0, deadline = INT_MAX;

    auto load = [&](int lane, int first_step) ZOQUEL_AVX2 {
        if (next < row.count) {
            const int p = next++;
            s.pixel[lane] = p;
            s.born[lane] = first_step;
            if (first_step + row.maxiter - 1 < deadline) deadline = first_step + row.maxiter - 1;
            s.x[lane] = row.zr0[p];
            s.y[lane] = row.zi0[p];
            s.cr[lane] = row.cr[p];
            s.ci[lane] = row.ci[p];
            ++busy;
        } else {
            // An idle lane rests on the fixed point 0 and never escapes.
            s.pixel[lane] = -1;
            s.born[lane] = INT_MAX / 2;
            s.x[lane] = s.y[lane] = s.cr[lane] = s.ci[lane] = 0;
        }
        s.d[lane] = s.x[lane] * s.x[lane] - s.y[lane] * s.y[lane];
    };
    auto finish = [&](int lane) ZOQUEL_AVX2 {
        const int p = s.pixel[lane];
        steps[p] = it - s.born[lane] + 1;
        zx[p] = s.x[lane];
        zy[p] = s.y[lane];
        size[p] = std::sqrt(s.x[lane] * s.x[lane] + s.y[lane] * s.y[lane]);
        --busy;
        load(lane, it + 1);
    };

    for (int lane = 0; lane < kLanes; ++lane) load(lane, 0);
    const __m256d limit = _mm256_set1_pd(threshold);
    __m256d x[kGroups], y[kGroups], d[kGroups];
    auto reload = [&](auto g) ZOQUEL_AVX2 {
        x[g] = _mm256_load_pd(s.x + 4 * g);
        y[g] = _mm256_load_pd(s.y + 4 * g);
        d[g] = _mm256_load_pd(s.d + 4 * g);
    };
    auto store = [&](auto g) ZOQUEL_AVX2 {
        _mm256_store_pd(s.x + 4 * g, x[g]);
        _mm256_store_pd(s.y + 4 * g, y[g]);
        _mm256_store_pd(s.d + 4 * g, d[g]);
    };
    // Lanes not inside: |z|^2 above the threshold, or NaN.
    auto outside = [&](__m256d xx, __m256d yy) ZOQUEL_AVX2 {
        return _mm256_movemask_pd(_mm256_cmp_pd(_mm256_add_pd(xx, yy), limit, _CMP_NLE_UQ));
    };
    auto step = [&](auto g, int* escaped) ZOQUEL_AVX2 {
        const __m256d xy = _mm256_mul_pd(x[g], y[g]);
        y[g] = _mm256_add_pd(_mm256_add_pd(xy, xy), _mm256_load_pd(s.ci + 4 * g));
        x[g] = _mm256_add_pd(d[g], _mm256_load_pd(s.cr + 4 * g));
        const __m256d xx = _mm256_mul_pd(x[g], x[g]), yy = _mm256_mul_pd(y[g], y[g]);
        d[g] = _mm256_sub_pd(xx, yy);
        escaped[g] = outside(xx, yy);
    };
    while (busy > 0) {
        // Iterate in registers, with nothing else in the loop, until some lane finishes: it
        // escapes, or the oldest point reaches the limit at `deadline`.
        for_each_group(reload);
        int escaped[kGroups];
        for (;;) {
            for_each_group([&](auto g) ZOQUEL_AVX2 { step(g, escaped); });
            if ((escaped[0] | escaped[1] | escaped[2] | escaped[3]) || it == deadline) break;
            ++it;
        }
        for_each_group(store);
        for (int lane = 0; lane < kLanes; ++lane)
            if ((escaped[lane / kWidth] >> lane % kWidth & 1) && s.pixel[lane] >= 0) finish(lane);
        if (it == deadline) {
            for (int lane = 0; lane < kLanes; ++lane)
                if (s.pixel[lane] >= 0 && it - s.born[lane] + 1 >= row.maxiter) finish(lane);
            deadline = INT_MAX;
            for (int lane = 0; lane < kLanes; ++lane)
                if (s.pixel[lane] >= 0 && s.born[lane] + row.maxiter - 1 < deadline)
                    deadline = s.born[lane] + row.maxiter - 1;
        }
        ++it;
    }
}

bool have_avx2() {
    static const bool yes = __builtin_cpu_supports("avx2");
    return yes;
}

#endif

}  // namespace

double squared_radius_threshold(double radius) {
    if (!(radius >= 0)) return -1;  // nothing is inside a NaN or negative radius
    double q = radius * radius;
    if (std::isinf(q)) q = DBL_MAX;
    while (q > 0 && !(std::sqrt(q) <= radius)) q = std::nextafter(q, 0.0);
    while (q < DBL_MAX && std::sqrt(std::nextafter(q, DBL_MAX)) <= radius) q = std::nextafter(q, DBL_MAX);
    return q;
}

bool quadratic_escape_row(const QuadraticRow& row, int* steps, double* zx, double* zy, double* size) {
#ifdef ZOQUEL_HAVE_AVX2_KERNEL
    if (!have_avx2() || !(row.radius >= 0) || row.maxiter < 1) return false;
    if (row.count > 0) run_avx2(row, squared_radius_threshold(row.radius), steps, zx, zy, size);
    return true;
#else
    (void)row, (void)steps, (void)zx, (void)zy, (void)size;
    return false;
#endif
}

void QuadraticBatch::start(int method, double cx, double cy) {
    method_ = method, cx_ = cx, cy_ = cy;
    zr_.clear(), zi_.clear(), cr_.clear(), ci_.clear();
}

void QuadraticBatch::add(double x, double y) {
    if (method_ == 0) {
        zr_.push_back(0), zi_.push_back(0), cr_.push_back(x), ci_.push_back(y);
    } else {
        zr_.push_back(x), zi_.push_back(y), cr_.push_back(cx_), ci_.push_back(cy_);
    }
}

bool QuadraticBatch::run(double radius, int maxiter, int* steps, double* zx, double* zy, double* size) const {
    const QuadraticRow row{zr_.data(), zi_.data(), cr_.data(), ci_.data(), int(zr_.size()), radius, maxiter};
    return quadratic_escape_row(row, steps, zx, zy, size);
}

}  // namespace zoquel
