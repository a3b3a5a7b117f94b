#include <cmath>

#include "generator_fixture.h"
#include "generators/attractor.h"

namespace zoquel {
namespace {

class Attractors : public GeneratorTest {};

TEST(RotateXYZ, ZeroAnglesAreTheIdentityAnd360IsZero) {
    for (XYZ p : {XYZ{1, 2, 3}, XYZ{-0.5, 0.25, -4}, XYZ{3, -1, 0.5}}) {
        const XYZ same = rotatexyz(p, 0, 0, 0);
        EXPECT_NEAR(same.x, p.x, 1e-12);
        EXPECT_NEAR(same.y, p.y, 1e-12);
        EXPECT_NEAR(same.z, p.z, 1e-12);
        const XYZ full = rotatexyz(p, 360, 360, 360);
        EXPECT_NEAR(full.x, p.x, 1e-12);
        EXPECT_NEAR(full.y, p.y, 1e-12);
    }
    // A quarter turn about Z takes x to y.
    const XYZ q = rotatexyz(XYZ{1, 0, 0.5}, 0, 0, 90);
    EXPECT_NEAR(q.x, 0, 1e-12);
    EXPECT_NEAR(q.y, 1, 1e-12);
}

TEST_F(Attractors, LorenzHidesElevenStepsThenDrawsFromStepTen) {
    // Large enough that consecutive steps fall on different pixels.
    use(33, 0, 2800, 2800);
    image.fill(kBlack);
    Canvas canvas(image, screen);
    auto g = make<Attractor3D>();
    g->lorenz_batch(canvas, s, 11);
    EXPECT_EQ(pixels_other_than(kBlack), 0);
    const Point step10 = g->last_plotted();
    g->lorenz_batch(canvas, s, 1);  // a new batch hides its first eleven steps again
    EXPECT_EQ(pixels_other_than(kBlack), 0);
    // The twelfth step of a batch draws the segment from the eleventh's position, leaving
    // out its own.
    auto k = make<Attractor3D>();
    k->lorenz_batch(canvas, s, 12);
    const Point step11 = k->last_plotted();
    ASSERT_FALSE(step11.x == step10.x && step11.y == step10.y);
    EXPECT_NE(image.get_pixel(step10.x, step10.y), kBlack);
    EXPECT_EQ(image.get_pixel(step11.x, step11.y), kBlack);
}

TEST_F(Attractors, LorenzGoesOnFromPlotToPlot) {
    use(33, 0, 100, 100);
    auto g = make<Attractor3D>();
    step(*g);
    step(*g);
    // Twenty thousand Euler steps from (0.6, 0.6, 0.6).
    double x = 0.6, y = 0.6, z = 0.6;
    for (int i = 0; i < 2 * Attractor3D::kLorenzBatch; ++i) {
        const double x1 = x + 10 * (y - x) * 0.005, y1 = y + ((28 - z) * x - y) * 0.005,
                     z1 = z + (x * y - 2.6666666666666665 * z) * 0.005;
        x = x1, y = y1, z = z1;
    }
    EXPECT_EQ(g->lorenz_point().x, x);
    EXPECT_EQ(g->lorenz_point().z, z);
}

TEST_F(Attractors, KamTorusDrawsAnOrbitAStepAndEveryPlotDrawsItAgain) {
    use(33, 1, 32, 32);  // small: most points fall outside and are clipped
    auto g = make<Attractor3D>();
    g->begin_plot();
    int steps = 0;
    StepResult r;
    do {
        r = step(*g);
        ++steps;
        if (r.more) {
            EXPECT_EQ(r.delay_ms, Attractor3D::kTorusOrbitDelayMs);
        }
    } while (r.more && steps < 5000);
    EXPECT_EQ(steps, 1001);
    EXPECT_GT(pixels_other_than(pack(255, 255, 255)), 0);
    g->begin_plot();
    steps = 0;
    while (step(*g).more) ++steps;
    EXPECT_EQ(steps + 1, 1001);
    // Rotated far and on a wide image, still nothing outside.
    use(33, 1, 300, 40);
    s.pc[33].p0 = 90;
    s.pc[33].p2 = 45;
    auto h = make<Attractor3D>();
    while (step(*h).more) {
    }
}

}  // namespace
}  // namespace zoquel
