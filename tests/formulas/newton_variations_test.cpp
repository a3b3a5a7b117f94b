#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

#include "formulas/newton_variations.h"
#include "formula_fixture.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

class NewtonVariations : public FormulaTest {
protected:
    void SetUp() override {
        FormulaTest::SetUp();
        choose(27, 0);
    }
};

TEST_F(NewtonVariations, APixelOnARootStopsAfterOneStep) {
    for (int method : {0, 1}) {
        s().method = method;
        EXPECT_EQ(pixel(1, 0), 2) << "method " << method;
        EXPECT_EQ(zx, 1);
        EXPECT_EQ(zy, 0);
        // Every pixel is outside, for the outside colouring.
        EXPECT_GT(size, s().params().maxsize);
    }
}

TEST_F(NewtonVariations, FormulaZeroRetracesTheClassicNewtonOrbit) {
    const double expected[] = {1.41667, 1.11053, 1.01064, 1.00011};
    for (int steps = 1; steps <= 4; ++steps) {
        s().maxiter = steps;
        EXPECT_EQ(pixel(2, 0), steps + 1);
        EXPECT_NEAR(zx, expected[steps - 1], 1e-5) << steps;
        EXPECT_EQ(zy, 0);
    }
    // Two more steps bring the step length below 0.0001.
    s().maxiter = 256;
    EXPECT_EQ(pixel(2, 0), 7);
}

TEST_F(NewtonVariations, RelaxationSlowsTheApproach) {
    const int plain = pixel(2, 0.3);
    s().params().p1 = 0.5;
    EXPECT_GT(pixel(2, 0.3), plain);
}

TEST_F(NewtonVariations, BasinsOfTheCubeRootsOfUnityLie85StepsApart) {
    std::set<int> offsets;
    for (auto [x, y] : {std::pair{1.2, 0.05}, {-0.6, 0.9}, {-0.6, -0.9}}) {
        s().basin = 0;
        const int plain = pixel(x, y);
        s().basin = 1;
        offsets.insert(pixel(x, y) - plain);
    }
    EXPECT_EQ(offsets, (std::set<int>{0, 85, 170}));
}

TEST_F(NewtonVariations, FormulasWithoutRootsIgnoreBasinColouring) {
    for (int f : {19, 20, 21}) {
        s().nvindex = f;
        for (double x : {-2.3, 0.4, 1.7}) {
            s().basin = 0;
            const int plain = pixel(x, 0.35);
            s().basin = 1;
            EXPECT_EQ(pixel(x, 0.35), plain) << "formula " << f << " x " << x;
        }
    }
}

TEST_F(NewtonVariations, DiagonalPixelsAreComputedHalfAPixelToTheRight) {
    const double half = 0.5 * 12.0 / 599.0;  // the default view is 12 wide, 600 pixels
    for (int method : {0, 1}) {
        s().method = method;
        const int shifted = pixel(0.5 + half, -0.5);
        const double sx = zx, sy = zy;
        EXPECT_EQ(pixel(0.5, -0.5), shifted);
        EXPECT_EQ(zx, sx);
        EXPECT_EQ(zy, sy);
    }
}

TEST_F(NewtonVariations, SmoothingFractionStaysInItsRange) {
    s().outside = 2;
    for (int f = 0; f < kNvFormulaCount; ++f) {
        s().nvindex = f;
        for (int method : {0, 1}) {
            s().method = method;
            for (double x = -5.5; x < 6; x += 1.1) {
                const int n = pixel(x, 0.7 * x + 0.3);
                ASSERT_GE(n, 1);
                ASSERT_LE(n, 255);
                ASSERT_TRUE(last.nfx == 0 || (last.nfx >= 0.0078125 && last.nfx <= 1))
                    << "formula " << f << " method " << method << " x " << x << " nfx " << last.nfx;
            }
        }
    }
    // A pixel on a root makes no step at all: no fraction.
    s().nvindex = 0;
    pixel(1, 0);
    EXPECT_EQ(last.nfx, 0);
}

