#pragma once
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "model/deep_view.h"

namespace zoquel::test {

// The judge of the deep path: every pixel's orbit of z^2 + c iterated in MPFR alone, counted
// as the double loop counts it (the size is |z| of the iterate rounded to doubles).
struct BruteImage {
    std::vector<int> n;         // steps taken
    std::vector<bool> escaped;  // beyond the escape radius
};

inline BruteImage brute_force(const DeepView& v, int method, double jcx, double jcy, int xres, int yres, int maxiter,
                              double maxsize, long bits, int threads = 0) {
    BruteImage out;
    out.n.assign(std::size_t(xres * yres), 0);
    out.escaped.assign(out.n.size(), false);
    std::vector<char> escaped(out.n.size(), 0);
    auto rows = [&](int first, int stride) {
        mpfr_t re, im, step, half, x, y, cx, cy, xx, yy, xy, t;
        for (mpfr_ptr p : {re, im, step, half, x, y, cx, cy, xx, yy, xy, t}) mpfr_init2(p, bits);
        mpfr_set_str(re, v.re.c_str(), 10, MPFR_RNDN);
        mpfr_set_str(im, v.im.c_str(), 10, MPFR_RNDN);
        mpfr_set_str(step, v.width.c_str(), 10, MPFR_RNDN);
        mpfr_div_si(step, step, xres - 1, MPFR_RNDN);
        for (int j = first; j < yres; j += stride)
            for (int i = 0; i < xres; ++i) {
                // (re - W/2 + i step, im + H/2 - j step)
                mpfr_mul_d(t, step, i - (xres - 1) * 0.5, MPFR_RNDN);
                mpfr_add(x, re, t, MPFR_RNDN);
                mpfr_mul_d(t, step, (yres - 1) * 0.5 - j, MPFR_RNDN);
                mpfr_add(y, im, t, MPFR_RNDN);
                if (method == 0) {
                    mpfr_set(cx, x, MPFR_RNDN), mpfr_set(cy, y, MPFR_RNDN);
                    mpfr_set_zero(x, 1), mpfr_set_zero(y, 1);
                } else {
                    mpfr_set_d(cx, jcx, MPFR_RNDN), mpfr_set_d(cy, jcy, MPFR_RNDN);
                }
                int n = 0;
                double r = 0;
                while (r <= maxsize && n < maxiter) {
                    mpfr_sqr(xx, x, MPFR_RNDN);
                    mpfr_sqr(yy, y, MPFR_RNDN);
                    mpfr_mul(xy, x, y, MPFR_RNDN);
                    mpfr_sub(x, xx, yy, MPFR_RNDN);
                    mpfr_add(x, x, cx, MPFR_RNDN);
                    mpfr_mul_2ui(y, xy, 1, MPFR_RNDN);
                    mpfr_add(y, y, cy, MPFR_RNDN);
                    const double dx = mpfr_get_d(x, MPFR_RNDN), dy = mpfr_get_d(y, MPFR_RNDN);
                    r = std::sqrt(dx * dx + dy * dy);
                    ++n;
                }
                const std::size_t at = std::size_t(j * xres + i);
                out.n[at] = n;
                escaped[at] = r > maxsize;
            }
        for (mpfr_ptr p : {re, im, step, half, x, y, cx, cy, xx, yy, xy, t}) mpfr_clear(p);
    };
    if (threads <= 0) threads = int(std::max(1u, std::min(4u, std::thread::hardware_concurrency())));
    std::vector<std::thread> pool;
    for (int k = 0; k < threads; ++k) pool.emplace_back(rows, k, threads);
    for (std::thread& t : pool) t.join();
    for (std::size_t k = 0; k < escaped.size(); ++k) out.escaped[k] = escaped[k] != 0;
    return out;
}

}  // namespace zoquel::test
