#include <cmath>

#include "generator_fixture.h"
#include "generators/orbits.h"

namespace zoquel {
namespace {

class OrbitsTest : public GeneratorTest {
protected:
    void draw(Orbits& g) {
        while (step(g).more) {
        }
    }
    // The steps of a trace of pixel p, run to its end.
    int trace_steps(const Orbits& g, Point p) {
        WholeImagePtr t = g.trace(p, s);
        EXPECT_TRUE(t);
        int steps = 0;
        while (t && step(*t).more) ++steps;
        return steps + 1;
    }
};

TEST_F(OrbitsTest, FixedColoursInsideAndOutside) {
    use(39, 0, 120, 120);
    auto g = make<Orbits>();
    // Inside: k = trunc(250 sqrt(s)) mod 255 + 1; at c = 0 the orbit stays at 0.
    EXPECT_EQ(g->colour_at(0, 0), pack(0, 64, 40));
    // Escaped: red 12, blue 160, green between 80 and 112.
    const Rgb out = unpack(g->colour_at(1, 1));
    EXPECT_EQ(out.r, 12);
    EXPECT_EQ(out.b, 160);
    EXPECT_TRUE(out.g >= 70 && out.g <= 125) << int(out.g);
    // The image is drawn a row a step and only then can be traced.
    EXPECT_EQ(g->trace(Point{1, 1}, s), nullptr);
    int steps = 1;
    while (step(*g).more) ++steps;
    EXPECT_EQ(steps, 120);
    EXPECT_EQ(image.get_pixel(60, 0), g->colour_at(-2 + 60 * 3.0 / 119, 1.5));
}

TEST_F(OrbitsTest, TheFirstImageSetsTheLimitAndExplainsItselfOnce) {
    use(39, 1, 60, 60);
    s.maxiter = 200;
    auto g = make<Orbits>();
    draw(*g);
    EXPECT_EQ(s.maxiter, 32);
    EXPECT_FALSE(memory.firstorbit);
    EXPECT_EQ(s.cxsave, -0.8);
    EXPECT_EQ(s.cysave, 0.1);
    s.maxiter = 200;
    auto h = make<Orbits>();
    draw(*h);
    EXPECT_EQ(s.maxiter, 200);
}

TEST_F(OrbitsTest, AnInsidePointTracesTheLimitAFarOneStopsWhenItLeaves) {
    use(39, 0, 120, 120);
    auto g = make<Orbits>();
    draw(*g);
    // c = -1: 0, -1, 0, -1, ... stays inside: a dot, then 32 steps.
    const int column = int(std::lround((-1 - -2.0) * 119 / 3)), row = int(std::lround((1.5 - 0) * 119 / 3));
    EXPECT_EQ(trace_steps(*g, Point{column, row}), 1 + 32);
    // The top-right corner, c = 1 + 1.5i: |z| passes 16 at the third step.
    s.pc[39].maxsize = 16;
    EXPECT_EQ(trace_steps(*g, Point{119, 0}), 1 + 3);
    // A trace draws over the image; erasing puts the clean image back.
    const Surface traced = image;
    Canvas canvas(image, screen);
    ASSERT_TRUE(g->restore_clean(canvas));
    EXPECT_NE(traced, image);
    const Surface clean = image;
    auto fresh = make<Orbits>();
    draw(*fresh);
    EXPECT_EQ(image, clean);
    // Each trace starts from the clean image: only the last orbit shows.
    trace_steps(*g, Point{119, 0});
    EXPECT_EQ(image, traced);
}

TEST_F(OrbitsTest, TraceSegmentsAndDotsStayInTheImage) {
    use(39, 1, 50, 40);
    s.maxiter = 16384;
    s.pc[39].maxsize = 1e10;  // orbits that wander far off the image
    auto g = make<Orbits>();
    draw(*g);
    for (Point p : {Point{0, 0}, Point{49, 39}, Point{25, 20}, Point{49, 0}}) trace_steps(*g, p);
    Surface image5(5, 5);
    Canvas c(image5, image5);
    EXPECT_EQ(drawdot(c, Where::both, 0, 0, image5.bounds(), kWhite), 3);
    EXPECT_EQ(drawdot(c, Where::both, 2, 2, image5.bounds(), kWhite), 5);
}

}  // namespace
}  // namespace zoquel
