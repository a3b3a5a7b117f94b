#include <cmath>
#include <limits>

#include "generator_fixture.h"
#include "generators/pgm.h"

namespace zoquel {
namespace {

TEST(PgmStep, FormulaZeroIsTheUnperturbedMap) {
    for (auto [x0, y0] : {std::pair{-0.1, 0.0}, std::pair{3.5, -2.25}, std::pair{-7.0, 4.0}}) {
        double x = x0, y = y0;
        pgm_step(0, x, y);
        EXPECT_EQ(x, 1 - y0 + std::fabs(x0));
        EXPECT_EQ(y, x0);
    }
}

TEST(PgmStep, PerturbationsReadTheCurrentPointAndGuardOnlyTheirZeroDivisors) {
    double x = 0.5, y = 2.0;
    pgm_step(2, x, y);
    EXPECT_DOUBLE_EQ(x, 1 - 2.0 + 0.5 + 1e-4 * std::cos(0.5 * 2.0));
    // Formula 5 divides by sin |y|: an exact zero becomes 1e-6 first, in the orbit too.
    x = 1, y = 0;
    pgm_step(5, x, y);
    EXPECT_DOUBLE_EQ(x, 1 - 1e-6 + 1 + 5e-6 * std::cos(1e-6) / std::sin(1e-6));
    EXPECT_EQ(y, 1);
    x = 0, y = 0.25;
    pgm_step(6, x, y);
    EXPECT_DOUBLE_EQ(x, 1 - 0.25 + 1e-6 + 5e-5 * std::cos(0.25) / std::sin(1e-6));
    EXPECT_EQ(y, 1e-6);
}

TEST(PgmPlotPosition, TheOriginAThirdInAndOnlyPixelsOfTheImage) {
    Point at;
    ASSERT_TRUE(GingerbreadMen::plot_position(0, 0, 25, 640, 480, at));
    EXPECT_EQ(at, (Point{213, 160}));
    // Truncated toward zero: just left of the edge still lands on column 0.
    ASSERT_TRUE(GingerbreadMen::plot_position(-213.5 / 25, 0, 25, 640, 480, at));
    EXPECT_EQ(at.x, 0);
    EXPECT_FALSE(GingerbreadMen::plot_position(-214.5 / 25, 0, 25, 640, 480, at));
    EXPECT_FALSE(GingerbreadMen::plot_position(0, -161.0 / 25, 25, 640, 480, at));
    EXPECT_FALSE(GingerbreadMen::plot_position(427.0 / 25, 0, 25, 640, 480, at));
    ASSERT_TRUE(GingerbreadMen::plot_position(426.9 / 25, 319.9 / 25, 25, 640, 480, at));
    EXPECT_EQ(at, (Point{639, 479}));
    EXPECT_FALSE(GingerbreadMen::plot_position(0, 320.0 / 25, 25, 640, 480, at));
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = HUGE_VAL;
    EXPECT_FALSE(GingerbreadMen::plot_position(nan, 0, 25, 640, 480, at));
    EXPECT_FALSE(GingerbreadMen::plot_position(0, -inf, 25, 640, 480, at));
    EXPECT_FALSE(GingerbreadMen::plot_position(1e300, 0, 100, 640, 480, at));
}

class Pgm : public GeneratorTest {
protected:
    // The image of `calls` plots, drawn from the map on its own: each plot 600,000 points from
    // where the last one stopped, sweeping the palette from entry 1, on the image left as it was.
    Surface expected(int calls) const {
        Surface e(s.xres, s.yres, pack(s.rback, s.gback, s.bback));
        double x = s.pgmx0[std::size_t(s.pgmindex)], y = s.pgmy0[std::size_t(s.pgmindex)];
        for (int call = 0; call < calls; ++call) {
            for (int i = 1; i <= 600000; ++i) {
                pgm_step(s.pgmindex, x, y);
                const int entry = 1 + (i / 2353) % 255;
                const double px = std::trunc(s.scale * x + s.xres / 3), py = std::trunc(s.scale * y + s.yres / 3);
                if (px >= 0 && px < s.xres && py >= 0 && py < s.yres) e.set_pixel(int(px), int(py), pack(s.palette[std::size_t(entry)]));
            }
        }
        return e;
    }
};

TEST_F(Pgm, APlotDrawsTheOrbitAndTheNextGoesOnWithIt) {
    for (int index : {0, 7}) {
        use(6, 0, 160, 120);
        s.pgmindex = index;
        s.scale = 7;
        s.rback = 5, s.gback = 6, s.bback = 7;
        s.palette = greyscale_palette();
        auto g = make<GingerbreadMen>();
        const StepResult first = step(*g);
        EXPECT_FALSE(first.more);
        EXPECT_EQ(image, expected(1)) << index;
        EXPECT_EQ(screen, image);
        g->begin_plot();
        step(*g);
        EXPECT_EQ(image, expected(2)) << index;
        EXPECT_GT(g->plotted(), 0);
    }
}

TEST_F(Pgm, AnOrbitThatLeavesForInfinityDrawsNothingMore) {
    use(6, 0, 64, 64);
    s.pgmindex = 1;
    s.pgmx0[1] = 1e300, s.pgmy0[1] = -1e300;
    auto g = make<GingerbreadMen>();
    step(*g);
    EXPECT_EQ(pixels_other_than(pack(s.rback, s.gback, s.bback)), 0);
}

}  // namespace
}  // namespace zoquel
