#include "deep/reference_orbit.h"

#include <mpfr.h>

#include <algorithm>
#include <cstdio>

namespace zoquel::deep {

std::string exact_text(double x) {
    char text[40];
    std::snprintf(text, sizeof text, "%a", x);
    return text;
}

ReferenceOrbit reference_orbit(const std::string& start_re, const std::string& start_im, const std::string& c_re,
                               const std::string& c_im, long bits, int steps, double bailout,
                               const std::function<void(double)>& progress) {
    // Released however the loop ends: `progress` may throw to abandon the orbit.
    struct Numbers {
        mpfr_t x, y, cx, cy, xx, yy, xy;
        explicit Numbers(long bits) {
            for (mpfr_ptr v : {x, y, cx, cy, xx, yy, xy}) mpfr_init2(v, bits);
        }
        ~Numbers() {
            for (mpfr_ptr v : {x, y, cx, cy, xx, yy, xy}) mpfr_clear(v);
        }
        Numbers(const Numbers&) = delete;
        Numbers& operator=(const Numbers&) = delete;
    } numbers(bits);
    auto& [x, y, cx, cy, xx, yy, xy] = numbers;
    mpfr_set_str(x, start_re.c_str(), 0, MPFR_RNDN);
    mpfr_set_str(y, start_im.c_str(), 0, MPFR_RNDN);
    mpfr_set_str(cx, c_re.c_str(), 0, MPFR_RNDN);
    mpfr_set_str(cy, c_im.c_str(), 0, MPFR_RNDN);
    ReferenceOrbit orbit;
    orbit.re.reserve(std::size_t(std::min(steps, 1 << 20)) + 1);
    orbit.im.reserve(orbit.re.capacity());
    const double limit = std::max(bailout, 2.0);
    const int report_every = std::clamp(steps / 200, 1, 1 << 14);
    for (int n = 0;; ++n) {
        if (progress && n % report_every == 0) progress(double(n) / std::max(1, steps));
        const double re = mpfr_get_d(x, MPFR_RNDN), im = mpfr_get_d(y, MPFR_RNDN);
        orbit.re.push_back(re);
        orbit.im.push_back(im);
        if (n == steps || re * re + im * im > limit * limit) break;
        mpfr_sqr(xx, x, MPFR_RNDN);
        mpfr_sqr(yy, y, MPFR_RNDN);
        mpfr_mul(xy, x, y, MPFR_RNDN);
        mpfr_sub(x, xx, yy, MPFR_RNDN);
        mpfr_add(x, x, cx, MPFR_RNDN);
        mpfr_mul_2ui(y, xy, 1, MPFR_RNDN);
        mpfr_add(y, y, cy, MPFR_RNDN);
    }
    return orbit;
}

}  // namespace zoquel::deep
