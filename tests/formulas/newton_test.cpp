#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "formulas/newton.h"
#include "render/coloring.h"
#include "formula_fixture.h"

namespace zoquel {
namespace {

class Newton : public FormulaTest {
protected:
    void SetUp() override {
        FormulaTest::SetUp();
        use(1, 0);
    }
};

TEST_F(Newton, FromTwoWithLevelSetsAndWithBinaryDecomposition) {
    // 2, 1.41667, 1.11053, 1.01064, 1.00011: within 0.001 of root 0 after four steps.
    EXPECT_EQ(pixel(2, 0), 5);
    EXPECT_EQ(last.root, 0);
    EXPECT_NEAR(zx, 1.00011, 1e-5);
    EXPECT_EQ(size, 0.001 + 1.0);  // always outside
    // |z^3 - 1|^2 < cellsize already at 1.01064: the loop stops before the fourth step.
    s().outside = 3;
    EXPECT_EQ(pixel(2, 0), 4);
    EXPECT_EQ(last.root, 0);
    EXPECT_NEAR(zx, 1.01064, 1e-5);
}

TEST_F(Newton, BasinColouringOffsetsTheCountByRoot) {
    s().basin = 1;
    EXPECT_EQ(pixel(0, 1.5), 90);  // root 1 after four steps: (4 + 85) mod 255 + 1
    EXPECT_EQ(last.root, 1);
    // Degree 4: bands of 64 entries. A pixel on root k converges in one step.
    s().pc[1].p0 = 4;
    EXPECT_EQ(pixel(1, 0), 2);
    EXPECT_EQ(pixel(0, 1), 66);
    EXPECT_EQ(pixel(-1, 0), 130);
    EXPECT_EQ(pixel(0, -1), 194);
    EXPECT_EQ(last.root, 3);
}

TEST_F(Newton, APixelOnARootStopsAtOnceOutsideTheLevelSetMethods) {
    for (int outside : {0, 3, 4}) {
        s().outside = outside;
        EXPECT_EQ(pixel(1, 0), 1) << outside;
        EXPECT_EQ(zx, 1);
        EXPECT_EQ(zy, 0);
        EXPECT_EQ(last.root, 0);
    }
}

TEST_F(Newton, RelaxedStepIsZMinusMTimesFOverFPrime) {
    s().maxiter = 1;
    using C = std::complex<double>;
    for (C m : {C(1, 0), C(0.5, 0.3), C(1.7, -0.9)}) {
        s().pc[1].p1 = m.real();
        s().pc[1].p2 = m.imag();
        const C z(0.8, -1.3);
        pixel(z.real(), z.imag());
        const C expected = z - m * (z * z * z - 1.0) / (3.0 * z * z);
        EXPECT_NEAR(zx, expected.real(), 1e-12);
        EXPECT_NEAR(zy, expected.imag(), 1e-12);
    }
}

TEST_F(Newton, DiagonalPixelsAreNudgedHalfAPixelRight) {
    s().maxiter = 1;
    s().xres = 101;  // the default view is 4.5 wide: half a pixel is 0.0225
    pixel(0.5, 0.5);
    const double nudged_x = zx, nudged_y = zy;
    pixel(0.5225, 0.5);
    EXPECT_NEAR(zx, nudged_x, 1e-12);
    EXPECT_NEAR(zy, nudged_y, 1e-12);
    // The origin, the map's pole, is one of them: it gets a finite orbit.
    pixel(0, 0);
    EXPECT_TRUE(std::isfinite(zx) && std::isfinite(zy));
}

TEST_F(Newton, SmoothingFractionStaysWithinZeroAndOne) {
    s().outside = 2;
    for (double x = -2.2; x <= 2.2; x += 0.13) {
        for (double y = -2.2; y <= 2.2; y += 0.17) {
            const int n = pixel(x, y);
            ASSERT_GE(n, 1);
            ASSERT_LE(n, 255);
            ASSERT_GE(last.nfx, 0) << x << "," << y;
            ASSERT_LE(last.nfx, 1) << x << "," << y;
        }
    }
    // 1.01064 -> 1.00011 crosses the radius 0.001 part of the way along the last step.
    pixel(2, 0);
    EXPECT_GT(last.nfx, 0);
    EXPECT_LT(last.nfx, 1);
}

TEST_F(Newton, EveryPixelOfTheDefaultViewIsOutsideInRange) {
    s().xres = s().yres = 40;
    for (int outside : {1, 3}) {
        s().outside = outside;
        const View& v = s().view();
        for (int j = 0; j < 40; ++j) {
            for (int i = 0; i < 40; ++i) {
                const int n = pixel(v.xmin + i * 4.5 / 39, v.ymin + j * 4.5 / 39);
                ASSERT_GE(n, 1);
                ASSERT_LE(n, 255);
                ASSERT_GT(size, s().params().maxsize);
                ASSERT_GE(last.root, 0);
                ASSERT_LE(last.root, 3);
            }
        }
    }
}

TEST_F(Newton, DegreesTheDialogWouldRefuseStayInTheRootTable) {
    for (double degree : {0.0, -3.0, 100.0, std::nan("")}) {
        s().pc[1].p0 = degree;
        for (int outside : {1, 2, 3}) {
            s().outside = outside;
            const int n = pixel(0.3, -0.7);
            EXPECT_GE(n, 1);
            EXPECT_LE(n, 255);
            EXPECT_GE(last.root, 0);
            EXPECT_LE(last.root, 16);
        }
    }
}

TEST_F(Newton, AnImageDoesNotDependOnTheDegreeOfTheImageBefore) {
    // Its first step lands on where root 3 of degree 8 lies, far from every cube root of 1.
    const double x = -0.13181672397745095, y = 0.6954038700550064;
    for (int outside : {1, 2}) {
        s().outside = outside;
        const int fresh = pixel(x, y);
        s().pc[1].p0 = 8;
        pixel(0.5, 0.2);
        s().pc[1].p0 = 3;
        EXPECT_EQ(pixel(x, y), fresh) << "outside " << outside;
        EXPECT_GT(fresh, 2);  // not taken as converged after one step
    }
}

TEST_F(Newton, BinaryDecompositionSplitsEachBasinByTheRayThroughItsRoot) {
    const PreparedImage image = prepare();
    auto newtonbd = [&](int root, int n, double zx, double zy) {
        return image.image->binary_decomposition(s(), PixelResult{n, zx, zy, 1.001, root}).value();
    };
    const Palette& p = s().palette;
    s().outside = 3;
    EXPECT_EQ(newtonbd(0, 10, 1, 0.1), p[10]);
    EXPECT_EQ(newtonbd(0, 10, 1, -0.1), p[138]);
    EXPECT_EQ(newtonbd(0, 128, 1, -0.1), p[0]);  // mod 256 without + 1 reaches entry 0
    // Root 1 lies at 120 degrees.
    EXPECT_EQ(newtonbd(1, 10, -0.5, 0.8), p[10]);   // 122 degrees: past the ray
    EXPECT_EQ(newtonbd(1, 10, -0.5, 0.9), p[139]);  // 119 degrees: (10 + 128) mod 255 + 1
    EXPECT_EQ(newtonbd(1, 10, 0, 0), p[10]);
    s().outside = 4;
    EXPECT_EQ(newtonbd(1, 10, -0.5, -0.8), (Rgb{255, 255, 255}));
    EXPECT_EQ(newtonbd(0, 10, 1, -0.1), (Rgb{0, 0, 0}));
    EXPECT_EQ(newtonbd(0, 10, 1, 0), (Rgb{255, 255, 255}));
    // Through the colouring step, as the driver calls it.
    EXPECT_EQ(coloring(s(), image.start.constants, PixelResult{10, 1, -0.1, 1.001, 0}, image.image.get()),
              (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace zoquel
