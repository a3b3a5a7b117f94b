#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "formulas/mandelbrot.h"
#include "formulas/quadratic_row_kernel.h"
#include "render/driver.h"
#include "render/live_state.h"
#include "render/type_registry.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

// The vector loop must give exactly what the scalar generator gives, bit for bit.
void expect_rows_match(LiveState& st, const std::vector<double>& xs, double y) {
    begin_image(st);
    const int count = int(xs.size());
    std::vector<int> n(xs.size());
    std::vector<double> zx(xs.size()), zy(xs.size()), size(xs.size());
    ASSERT_TRUE(mandelbrot_row(xs.data(), y, count, n.data(), zx.data(), zy.data(), size.data()));
    for (int i = 0; i < count; ++i) {
        double ex, ey, es;
        int en = mandelbrot(xs[std::size_t(i)], y, &ex, &ey, &es);
        ASSERT_EQ(n[std::size_t(i)], en) << "x " << xs[std::size_t(i)] << " y " << y;
        ASSERT_EQ(std::memcmp(&zx[std::size_t(i)], &ex, sizeof ex), 0) << i;
        ASSERT_EQ(std::memcmp(&zy[std::size_t(i)], &ey, sizeof ey), 0) << i;
        ASSERT_EQ(std::memcmp(&size[std::size_t(i)], &es, sizeof es), 0) << i;
    }
}

TEST(QuadraticRowKernel, MatchesTheScalarLoopOnBothPlanes) {
    HeadlessHost host;
    reset_live_state(host);
    LiveState& st = live();
    for (int method = 0; method < 2; ++method) {
        st.settings.method = method;
        for (int maxiter : {1, 7, 256, 1000}) {
            st.settings.maxiter = maxiter;
            for (double y : {1.5, 0.75, 0.1, 0.0, -0.3, -2.25}) {
                std::vector<double> xs;
                // Points escaping at the first step, never escaping, and on the view's edge.
                for (int i = 0; i < 97; ++i) xs.push_back(-2.25 + i * 4.5 / 96);
                xs.push_back(100);
                xs.push_back(0);
                expect_rows_match(st, xs, y);
            }
        }
    }
}

TEST(QuadraticRowKernel, RadiusBoundaryAndOddSizes) {
    HeadlessHost host;
    reset_live_state(host);
    LiveState& st = live();
    st.settings.pc[0].maxsize = 2;
    st.settings.method = 1;
    st.settings.pc[0].jcx = 0;
    st.settings.pc[0].jcy = 0;
    // Start points whose square lies right at the radius.
    std::vector<double> xs = {std::sqrt(2.0), std::nextafter(std::sqrt(2.0), 2.0), std::nextafter(std::sqrt(2.0), 0.0), 1.0, -1.0};
    expect_rows_match(st, xs, 0);
    expect_rows_match(st, {0.5}, 0.5);
    st.settings.pc[0].maxsize = 1e29;
    expect_rows_match(st, xs, 0.2);
}

// The boundary tracer's rows at exponent 2 go through the vector loop too: its own orbit
// and its four neighbours'.
TEST(QuadraticRowKernel, BoundaryTracerRowsMatchItsPixels) {
    HeadlessHost host;
    reset_live_state(host);
    LiveState& st = live();
    for (int method = 0; method < 2; ++method) {
        choose_type(st.settings, st.firsttime, 35, method);
        st.settings.xres = st.settings.yres = 120;
        for (int maxiter : {1, 64, 500}) {
            st.settings.maxiter = maxiter;
            begin_image(st);
            const TypeImplementation& impl = implementation(35);
            ASSERT_NE(impl.row_kernel, nullptr);
            const View& v = st.settings.view();
            std::vector<double> xs;
            for (int i = 0; i < 120; ++i) xs.push_back(v.xmin + i * st.render.xside / 119);
            std::vector<int> n(xs.size());
            std::vector<double> zx(xs.size()), zy(xs.size()), size(xs.size());
            int boundary = 0;
            for (int row = 0; row < 120; row += 7) {
                const double y = v.ymin + (119 - row) * st.render.yside / 119;
                ASSERT_TRUE(impl.row_kernel(xs.data(), y, 120, n.data(), zx.data(), zy.data(), size.data()));
                for (std::size_t i = 0; i < xs.size(); ++i) {
                    double ex, ey, es;
                    const int en = impl.generator(xs[i], y, &ex, &ey, &es);
                    ASSERT_EQ(n[i], en) << method << " " << maxiter << " " << row << " " << i;
                    ASSERT_EQ(std::memcmp(&zx[i], &ex, sizeof ex), 0);
                    ASSERT_EQ(std::memcmp(&zy[i], &ey, sizeof ey), 0);
                    ASSERT_EQ(std::memcmp(&size[i], &es, sizeof es), 0);
                    boundary += en == 0;
                }
            }
            if (maxiter > 1) {
                EXPECT_GT(boundary, 0) << "the rows cross the border";
            }
        }
    }
    // Other exponents, and the Siegel-disk colouring, keep the scalar loop.
    double x = 0, zx, zy, size;
    int n;
    st.settings.params().p0 = 3;
    begin_image(st);
    EXPECT_FALSE(implementation(35).row_kernel(&x, 0, 1, &n, &zx, &zy, &size));
    st.settings.params().p0 = 2;
    st.settings.inside = 3;
    begin_image(st);
    EXPECT_FALSE(implementation(35).row_kernel(&x, 0, 1, &n, &zx, &zy, &size));
}

TEST(QuadraticRowKernel, ThresholdDecidesAsTheRoundedModulus) {
    for (double radius : {2.0, 16.0, 3.0, 1e29, 0.5}) {
        double t = squared_radius_threshold(radius);
        EXPECT_LE(std::sqrt(t), radius);
        EXPECT_GT(std::sqrt(std::nextafter(t, 1e300)), radius);
    }
}

TEST(QuadraticRowKernel, NotUsedWhereTheLoopHasSideWork) {
    HeadlessHost host;
    reset_live_state(host);
    LiveState& st = live();
    double xs[1] = {0}, zx, zy, size;
    int n;
    for (int inside : {3, 4}) {
        st.settings.inside = inside;
        begin_image(st);
        EXPECT_FALSE(mandelbrot_row(xs, 0, 1, &n, &zx, &zy, &size));
    }
    st.settings.inside = 0;
    st.settings.pc[0].p0 = 3;
    begin_image(st);
    EXPECT_FALSE(mandelbrot_row(xs, 0, 1, &n, &zx, &zy, &size));
}

}  // namespace
}  // namespace zoquel
