#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/complex_math.h"
#include "formulas/escape_time.h"
#include "render/live_state.h"
#include "render/prepared_image.h"

namespace zoquel {
namespace {

// z^2 + c through the skeleton: must agree with type 0 pixel for pixel.
struct Square : EscapeMember {
    explicit Square(const EscapeImage&) {}
    static double step(Cx& z, Cx& c) {
        z = z * z + c;
        return abs(z);
    }
};

// Jumps straight into the pole 1/0.
struct Pole : EscapeMember {
    explicit Pole(const EscapeImage&) {}
    static double step(Cx& z, Cx&) {
        z = 1.0 / Cx{} + z;
        return abs(z);
    }
};

TEST(EscapeTimeSkeleton, AgreesWithTypeZeroInBothPlanes) {
    HeadlessHost host;
    reset_live_state(host);
    Settings& s = live().settings;
    for (int method : {0, 1}) {
        s.method = method;
        const PreparedImage mandelbrot = prepare_image(s, host, live().memory);
        const EscapeImage im = escape_image(s);
        for (double x = -2; x <= 1; x += 0.37) {
            for (double y = -1.3; y <= 1.3; y += 0.29) {
                const PixelResult a = escape_time<Square>(im, x, y);
                const PixelResult b = mandelbrot.image->pixel(x, y);
                ASSERT_EQ(a.n, b.n) << x << "," << y;
                ASSERT_EQ(a.size, b.size);
                ASSERT_EQ(a.zx, b.zx);
                ASSERT_EQ(a.zy, b.zy);
            }
        }
    }
}

TEST(EscapeTimeSkeleton, AnOrbitThroughAPoleStopsAtOnceAndReportsNaN) {
    EscapeImage im;
    const PixelResult r = escape_time<Pole>(im, 0.5, 0.5);
    EXPECT_EQ(r.n, 2);  // one step taken, then the NaN size ends the loop
    EXPECT_TRUE(std::isnan(r.size));
}

TEST(ComplexMath, ElementaryFunctions) {
    const Cx z{0.7, -1.3};
    // sin^2 + cos^2 = 1 holds for complex arguments too.
    const Cx one = sin(z) * sin(z) + cos(z) * cos(z);
    EXPECT_NEAR(one.re, 1, 1e-12);
    EXPECT_NEAR(one.im, 0, 1e-12);
    EXPECT_NEAR(abs(exp(z)), std::exp(0.7), 1e-15);
    const Cx q = Cx{3, 4} / Cx{1, 2};  // (3 + 4i)(1 - 2i) / 5
    EXPECT_DOUBLE_EQ(q.re, 11.0 / 5);
    EXPECT_DOUBLE_EQ(q.im, -2.0 / 5);
}

TEST(ComplexMath, RealPowerInPolarForm) {
    EXPECT_EQ(pow(Cx{}, 2.5), (Cx{}));  // 0 to a positive power is 0, not NaN
    const Cx p = pow(Cx{-1, 0}, 0.5);   // principal branch: i
    EXPECT_NEAR(p.re, 0, 1e-15);
    EXPECT_NEAR(p.im, 1, 1e-15);
    const Cx q = pow(Cx{1, 1}, 2.0);
    EXPECT_NEAR(q.re, 0, 1e-15);
    EXPECT_NEAR(q.im, 2, 1e-15);
    EXPECT_TRUE(std::isinf(pow(Cx{}, -1.0).re));
}

}  // namespace
}  // namespace zoquel
