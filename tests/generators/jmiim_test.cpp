#include <cmath>

#include "generator_fixture.h"
#include "generators/jmiim.h"

namespace zoquel {
namespace {

class InverseIteration : public GeneratorTest {
protected:
    // Steps until the set is complete; the steps taken.
    int draw(InverseJulia& g) {
        int steps = 1;
        while (step(g).more) ++steps;
        return steps;
    }
};

TEST(InverseIterate, BothSquareRootsOfZMinusC) {
    double xp, yp, xn, yn;
    inverseiterate(3, 4, 0, 0, xp, yp, xn, yn);  // sqrt(3 + 4i) = 2 + i
    EXPECT_NEAR(xp, 2, 1e-12);
    EXPECT_NEAR(yp, 1, 1e-12);
    EXPECT_EQ(xn, -xp);
    EXPECT_EQ(yn, -yp);
    inverseiterate(-4, -1e-300, 0, 0, xp, yp, xn, yn);  // the root in the closed upper half
    EXPECT_GE(yp, 0);
    EXPECT_NEAR(yp, 2, 1e-12);
}

TEST_F(InverseIteration, OneHitAndEightLevelsGiveAtMost255PointsAStartPoint) {
    use(32, 1, 200, 200);
    s.maxhits = 1;
    s.maxdepth = 8;
    auto g = make<InverseJulia>();
    draw(*g);
    EXPECT_GT(g->drawn(), 8);
    EXPECT_LE(g->drawn(), 2 * 255);
}

TEST_F(InverseIteration, CZeroDrawsTheUnitCircleFromTheFixedPointOneOnly) {
    use(32, 1, 200, 200);
    s.pc[32].jcx = s.pc[32].jcy = 0;
    auto g = make<InverseJulia>();
    draw(*g);
    // Every drawn pixel lies on the unit circle, within a pixel (the view is 4 wide).
    int drawn = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            if (image.get_pixel(x, y) != kBlack) continue;
            const double px = -2 + (x + 0.5) * 4.0 / 200, py = -2 + (200 - y - 0.5) * 4.0 / 200;
            EXPECT_NEAR(std::hypot(px, py), 1, 0.03) << x << "," << y;
            ++drawn;
        }
    EXPECT_GT(drawn, 300);
}

TEST_F(InverseIteration, TheDefaultSetIsDrawnInStepsAndEveryPlotStartsAfresh) {
    use(32, 1, 300, 300);
    auto g = make<InverseJulia>();
    int steps = 1;
    StepResult r;
    while ((r = step(*g)).more) ++steps;
    EXPECT_GT(steps, 1);  // the window gets a turn between parts of the walk
    EXPECT_TRUE(r.firstloop);
    EXPECT_GT(pixels_other_than(pack(255, 255, 255)), 2000);
}

TEST_F(InverseIteration, PointsOutsideTheViewAndTallImagesStayInsideTheGrid) {
    // A view that cuts the set: preimages leave it, their cells are still followed.
    for (auto [w, h] : {std::pair{32, 400}, {400, 32}, {33, 33}}) {
        use(32, 1, w, h);
        s.view() = View{-0.5, 0.3, -0.1, 0.9};
        s.maxhits = 256;
        s.maxdepth = 8192;
        auto g = make<InverseJulia>();
        draw(*g);
        EXPECT_GT(g->drawn(), 0);
    }
    use(32, 1, 50, 50);
    auto g = make<InverseJulia>();
    EXPECT_EQ(g->cell(-2, -2), 49 * 50);  // the bottom-left corner
    // Left of the view: the cell of a pixel at the right edge, a row up.
    EXPECT_EQ(g->cell(-3, 0), 24 * 50 - 12);
    EXPECT_EQ(g->cell(0, 10), -1);        // far above the view: no cell
}

}  // namespace
}  // namespace zoquel
