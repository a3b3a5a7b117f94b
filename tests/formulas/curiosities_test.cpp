#include <gtest/gtest.h>

#include <cmath>

#include "formula_fixture.h"
#include "formulas/curiosities.h"
#include "render/type_registry.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

class Curiosities : public FormulaTest {};

TEST_F(Curiosities, LegendreAtTheOriginNeverEscapes) {
    for (int method : {0, 1}) {
        choose(28, method);
        EXPECT_EQ(pixel(0, 0), 2);  // 256 steps
        EXPECT_EQ(size, 0);
    }
}

TEST_F(Curiosities, LegendreVariantsDifferOnlyInTheLinearTerm) {
    // From z = 0 the first step is c in both; the correct one then also takes 1.5 Im(c) off
    // the imaginary part.
    choose(28, 0);
    s().maxiter = 2;
    pixel(0.3, 0.4);
    const double ex = zx, ey = zy;
    s().method = 1;
    pixel(0.3, 0.4);
    EXPECT_DOUBLE_EQ(ex, zx);
    EXPECT_NEAR(ey - zy, 1.5 * 0.4, 1e-15);
    // Both are parameter-plane images: the constant columns play no part.
    s().params().jcx = 5;
    pixel(0.3, 0.4);
    EXPECT_NEAR(ey - zy, 1.5 * 0.4, 1e-15);
}

TEST_F(Curiosities, ErroneousMSetStartsAtThePixel) {
    choose(29, 0);
    EXPECT_EQ(pixel(12, 12), 2);  // |c| beyond 16: one step
    EXPECT_GT(size, 16);
    // The new real part feeds the imaginary part.
    s().maxiter = 1;
    pixel(0.5, 0.25);
    EXPECT_DOUBLE_EQ(zx, 0.5 * 0.5 - 0.25 * 0.25 + 0.5);
    EXPECT_DOUBLE_EQ(zy, 2 * zx * 0.25 + 0.25);
}

TEST_F(Curiosities, MondrianJuliaPoleCountsAsEscaped) {
    choose(29, 1);
    for (double x : {1.0, -1.0}) {
        EXPECT_EQ(pixel(x, 0), 2);
        EXPECT_GT(size, s().params().maxsize);
        EXPECT_EQ(zx, x);
    }
    // A point next to the pole escapes the ordinary way.
    pixel(1.0 + 1e-9, 0);
    EXPECT_GT(size, s().params().maxsize);
    EXPECT_TRUE(std::isfinite(size));
}

TEST_F(Curiosities, NewtonErrorAtARootStopsWithNoFraction) {
    for (int method : {0, 1}) {
        choose(30, method);
        s().outside = 2;
        last.nfx = 0.5;
        EXPECT_EQ(pixel(0, 0), 2);
        EXPECT_EQ(last.nfx, 0);
        EXPECT_EQ(size, 17.0);
    }
}

TEST_F(Curiosities, NewtonErrorVariantsUseTheirOwnSignError) {
    // At z = 1, f = 1 + 14 + 49 - 36 = 28 and f' = 7 - 70 + 147 - 36 = 48 with the function
    // error; f = 0 with the derivative error, so that variant stays at the root.
    choose(30, 0);
    s().maxiter = 1;
    pixel(1, 0);
    EXPECT_DOUBLE_EQ(zx, 1 - 28.0 / 48.0);
    s().method = 1;
    pixel(1, 0);
    EXPECT_EQ(zx, 1);
}

TEST_F(Curiosities, NewtonErrorFractionStaysInRange) {
    choose(30, 0);
    s().outside = 2;
    for (int method : {0, 1}) {
        s().method = method;
        for (double x = -3.9; x < 4; x += 0.31) {
            const int n = pixel(x, 0.6 * x - 0.2);
            ASSERT_TRUE(n >= 1 && n <= 255);
            ASSERT_TRUE(last.nfx >= 0 && last.nfx <= 1) << x;
        }
    }
}

TEST_F(Curiosities, PetalTruncatesItsExponent) {
    choose(37, 1);
    s().params().p0 = 5;
    const int whole = pixel(0.7, 0.3);
    const double wx = zx, wy = zy;
    s().params().p0 = 5.9;
    EXPECT_EQ(pixel(0.7, 0.3), whole);
    EXPECT_EQ(zx, wx);
    EXPECT_EQ(zy, wy);
    s().params().p0 = 6;
    pixel(0.7, 0.3);
    EXPECT_NE(zx, wx);
}

TEST_F(Curiosities, PetalSiegelDiskSmallestModulus) {
    choose(37, 1);
    s().inside = 3;
    s().maxiter = 1;
    // z = 0.5: 0.5^5 - 0.5 = -0.46875.
    pixel(0.5, 0);
    EXPECT_DOUBLE_EQ(last.infsize, 0.46875);
    s().maxiter = 256;
    pixel(20, 0);  // escapes at once: the radius stays the start value
    EXPECT_EQ(last.infsize, 16);
}

TEST_F(Curiosities, ResultsAlwaysLieInThePalette) {
    for (int t : {28, 29, 30, 37}) {
        for (int method : {0, 1}) {
            choose(t, method);
            for (int maxiter : {254, 255, 256, 600}) {
                s().maxiter = maxiter;
                for (double x = -2; x <= 2; x += 0.25) {
                    const int n = pixel(x, 0.5 * x + 0.1);
                    ASSERT_GE(n, 1) << t;
                    ASSERT_LE(n, 255) << t;
                }
            }
        }
    }
}

}  // namespace
}  // namespace zoquel

namespace zoquel {
namespace {

class FormulasIII : public FormulaTest {};

TEST_F(FormulasIII, DefinedAtPolesAndHugePoints) {
    s().xres = s().yres = 32;  // the distance estimator's preliminary pass runs per image
    expect_defined_everywhere({27, 28, 29, 30, 35, 37, 38});
    for (int f : {4, 13, 15, 16, 18, 19, 20, 21, 22}) {
        s().nvindex = f;
        expect_defined_everywhere({27});
    }
}

TEST_F(FormulasIII, DefaultImagesShowAPicture) {
    for (auto [t, m] : {std::pair{27, 0}, {27, 1}, {28, 0}, {28, 1}, {29, 0}, {29, 1}, {30, 0}, {30, 1}, {37, 1},
                        {38, 0}, {38, 1}})
        EXPECT_GT(colours_in_default_image(t, m), 8) << "type " << t << " method " << m;
    // The boundary tracer draws a line in the solid colours.
    EXPECT_EQ(colours_in_default_image(35, 0), 2);
}

}  // namespace
}  // namespace zoquel
