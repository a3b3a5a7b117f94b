#include <gtest/gtest.h>

#include <cmath>

#include "formulas/mandelbrot.h"
#include "formula_fixture.h"

namespace zoquel {
namespace {

class Mandelbrot : public FormulaTest {};

TEST_F(Mandelbrot, EscapeTimeConvention) {
    EXPECT_EQ(pixel(0, 0), 256 % 255 + 1);  // never escapes
    EXPECT_EQ(size, 0);
    EXPECT_EQ(pixel(12, 12), 2);  // escapes on the first step
    EXPECT_DOUBLE_EQ(size, std::sqrt(288.0));
    EXPECT_EQ(zx, 12);
    EXPECT_EQ(zy, 12);
    // c = 1: 1, 2, 5, 26 escapes at the fourth step.
    EXPECT_EQ(pixel(1, 0), 5);
    EXPECT_EQ(size, 26);
}

TEST_F(Mandelbrot, IntegerAndRealExponentPaths) {
    s().pc[0].p0 = 3;
    // c = 1: 1, 2, 9, 730 escapes at the fourth step.
    EXPECT_EQ(pixel(1, 0), 5);
    EXPECT_EQ(size, 730);
    s().pc[0].p0 = 2.5;
    // z^2.5 by the complex power: 1, 2, 1 + 2^2.5 = 6.657, 1 + 6.657^2.5 escapes.
    EXPECT_EQ(pixel(1, 0), 5);
    EXPECT_NEAR(size, 1 + std::pow(1 + std::pow(2.0, 2.5), 2.5), 1e-9);
    // The complex power of 0 is 0: c = 0 stays inside.
    EXPECT_EQ(pixel(0, 0), 2);
    EXPECT_EQ(size, 0);
}

TEST_F(Mandelbrot, DynamicPlaneUsesTheConstant) {
    s().method = 1;
    s().pc[0].jcx = 0;
    s().pc[0].jcy = 0;
    EXPECT_EQ(pixel(0.5, 0), 2);  // z -> z^2 shrinks to 0: inside
    EXPECT_LT(size, 1e-100);
    EXPECT_EQ(pixel(1.5, 0), 4);  // 2.25, 5.06, 25.6 > 16
}

TEST_F(Mandelbrot, SiegelDiskSmallestModulus) {
    s().inside = 3;
    pixel(0, 0);
    EXPECT_EQ(last.infsize, 0);  // iterates, not the start value, are compared
    pixel(-1, 0);                  // 0, -1, 0, -1, ...: |z| reaches 0 after the second step
    EXPECT_EQ(last.infsize, 0);
    pixel(0.25, 0);  // creeps up to 1/2
    EXPECT_NEAR(last.infsize, 0.25, 1e-15);
}

TEST(JuliaPeriod, DefaultConstantHasPeriodEleven) {
    Attractor cycle;
    EXPECT_EQ(juliaperiod(0.32, 0.043, cycle), 11);
    double dx = cycle.x[11] - cycle.x[0], dy = cycle.y[11] - cycle.y[0];
    EXPECT_LT(std::sqrt(dx * dx + dy * dy), 0.0001);
    // c = 0 is attracted to the fixed point 0.
    EXPECT_EQ(juliaperiod(0, 0, cycle), 1);
    // c = -1: the 2-cycle 0, -1.
    EXPECT_EQ(juliaperiod(-1, 0, cycle), 2);
    // An escaping orbit leaves the table at 0 and period 1.
    EXPECT_EQ(juliaperiod(1, 1, cycle), 1);
    EXPECT_EQ(cycle.x[5], 0);
}

TEST_F(Mandelbrot, JuliaLevelSets) {
    s().method = 1;
    s().inside = 4;
    s().pc[0].jcx = -1;
    s().pc[0].jcy = 0;
    s().pc[0].p1 = 0.001;
    // z = 0 reaches the cycle point -1 on the first step: n = 1, 1 * palint / 2 + 48.
    EXPECT_EQ(pixel(0, 0), 1 * 1 / 2 + 48 + 1);
    EXPECT_EQ(s().jperiod, 2);
    s().palint = 2;
    EXPECT_EQ(pixel(0, 0), 1 * 2 / 2 + 48 + 1);
    // Escaping points keep their plain count.
    EXPECT_EQ(pixel(3, 0), 3);
}

}  // namespace
}  // namespace zoquel
