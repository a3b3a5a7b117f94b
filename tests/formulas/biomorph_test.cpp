#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "formulas/biomorph.h"
#include "formula_fixture.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

class Biomorph : public FormulaTest {
protected:
    void SetUp() override {
        FormulaTest::SetUp();
        choose(5, 1);
    }
};

TEST_F(Biomorph, TheTwoColourRules) {
    // (10, 1)^2 + 0.5 = (99.5, 20): both parts escaped after one step: (2n + 62) mod 255 + 1.
    EXPECT_EQ(pixel(10, 1), 65);
    EXPECT_EQ(size, 17);
    // (5, 0)^2 + 0.5 = (25.5, 0): the imaginary part stayed small; angle 0 gives 64.
    EXPECT_EQ(pixel(5, 0), 64);
    // (10, 10)^2 + 0.5 = (0.5, 200): the real part stayed small; the angle just under pi/2
    // gives t = 63 and ((2 t) mod 255 + 63) mod 255 + 1.
    EXPECT_EQ(pixel(10, 10), 190);
    EXPECT_EQ(size, 17);
}

TEST_F(Biomorph, ZeroRealPartIsReportedAsOneMillionth) {
    s().pc[5].jcx = 0;
    // (3, 3)^2 = (0, 18).
    EXPECT_EQ(pixel(3, 3), 190);
    EXPECT_EQ(zx, 1e-6);
    EXPECT_EQ(zy, 18);
    // An orbit that falls into 0 and stays there is coloured as angle 0.
    EXPECT_EQ(pixel(0.1, 0.1), 64);
    EXPECT_EQ(zx, 1e-6);
}

TEST_F(Biomorph, ZToTheZAtZeroIsOne) {
    s().maxiter = 1;
    for (int v : {8, 9}) {
        s().bindex = v;
        // 0^0 + 0 + 0.5 = 1.5.
        pixel(0, 0);
        EXPECT_EQ(zx, 1.5) << v;
        EXPECT_EQ(zy, 0) << v;
    }
}

TEST_F(Biomorph, EveryVariationStepsAsItsCaptionSays) {
    s().maxiter = 1;
    s().pc[5].jcx = 0.25;
    s().pc[5].jcy = -0.5;
    const std::complex<double> z0(0.3, 0.7), c(0.25, -0.5);
    const std::complex<double> zz = std::exp(z0 * std::log(z0));
    const std::complex<double> want[kBiomorphVariations] = {
        z0 * z0 + c,
        z0 * z0 * z0 + c,
        std::pow(z0, 4) + c,
        std::pow(z0, 5) + c,
        std::pow(z0, 6) + c,
        std::pow(z0, 1.5) + c,
        std::sin(z0) + z0 * z0 + c,
        std::sin(z0) + std::exp(z0) + c,
        zz + std::pow(z0, 4) - z0 + c,
        zz + std::pow(z0, 6) + c,
        std::pow(z0, 7) + std::pow(z0, 5) - std::pow(z0, 3) + z0 + c,
    };
    for (int v = 0; v < kBiomorphVariations; ++v) {
        s().bindex = v;
        pixel(z0.real(), z0.imag());
        EXPECT_NEAR(zx, want[v].real(), 1e-12) << v;
        EXPECT_NEAR(zy, want[v].imag(), 1e-12) << v;
    }
    EXPECT_STREQ(biomorph_caption(5), "z^1.5 + c  -  'Glynn function'");
    EXPECT_STREQ(biomorph_caption(11), "");
}

TEST_F(Biomorph, OverflowingOrbitsStillGiveAnIndex) {
    // A huge maxsize lets the powers overflow to infinity and NaN before the test stops them.
    s().pc[5].maxsize = 1e30;
    for (int v = 0; v < kBiomorphVariations; ++v) {
        s().bindex = v;
        for (double x = -6; x <= 6; x += 0.7)
            for (double y = -6; y <= 6; y += 0.9) {
                const int n = pixel(x, y);
                ASSERT_GE(n, 1) << v;
                ASSERT_LE(n, 255) << v;
                ASSERT_FALSE(std::isnan(zx) || std::isnan(zy)) << v;
            }
    }
}

TEST_F(Biomorph, AnIndexOutOfRangeFallsBackToTheFirstVariation) {
    s().maxiter = 1;
    s().bindex = 42;
    pixel(0.3, 0.7);
    EXPECT_NEAR(zx, 0.09 - 0.49 + 0.5, 1e-12);
}

}  // namespace
}  // namespace zoquel
