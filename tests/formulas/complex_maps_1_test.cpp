#include <cmath>

#include "formula_fixture.h"

namespace zoquel {
namespace {

using ComplexMaps1 = FormulaTest;

TEST_F(ComplexMaps1, TrigonometricMapsFollowTheEscapeTimeConvention) {
    use(7, 0);  // lambda sin 0 + 0 = 0: the origin never escapes
    EXPECT_EQ(pixel(0, 0), 256 % 255 + 1);
    EXPECT_EQ(size, 0);
    s().maxiter = 100;
    EXPECT_EQ(pixel(0, 0), 101);
    EXPECT_EQ(pixel(300, 0), 2);  // lambda sin 0 + 300 escapes at once
    EXPECT_EQ(zx, 300);
    use(8, 0);  // cos 0 = 1: z(1) = lambda + c
    s().maxiter = 1;
    pixel(0.25, -0.5);
    EXPECT_EQ(zx, 1.25);
    EXPECT_EQ(zy, -0.5);
    use(8, 1);  // the constant of the dynamic plane and lambda = 1
    pixel(0, 0);
    EXPECT_NEAR(zx, 1 + 0.5509, 1e-15);
    EXPECT_NEAR(zy, 1.0747, 1e-15);
}

TEST_F(ComplexMaps1, LambdaExpMeasuresTheRealPartAndResetsFarLeft) {
    use(9, 0);
    // |z| is about 600 all along, but Re z stays small: never escaped.
    EXPECT_EQ(pixel(0, 600), 2);
    EXPECT_LT(std::fabs(size), 1);
    EXPECT_GT(std::fabs(zy), 500);
    // 1/e + c has Re z < -50: size is taken before the orbit is put back at 0.
    s().maxiter = 1;
    pixel(-100, 0);
    EXPECT_NEAR(size, -100 + 0.36787944117144233, 1e-12);
    EXPECT_EQ(zx, 0);
    EXPECT_EQ(zy, 0);
    // Re z > 500 escapes.
    EXPECT_EQ(pixel(600, 0), 2);
    EXPECT_TRUE(escaped());
}

TEST_F(ComplexMaps1, QuartetTakesThePoleTermAsZeroAtTheOrigin) {
    use(10, 0);  // the method is not read: the pixel is always z(0)
    EXPECT_EQ(pixel(0, 0), 2);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(zx, 0);
    s().maxiter = 1;  // sin 1 - 0.05 / 1
    pixel(1, 0);
    EXPECT_NEAR(zx, std::sin(1.0) - 0.05, 1e-15);
}

TEST_F(ComplexMaps1, MagnetismExitsAtTheFixedPointsOneAndZero) {
    for (int t : {11, 12}) {
        use(t, 1);  // q = 2; z = 1 is a fixed point of both maps
        const int n = pixel(1.0001, 0);
        EXPECT_EQ(size, 16 + 1.0) << t;  // coloured as outside
        EXPECT_NEAR(zx, 1, 1e-6);
        EXPECT_EQ(n, 87) << t;  // one step, (1 + 85) mod 255 + 1
    }
    // Magnetism 1 at q = 1 maps z = 0 to 0: stopped after one step, inside.
    use(11, 0);
    EXPECT_EQ(pixel(1, 0), 2);
    EXPECT_EQ(size, 0);
    EXPECT_FALSE(escaped());
    // Escape keeps the plain count: ((q - 1) / (q - 2))^2 = 121 at q = 2.1.
    EXPECT_EQ(pixel(2.1, 0), 2);
    EXPECT_TRUE(escaped());
}

TEST_F(ComplexMaps1, DevaneyStepsFourEntriesAndReachesEntryZero) {
    use(13, 0);
    s().maxiter = 64;
    EXPECT_EQ(pixel(0.05, 0), 0);  // bounded for 64 steps: 4 * 64 mod 256
    EXPECT_FALSE(escaped());
    s().maxiter = 256;
    EXPECT_EQ(pixel(-0.1, 0), 16);  // escapes at the fourth step
    EXPECT_TRUE(escaped());
    // z(0) is the critical point (lambda D / N)^(1 / (N + D)) = 0.05^(1/4).
    s().maxiter = 1;
    pixel(0.05, 0);
    const double z0 = std::pow(0.05, 0.25);
    EXPECT_NEAR(zx, z0 * z0 + 0.05 / (z0 * z0), 1e-12);
}

TEST_F(ComplexMaps1, PokornyColoursEscapesByAngleAndKeepsCountsInThePalette) {
    use(14, 0);
    EXPECT_EQ(pixel(0.1, 0), 1);  // 1 / 0.1 = 10 on the positive real axis
    EXPECT_TRUE(escaped());
    EXPECT_EQ(pixel(0.1, 1e-12), 1);  // just below it: angle just under 2 pi, 255 -> 1
    EXPECT_LT(zy, 0);
    EXPECT_EQ(pixel(0, 0.1), 193);  // -10i: three quarters round
    // Bounded orbits return the count itself while it fits the palette...
    s().maxiter = 100;
    EXPECT_EQ(pixel(-0.4386, -0.4353), 100);
    EXPECT_FALSE(escaped());
    // ...and wrap as the other members do when it would not.
    s().maxiter = 300;
    EXPECT_EQ(pixel(-0.4386, -0.4353), 300 % 255 + 1);
}

TEST_F(ComplexMaps1, EscherBandsByStepsIntoTheTargetSet) {
    use(2, 1);
    EXPECT_EQ(pixel(3, 0), 2);  // 9^2 > 16 at once, never in the target set
    EXPECT_EQ(size, 17);
    EXPECT_EQ(pixel(0, 0), 2);  // lands in the target set at the first step (n = 0)
    EXPECT_EQ(size, 17);
    EXPECT_EQ(pixel(0.9, 0), 22);  // five squarings before 15 z lands: 4 * 5 + 2
    EXPECT_EQ(pixel(0.99, 0), 34);
    EXPECT_EQ(pixel(0.5, 0.5), 14);
    // Another constant is another target set.
    s().pc[2].jcx = 2;
    s().pc[2].jcy = 0;  // outside the Mandelbrot set: no target at all
    EXPECT_EQ(pixel(0.9, 0), 2);
}

TEST_F(ComplexMaps1, PolesAndOverflowsNeverLeaveThePalette) {
    expect_defined_everywhere({2, 7, 8, 9, 10, 11, 12, 13, 14});
}

}  // namespace
}  // namespace zoquel

namespace zoquel {
namespace {

TEST(ComplexMaps1Images, EveryMemberDrawsAPictureInBothPlanes) {
    for (int t : {1, 2, 7, 8, 9, 10, 11, 12, 13, 14}) {
        for (int method : {0, 1}) {
            if (forced_method(t) >= 0 && forced_method(t) != method) continue;
            EXPECT_GE(colours_in_default_image(t, method), 4) << "type " << t << " method " << method;
        }
    }
}

}  // namespace
}  // namespace zoquel
