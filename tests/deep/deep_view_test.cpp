#include <gtest/gtest.h>
#include <mpfr.h>

#include <string>

#include "deep/deep_view_math.h"

namespace zoquel {
namespace {

// |a - b| / scale, a and b decimal texts, in 1000 bits.
double relative_gap(const std::string& a, const std::string& b, const std::string& scale) {
    mpfr_t x, y, s;
    for (mpfr_ptr v : {x, y, s}) mpfr_init2(v, 1000);
    mpfr_set_str(x, a.c_str(), 10, MPFR_RNDN);
    mpfr_set_str(y, b.c_str(), 10, MPFR_RNDN);
    mpfr_set_str(s, scale.c_str(), 10, MPFR_RNDN);
    mpfr_sub(x, x, y, MPFR_RNDN);
    mpfr_div(x, x, s, MPFR_RNDN);
    const double gap = std::fabs(mpfr_get_d(x, MPFR_RNDN));
    for (mpfr_ptr v : {x, y, s}) mpfr_clear(v);
    return gap;
}

// Ten zooms of 1000x each, each into a box one pixel wide somewhere in a 1001-pixel image,
// land where exact arithmetic says: every step of the way is a whole number of half pixels.
TEST(DeepView, TenZoomsOfAThousandEndWhereExactArithmeticSays) {
    DeepView v = *deep::make_deep_view(0, 0, "-0.75", "0.1", "3", 1001, 1001);
    mpfr_t re, im, step, t;
    for (mpfr_ptr x : {re, im, step, t}) mpfr_init2(x, 2000);
    mpfr_set_str(re, "-0.75", 10, MPFR_RNDN);
    mpfr_set_str(im, "0.1", 10, MPFR_RNDN);
    mpfr_set_str(step, "3e-3", 10, MPFR_RNDN);
    for (int zoom = 0; zoom < 10; ++zoom) {
        const int x0 = 37 + 91 * zoom, y0 = 960 - 83 * zoom;
        v = deep::zoomed_view(v, 1001, 1001, x0, y0, x0 + 1, y0 + 1);
        mpfr_mul_d(t, step, x0 + 0.5 - 500, MPFR_RNDN), mpfr_add(re, re, t, MPFR_RNDN);
        mpfr_mul_d(t, step, 500 - (y0 + 0.5), MPFR_RNDN), mpfr_add(im, im, t, MPFR_RNDN);
        mpfr_div_ui(step, step, 1000, MPFR_RNDN);
    }
    char* exact_re = nullptr;
    char* exact_im = nullptr;
    mpfr_asprintf(&exact_re, "%.100Re", re);
    mpfr_asprintf(&exact_im, "%.100Re", im);
    EXPECT_LT(relative_gap(v.re, exact_re, "3e-30"), 1e-12) << v.re << " against " << exact_re;
    EXPECT_LT(relative_gap(v.im, exact_im, "3e-30"), 1e-12) << v.im << " against " << exact_im;
    EXPECT_LT(relative_gap(v.width, "3e-30", "3e-30"), 1e-15) << v.width;
    mpfr_free_str(exact_re);
    mpfr_free_str(exact_im);
    for (mpfr_ptr x : {re, im, step, t}) mpfr_clear(x);
    // The doubles beside it are the nearest to its corners.
    EXPECT_EQ(v.corners, deep::nearest_corners(v, 1001, 1001));
}

TEST(DeepView, DecimalTextsOfAnyLengthAndNothingElse) {
    for (const char* good : {"0", "-1.5", "+.5", "7.", "1e-1000", " 2.5E+3 ", "-0.000000000000000000000000000000000001"})
        EXPECT_TRUE(deep::is_decimal(good)) << good;
    for (const char* bad : {"", "-", ".", "1e", "1e+", "0x1p3", "nan", "inf", "1,5", "1 2", "1e99999999999"})
        EXPECT_FALSE(deep::is_decimal(bad)) << bad;
    EXPECT_FALSE(deep::make_deep_view(0, 0, "0", "1", "0", 600, 600));
    EXPECT_FALSE(deep::make_deep_view(0, 0, "0", "1", "-1e-5", 600, 600));
    // Corners on corners: W = 2, 3 pixels a side.
    const View c = deep::make_deep_view(0, 0, "1", "-1", "2", 3, 3)->corners;
    EXPECT_EQ(c, (View{0, 2, -2, 0}));
}

// The status line's point on a deep view: the centre's leading digits, then the pixel's offset
// from the centre, far below what a double can hold.
TEST(DeepView, PointerTextsGiveTheCentreAndTheOffsetOfThePixel) {
    const auto v = deep::make_deep_view(0, 0, "-0.74364388703715870475219150611477", "0.25", "1e-400", 101, 101);
    ASSERT_TRUE(v);
    const auto corner = deep::pointer_texts(*v, 101, 101, 0, 0);
    EXPECT_EQ(corner.first, "-0.743643887037158704\u2026 -5.00e-401");
    EXPECT_EQ(corner.second, "0.25 +5.00e-401");
    const auto middle = deep::pointer_texts(*v, 101, 101, 50, 100);
    EXPECT_EQ(middle.first.substr(middle.first.rfind(' ')), " +0");
    EXPECT_EQ(middle.second, "0.25 -5.00e-401");
}

}  // namespace
}  // namespace zoquel
