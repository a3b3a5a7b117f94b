#include <cmath>
#include <complex>

#include "formula_fixture.h"
#include "formulas/mandelbrot.h"

namespace zoquel {
namespace {

using ComplexMaps2 = FormulaTest;
using C = std::complex<double>;

TEST_F(ComplexMaps2, LambdaAtZeroFallsToZeroAndStays) {
    use(15, 0);
    EXPECT_EQ(pixel(0, 0), 256 % 255 + 1);
    EXPECT_EQ(size, 0);
    s().maxiter = 1;  // lambda z (1 - z) at the critical point 1/2
    pixel(2, 1);
    EXPECT_DOUBLE_EQ(zx, 0.5);
    EXPECT_DOUBLE_EQ(zy, 0.25);
}

TEST_F(ComplexMaps2, PhoenixRemembersThePreviousIterate) {
    use(16, 0);
    s().maxiter = 3;
    const C c(0.2, 0.1);
    pixel(c.real(), c.imag());
    const C z1 = c, z2 = z1 * z1 + c, z3 = z2 * z2 + c - 0.5 * z1;
    EXPECT_NEAR(zx, z3.real(), 1e-15);
    EXPECT_NEAR(zy, z3.imag(), 1e-15);
}

TEST_F(ComplexMaps2, PhoenixWithoutMemoryIsTheMandelbrotSet) {
    for (int method : {0, 1}) {
        use(0, method);
        s().pc[16].p0 = 0;
        s().pc[16].jcx = s().pc[0].jcx;
        s().pc[16].jcy = s().pc[0].jcy;
        for (double x : {-1.9, -0.8, 0.1, 0.3, 0.6}) {
            for (double y : {-0.9, 0.05, 0.7}) {
                use(0, method);
                const int m = pixel(x, y);
                const double mx = zx;
                use(16, method);
                EXPECT_EQ(pixel(x, y), m) << x << "," << y;
                EXPECT_NEAR(zx, mx, 1e-9 * std::max(1.0, std::fabs(mx)));
            }
        }
    }
}

TEST_F(ComplexMaps2, CelticFoldsTheSquareAndTakesAwayC) {
    use(17, 1);
    s().maxiter = 1;
    pixel(0.5, 1);  // the square is -0.75 + i
    EXPECT_NEAR(zx, 0.75 - 1.4211, 1e-15);
    EXPECT_EQ(zy, 1);
}

TEST_F(ComplexMaps2, BurningShipMeasuresOnlyTheRealPart) {
    use(18, 1);
    s().maxiter = 1;
    pixel(3, 3);  // (3 - 3i)^2 + 1.6i = -16.4i: |z| > 16, but Re z = 0
    EXPECT_NEAR(zy, -16.4, 1e-12);
    EXPECT_NEAR(size, 0, 1e-12);
    EXPECT_FALSE(escaped());
    pixel(5, 0);  // 25 + 1.6i: (Re z)^2 = 625
    EXPECT_NEAR(size, 625, 1e-9);
    EXPECT_TRUE(escaped());
}

TEST_F(ComplexMaps2, P3StartsAtItsCriticalPoint) {
    use(19, 0);
    s().maxiter = 1;
    pixel(0, 0);  // T^3 - 3 T T^2 = -2 T^3 with T = 0.75i
    EXPECT_NEAR(zx, 0, 1e-15);
    EXPECT_NEAR(zy, 0.84375, 1e-15);
}

TEST_F(ComplexMaps2, TricornConjugatesAndTheVariationReturnsTheRawCount) {
    use(20, 0);
    s().maxiter = 1;
    pixel(0, 0);
    use(20, 1);
    pixel(1, 2);  // conj(1 + 2i)^2 + c = -3 - 4i + c
    EXPECT_NEAR(zx, -3 + 0.2094, 1e-12);
    EXPECT_NEAR(zy, -4 + 0.494, 1e-12);
    // Bounded for ten steps: 10 where the classic type gives 11.
    s().maxiter = 10;
    use(20, 0);
    EXPECT_EQ(pixel(0, 0), 11);
    use(21, 0);
    EXPECT_EQ(pixel(0, 0), 10);
    EXPECT_EQ(pixel(20, 0), 1);  // escapes at the first step
    // Past the palette the count wraps as the sibling types' do.
    s().maxiter = 300;
    EXPECT_EQ(pixel(0, 0), 300 % 255 + 1);
}

TEST_F(ComplexMaps2, AirfoilsStepAndMeasure) {
    use(25, 0);
    s().maxiter = 1;
    pixel(0.5, -0.25);  // cos 0 = 1: 1 + 1/1 + c
    EXPECT_NEAR(zx, 2.5, 1e-15);
    EXPECT_NEAR(zy, -0.25, 1e-15);
    use(26, 0);
    pixel(0, 0.5);  // Re c = 0 is taken as 1e-6
    const C c(1e-6, 0.5), t = c + 1.0 / c, z = t - 1.0 / t;
    EXPECT_NEAR(zx, z.real(), 1e-12);
    EXPECT_NEAR(zy, z.imag(), 1e-12);
    EXPECT_NEAR(size, z.imag() * z.imag(), 1e-12);  // (Im z)^2 only
    const int n = pixel(0, 0);  // both parts replaced: finite, no division by zero
    EXPECT_GE(n, 1);
    EXPECT_TRUE(std::isfinite(zx) && std::isfinite(zy));
}

TEST_F(ComplexMaps2, PolesAndOverflowsNeverLeaveThePalette) {
    expect_defined_everywhere({15, 16, 17, 18, 19, 20, 21, 25, 26});
}

}  // namespace
}  // namespace zoquel

namespace zoquel {
namespace {

TEST(ComplexMaps2Images, EveryMemberDrawsAPictureInBothPlanes) {
    for (int t : {15, 16, 17, 18, 19, 20, 21, 25, 26}) {
        for (int method : {0, 1}) {
            EXPECT_GE(colours_in_default_image(t, method), 4) << "type " << t << " method " << method;
        }
    }
}

}  // namespace
}  // namespace zoquel
