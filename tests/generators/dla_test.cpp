#include <cmath>
#include <map>

#include "generator_fixture.h"
#include "generators/dla.h"

namespace zoquel {
namespace {

class Dla : public GeneratorTest {
protected:
    // Steps until the run ends (or the limit); the steps taken.
    long run(Aggregation& g, long limit = 5000000) {
        long steps = 0;
        while (steps < limit && step(g).more) ++steps;
        return steps;
    }
    int count(Pixel colour) const {
        int n = 0;
        for (Pixel p : image.pixels()) n += p == colour;
        return n;
    }
};

TEST_F(Dla, OnASmallImageTheRunEndsAtTheFirstParticleThatMissesTheSeed) {
    use(34, 0, 40, 40);
    auto g = make<Aggregation>();
    run(*g);
    EXPECT_EQ(g->last_end(), Aggregation::End::limit);
    EXPECT_EQ(g->radius(), 11);
    // Every particle that stuck touched the seed itself.
    const Pixel background = pack(255, 255, 255);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (image.get_pixel(x, y) != background) {
                EXPECT_LE(std::hypot(x - 20, y - 20), 1.5) << x << "," << y;
            }
    EXPECT_EQ(count(background), 40 * 40 - 1 - g->particles());
}

TEST_F(Dla, SolidInsideColourForAllOtherwiseThePaletteFromEntryOne) {
    use(34, 0, 200, 200);
    s.rin = 10, s.gin = 20, s.bin = 30;
    auto solid = make<Aggregation>();
    for (int i = 0; i < 300; ++i) step(*solid);
    EXPECT_EQ(count(pack(10, 20, 30)), solid->particles() + 1);
    use(34, 0, 200, 200);
    s.inside = 1;
    s.palette = greyscale_palette();
    auto cycled = make<Aggregation>();
    while (cycled->particles() < 100) step(*cycled);
    // 64 particles (and the seed) in entry 1, then entry 2.
    EXPECT_EQ(count(pack(1, 1, 1)), 65);
    EXPECT_EQ(count(pack(2, 2, 2)), 36);
}

TEST_F(Dla, PauseKeepsTheClusterAClickEndsIt) {
    use(34, 0, 200, 200);
    auto g = make<Aggregation>();
    for (int i = 0; i < 50; ++i) step(*g);
    const long stuck = g->particles();
    g->stop_request(StopRequest::pause);
    StepResult r = step(*g);
    EXPECT_FALSE(r.more);
    EXPECT_FALSE(r.firstloop);
    const Surface cluster = image;
    // The next plot goes on: nothing cleared, more particles.
    g->begin_plot();
    for (int i = 0; i < 20; ++i) step(*g);
    EXPECT_GT(g->particles(), stuck);
    for (std::size_t i = 0; i < cluster.pixels().size(); ++i)
        if (cluster.pixels()[i] != pack(255, 255, 255)) {
            ASSERT_NE(image.pixels()[i], pack(255, 255, 255));
        }
    g->stop_request(StopRequest::click);
    r = step(*g);
    EXPECT_FALSE(r.more);
    EXPECT_TRUE(r.firstloop);
    EXPECT_EQ(g->last_end(), Aggregation::End::click);
}

TEST_F(Dla, AClusterInTheBackgroundColourStillEndsItsRun) {
    for (int method : {0, 1}) {
        use(34, method, 60, 60);
        s.rin = s.gin = s.bin = 255;  // the outside colour
        auto g = make<Aggregation>();
        run(*g);
        EXPECT_EQ(g->last_end(), Aggregation::End::limit) << method;
        EXPECT_GT(count(pack(254, 255, 255)), 0);
    }
    // A palette entry equal to the background is changed the same way.
    use(34, 0, 60, 60);
    s.inside = 1;
    s.palette[1] = Rgb{255, 255, 255};
    auto g = make<Aggregation>();
    run(*g);
    EXPECT_EQ(g->last_end(), Aggregation::End::limit);
    EXPECT_EQ(s.palette[1], (Rgb{255, 255, 255}));  // the user's palette is left alone
}

TEST_F(Dla, ACentripetalRunOnAWideImageShrinksItsCircleToFit) {
    use(34, 1, 300, 60);
    auto g = make<Aggregation>();
    // The first particle, launched beyond the top or bottom edge or near the side of the
    // ellipse, sticks after its own first move, never at a position left from before.
    while (g->particles() == 0) ASSERT_TRUE(step(*g).more);
    EXPECT_GE(g->radius(), 128);
    EXPECT_LE(g->radius(), 138);
    for (int i = 0; i < 40; ++i) step(*g);
    EXPECT_LT(g->radius(), 128);
    run(*g);
    EXPECT_EQ(g->last_end(), Aggregation::End::limit);
    // Tall too: every pixel written stays in the image (the sanitizer build checks).
    use(34, 1, 40, 300);
    auto tall = make<Aggregation>();
    run(*tall);
}

TEST_F(Dla, TheHelpComesBeforeTheFirstRunOnly) {
    use(34, 0, 300, 300);
    auto g = make<Aggregation>();
    step(*g);
    EXPECT_FALSE(memory.firstdla);
}

}  // namespace
}  // namespace zoquel
