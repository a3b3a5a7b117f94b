#pragma once
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <functional>
#include <vector>

#include "deep/floatexp.h"
#include "deep/reference_orbit.h"

namespace zoquel::deep {

// Bilinear approximation of a stretch of a reference orbit: while the pixel's delta is small
// enough that its square is negligible beside the linear term, `length` steps from reference
// index m take delta -> a delta + b dc at once. Valid while |delta|^2 < r2.
template <class C>
struct BlaStep {
    using R = typename RealOf<C>::type;
    C a, b;
    R r2;
    double smallest = 0;  // the least |Z| over the steps taken, for the Siegel-disk measure
};

// The steps of one reference orbit in a binary tree: level l holds the steps of length 2^l
// from the indices divisible by 2^l. Single steps are left out (the pixel loop takes them
// anyway), and so are the shortest levels of very long orbits, to bound the memory.
template <class C>
class BlaTable {
public:
    using R = typename RealOf<C>::type;
    using Step = BlaStep<C>;

    // `c_max`: the largest |dc| of the image (0 in the dynamic plane, whose c is fixed);
    // `epsilon`: the relative size of the neglected square. No step skips over a reference
    // point `visit` names: the pixel loop must look at the pixel's point there itself.
    BlaTable(const ReferenceOrbit& z, R c_max, double epsilon, const std::function<bool(double, double)>& visit = {}) {
        const std::size_t last = z.last();
        std::vector<Step> level(last);
        for (std::size_t m = 0; m < last; ++m) {
            const double ar = 2 * z.re[m], ai = 2 * z.im[m];
            // A radius of 0 holds no delta, and every step merged with it keeps radius 0.
            const bool visited = visit && visit(z.re[m + 1], z.im[m + 1]);
            const double r = visited ? 0 : epsilon * std::sqrt(ar * ar + ai * ai);
            level[m] = Step{C(ar, ai), C(1, 0), R(r * r), std::hypot(z.re[m + 1], z.im[m + 1])};
        }
        // At most about two million stored steps (some 150 MB with wide exponents).
        constexpr std::size_t kMostSteps = std::size_t(1) << 20;
        while (last >> first_level_ > kMostSteps) ++first_level_;
        for (int l = 1; level.size() >= 2; ++l) {
            std::vector<Step> next(level.size() / 2);
            for (std::size_t k = 0; k < next.size(); ++k) next[k] = merged(level[2 * k], level[2 * k + 1], c_max);
            level.swap(next);
            if (l >= first_level_) levels_.push_back(level);
            else levels_.emplace_back();
        }
    }

    // The longest step valid from reference index m for a delta of squared size `dz2`, of at
    // most `most` steps; its length in `length`. Null where there is none.
    const Step* find(std::size_t m, R dz2, long most, long& length) const {
        // Steps of length 2^l start at multiples of 2^l only. A step's radius is at most that
        // of its first half, so the first level that fails ends the search.
        const int top = m == 0 ? int(levels_.size()) : std::min(int(levels_.size()), std::countr_zero(m));
        const Step* found = nullptr;
        for (int l = std::max(1, first_level_); l <= top; ++l) {
            const std::size_t span = std::size_t(1) << l;
            const std::vector<Step>& level = levels_[std::size_t(l - 1)];
            const std::size_t k = m >> l;
            if (long(span) > most || k >= level.size() || !(dz2 < level[k].r2)) break;
            found = &level[k];
            length = long(span);
        }
        return found;
    }

private:
    // x, then y.
    static Step merged(const Step& x, const Step& y, R c_max) {
        using std::sqrt, std::max, std::min;
        const R ax = sqrt(x.a.norm()), bx = sqrt(x.b.norm());
        const R zero(0);
        R ry = sqrt(y.r2) - bx * c_max;
        ry = ry < zero || !(zero < ax) ? zero : ry / ax;
        const R r = min(sqrt(x.r2), ry);
        return Step{y.a * x.a, y.a * x.b + y.b, r * r, std::min(x.smallest, y.smallest)};
    }

    std::vector<std::vector<Step>> levels_;  // levels_[l - 1]: steps of length 2^l
    int first_level_ = 1;
};

}  // namespace zoquel::deep