TEST_F(NewtonVariations, SecantStepWithEqualFunctionValuesStaysFinite) {
    // sin(cos(2 pi)) and sin(cos(0)) are the same double: the 1e-32 nudge of the second value
    // vanishes in rounding and the denominator would be exactly 0.
    s().method = 1;
    s().nvindex = 19;
    s().maxiter = 1;
    const int n = pixel(2 * std::numbers::pi, 0);
    EXPECT_EQ(n, 2);
    EXPECT_TRUE(std::isfinite(zx) && std::isfinite(zy)) << zx << " " << zy;
}

TEST(NvRootSearch, StopsAtTheRootCountAndKeepsEveryRootItFinds) {
    const NvRoots cube = nvcalculateroots(0);
    ASSERT_EQ(cube.count, 3);
    EXPECT_NEAR(cube.z[0].re, 1, 1e-12);  // the start at angle 0 comes first
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(abs(pow(cube.z[std::size_t(k)], 3.0) - Cx{1, 0}), 0, 1e-9);
    EXPECT_EQ(cube.z[3], (Cx{100, 100}));

    // Four double roots: the roots of z^4 + 1.
    const NvRoots doubled = nvcalculateroots(10);
    ASSERT_EQ(doubled.count, 4);
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(abs(pow(doubled.z[std::size_t(k)], 4.0) + Cx{1, 0}), 0, 1e-6);

    // The roots +-3 of formula 2 lie outside the circle of starting points; z^7 cos z keeps
    // only its simple roots, as the multiple root at 0 converges too slowly.
    EXPECT_EQ(nvcalculateroots(2).count, 5);
    EXPECT_EQ(nvcalculateroots(17).count, 2);
}

TEST(NvRootSearch, FoundRootsAreDistinctRootsOfTheirPolynomial) {
    for (int f : {1, 3, 5, 6, 7, 8, 9, 11, 12, 13, 14, 23}) {
        const NvRoots r = nvcalculateroots(f);
        EXPECT_EQ(r.count, nv_function(f).degree) << f;
        for (int a = 0; a < r.count; ++a) {
            Cx z = r.z[std::size_t(a)], fz, dz;
            int degree;
            nvformula(f, z, fz, dz, degree);
            EXPECT_LT(abs(fz), 1e-6) << "formula " << f << " root " << a;
            for (int b = 0; b < a; ++b) EXPECT_GE(abs(r.z[std::size_t(a)] - r.z[std::size_t(b)]), 0.01);
        }
    }
}

TEST(NvFormulas, DerivativesMatchTheFunctions) {
    const Cx at{0.37, -0.61};
    for (int f = 0; f < kNvFormulaCount; ++f) {
        Cx z = at, fz, dz, fa, fb, unused;
        int degree;
        nvformula(f, z, fz, dz, degree);
        const double h = 1e-6;
        Cx a = at + Cx{h, 0}, b = at - Cx{h, 0};
        nvformula(f, a, fa, unused, degree);
        nvformula(f, b, fb, unused, degree);
        const Cx numeric = (fa - fb) * (1 / (2 * h));
        EXPECT_LT(abs(numeric - dz), 1e-4 * std::max(1.0, abs(dz))) << "formula " << f;
    }
}

TEST_F(NewtonVariations, RootsFollowTheFormulaOfTheImage) {
    pixel(0.3, 0.2);
    EXPECT_EQ(live().memory.nvroots.count, 3);
    EXPECT_EQ(s().nvrootcount, 3);
    // A change of formula that did not set nvfirst (F key, a loaded file) still searches again.
    s().nvindex = 3;
    pixel(0.3, 0.2);
    EXPECT_EQ(live().memory.nvroots.count, 4);
    EXPECT_EQ(s().nvrootcount, 4);
    EXPECT_NEAR(abs(live().memory.nvroots.z[0] - Cx{0, 1}), 0, 1e-9);
    // A count from a parameter file that disagrees with the table is not used for the offsets.
    s().nvrootcount = 7;
    pixel(0.3, 0.2);
    EXPECT_EQ(s().nvrootcount, 4);
}

}  // namespace
}  // namespace zoquel
