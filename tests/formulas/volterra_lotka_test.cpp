#include <gtest/gtest.h>

#include <cmath>

#include "formulas/sierpinski_web.h"
#include "formulas/volterra_lotka.h"
#include "formula_fixture.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

class VolterraLotka : public FormulaTest {
protected:
    void SetUp() override {
        FormulaTest::SetUp();
        choose(3, 0);
    }
};

TEST_F(VolterraLotka, EscapingOrbitsReturnTheirStepCount) {
    // (3, 0.1) leaves x^2 + y^2 <= 256 on the third step.
    EXPECT_EQ(pixel(3, 0.1), 3);
    EXPECT_GT(size, 256);
    EXPECT_GT(zx * zx + zy * zy, 256);
}

TEST_F(VolterraLotka, LongEscapesAreWrappedIntoThePalette) {
    // With a small Euler-like step this orbit spirals out for 983 steps.
    s().half = 0.05;
    s().pc[3].p2 = 0;
    s().maxiter = 1024;
    EXPECT_EQ(pixel(1.2, 1.0), 983 % 255 + 1);
    EXPECT_GT(size, 256);
    s().maxiter = 256;
    EXPECT_NE(pixel(1.2, 1.0), 256);  // bounded now: a scheme colour, reported outside
    EXPECT_EQ(size, 257);
}

TEST_F(VolterraLotka, BoundedOrbitsByScheme) {
    // Scheme 0: the last squared distance from the origin, 16 times, wrapped.
    const int zmag = pixel(1.1, 1.1);
    EXPECT_EQ(size, 257);
    const double last = zx * zx + zy * zy;
    EXPECT_EQ(zmag, int(std::fmod(16 * last, 255) + 1));

    s().vlcoloring = 1;
    const int bof = pixel(1.1, 1.1);
    EXPECT_GE(bof, 1);
    EXPECT_LE(bof, 255);
    EXPECT_EQ(size, 257);

    // Scheme 2: the target is where the orbit of (1, 2.5) is after 128 steps on the attracting
    // cycle; that orbit first passes within 0.01 of it at step 18: 18 / 2 + 1.
    s().vlcoloring = 2;
    s().vlradius = 0.01;
    EXPECT_EQ(pixel(1, 2.5), 10);
    EXPECT_EQ(size, 257);
    // A wide target ends most orbits within a few steps.
    int narrow = 0, wide = 0;
    for (double x = 0.5; x <= 2; x += 0.1)
        for (double y = 0.5; y <= 2; y += 0.1) {
            s().vlradius = 0.01;
            narrow += pixel(x, y);
            s().vlradius = 0.5;
            wide += pixel(x, y);
        }
    EXPECT_LT(wide * 4, narrow);
}

TEST_F(VolterraLotka, EveryResultIsAPaletteIndex) {
    s().maxiter = 1024;
    for (int scheme = 0; scheme < 3; ++scheme) {
        s().vlcoloring = scheme;
        for (double x = 0; x <= 6; x += 0.31)
            for (double y = 0; y <= 6; y += 0.29) {
                const int n = pixel(x, y);
                ASSERT_GE(n, 0);
                ASSERT_LE(n, 255);
            }
    }
}

class SierpinskiWeb : public FormulaTest {
protected:
    void SetUp() override {
        FormulaTest::SetUp();
        choose(4, 0);
    }
};

TEST_F(SierpinskiWeb, StartsFromCCubedAndFolds) {
    // c = 0: z = 0 for every step, still reported outside.
    EXPECT_EQ(pixel(0, 0), 256 % 255 + 1);
    EXPECT_EQ(size, 17);
    EXPECT_EQ(zx, 0);
    // c = 3: z(0) = 5.4, then 10.8 - 1 = 9.8, then 19.6 - 1 = 18.6 > 16.
    EXPECT_EQ(pixel(3, 0), 3);
    EXPECT_NEAR(zx, 18.6, 1e-12);
    EXPECT_EQ(size, 17);
    // c = 1: z(0) = 0.2 is folded back for ever.
    EXPECT_EQ(pixel(1, 0), 2);
    // The method does not matter: the pixel is always c.
    live().settings.method = 1;
    EXPECT_EQ(pixel(3, 0), 3);
}

}  // namespace
}  // namespace zoquel
