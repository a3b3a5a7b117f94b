#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "formulas/quadratic_row_kernel.h"
#include "render/live_state.h"
#include "render/prepared_image.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

// The image of the live settings, as the driver prepares it.
PreparedImage prepared(LiveState& st) { return prepare_image(st.settings, *st.host, st.memory); }

// A row through the image's row method must give exactly what its pixels give, bit for bit.
void expect_rows_match(LiveState& st, const std::vector<double>& xs, double y) {
    const PreparedImage image = prepared(st);
    const int count = int(xs.size());
    std::vector<PixelResult> row(xs.size());
    ASSERT_TRUE(image.image->row(xs.data(), y, count, row.data()));
    for (int i = 0; i < count; ++i) {
        const PixelResult e = image.image->pixel(xs[std::size_t(i)], y);
        const PixelResult& r = row[std::size_t(i)];
        ASSERT_EQ(r.n, e.n) << "x " << xs[std::size_t(i)] << " y " << y;
        ASSERT_EQ(std::memcmp(&r.zx, &e.zx, sizeof e.zx), 0) << i;
        ASSERT_EQ(std::memcmp(&r.zy, &e.zy, sizeof e.zy), 0) << i;
        ASSERT_EQ(std::memcmp(&r.size, &e.size, sizeof e.size), 0) << i;
    }
}

// False where the image has no row method for these settings.
bool has_rows(LiveState& st) {
    const double x = 0;
    PixelResult r;
    return prepared(st).image->row(&x, 0, 1, &r);
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
            const PreparedImage image = prepared(st);
            const ImageGeometry& g = image.geometry();
            std::vector<double> xs;
            for (int i = 0; i < 120; ++i) xs.push_back(g.column_x(i));
            std::vector<PixelResult> results(xs.size());
            int boundary = 0;
            for (int row = 0; row < 120; row += 7) {
                const double y = g.row_y(row);
                ASSERT_TRUE(image.image->row(xs.data(), y, 120, results.data()));
                for (std::size_t i = 0; i < xs.size(); ++i) {
                    const PixelResult e = image.image->pixel(xs[i], y);
                    const PixelResult& r = results[i];
                    ASSERT_EQ(r.n, e.n) << method << " " << maxiter << " " << row << " " << i;
                    ASSERT_EQ(std::memcmp(&r.zx, &e.zx, sizeof e.zx), 0);
                    ASSERT_EQ(std::memcmp(&r.zy, &e.zy, sizeof e.zy), 0);
                    ASSERT_EQ(std::memcmp(&r.size, &e.size, sizeof e.size), 0);
                    boundary += e.n == 0;
                }
            }
            if (maxiter > 1) {
                EXPECT_GT(boundary, 0) << "the rows cross the border";
            }
        }
    }
    // Other exponents, and the Siegel-disk colouring, keep the scalar loop.
    st.settings.params().p0 = 3;
    EXPECT_FALSE(has_rows(st));
    st.settings.params().p0 = 2;
    st.settings.inside = 3;
    EXPECT_FALSE(has_rows(st));
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
    for (int inside : {3, 4}) {
        st.settings.inside = inside;
        EXPECT_FALSE(has_rows(st));
    }
    st.settings.inside = 0;
    EXPECT_TRUE(has_rows(st));
    st.settings.pc[0].p0 = 3;
    EXPECT_FALSE(has_rows(st));
}

}  // namespace
}  // namespace zoquel
