#include <gtest/gtest.h>

#include "formulas/boundary_tracer.h"
#include "formulas/mandelbrot.h"
#include "formula_fixture.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

class BoundaryTracer : public FormulaTest {
protected:
    void SetUp() override {
        FormulaTest::SetUp();
        choose(35, 0);
        s().xres = 60;
        s().yres = 60;
    }
};

TEST_F(BoundaryTracer, EscapingPixelsAreNeverOnTheBorder) {
    int border = 0;
    const View v = s().view();
    for (int j = 0; j < 60; ++j)
        for (int i = 0; i < 60; ++i) {
            const double x = v.xmin + i * (v.xmax - v.xmin) / 59, y = v.ymin + j * (v.ymax - v.ymin) / 59;
            const int n = pixel(x, y);
            live().settings.ftype = 0;
            const double msize = prepare().image->pixel(x, y).size;
            live().settings.ftype = 35;
            if (msize > 16) {
                ASSERT_EQ(n, 255) << x << "," << y;
                ASSERT_GT(size, 16);
            } else if (n == 0) {
                ++border;
                EXPECT_EQ(size, 0);
            } else {
                EXPECT_EQ(size, 17);  // bounded, neighbours too: outside colouring
            }
        }
    EXPECT_GT(border, 20);
}

TEST_F(BoundaryTracer, PixelUsesItsRadiusAndNeighboursSixteen) {
    // c = 1: 1, 2, 5, 26. With radius 2 the pixel escapes at the third step while its
    // neighbours, at radius 16, do not: not a border pixel.
    s().params().maxsize = 2;
    s().maxiter = 3;
    EXPECT_EQ(pixel(1, 0), 255);
    EXPECT_GT(size, 2);
    // With radius 1000 the pixel stays bounded for four steps while the neighbours pass 16.
    s().params().maxsize = 1000;
    s().maxiter = 4;
    EXPECT_EQ(pixel(1, 0), 0);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(zx, 26);  // the pixel's own last iterate
}

TEST_F(BoundaryTracer, ExactlyTwoSquaresPlainly) {
    s().maxiter = 6;
    const double cx = 0.1, cy = 0.2;
    double x = 0, y = 0;
    for (int n = 0; n < 6; ++n) {
        const double t = x * x - y * y + cx;
        y = x * y + y * x + cy;
        x = t;
    }
    pixel(cx, cy);
    EXPECT_EQ(zx, x);
    EXPECT_EQ(zy, y);
    s().params().p0 = 2.0000001;
    pixel(cx, cy);
    EXPECT_NE(zx, x);
    EXPECT_NEAR(zx, x, 1e-6);
}

TEST_F(BoundaryTracer, JuliaPlaneStartsAtThePixel) {
    choose_type(s(), live().firsttime, 35, 1);
    s().params().jcx = 0;
    s().params().jcy = 0;
    s().maxiter = 64;
    // z^2 with c = 0: the unit circle is the border.
    EXPECT_EQ(pixel(0.5, 0), 255);  // neighbours inside as well
    EXPECT_EQ(pixel(1.5, 0), 255);  // escapes
    s().xres = 4;                   // neighbours a whole unit away
    EXPECT_EQ(pixel(0.5, 0), 0);
}

}  // namespace
}  // namespace zoquel
