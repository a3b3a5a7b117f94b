#include <cmath>

#include "generator_fixture.h"
#include "generators/chaos.h"

namespace zoquel {
namespace {

class Chaos : public GeneratorTest {};

TEST_F(Chaos, TheFirstPolygonBatchSkipsAHundredPointsAndLaterOnesNone) {
    use(31, 0, 200, 200);
    auto g = make<ChaosGame>();
    EXPECT_FALSE(step(*g).more);
    EXPECT_EQ(g->plotted(), 499900);
    step(*g);
    EXPECT_EQ(g->plotted(), 999900);
    // The fresh image was cleared to the outside colour; the triangle's corners lie inside.
    EXPECT_EQ(image.get_pixel(0, 0), pack(255, 255, 255));
    EXPECT_EQ(g->vertices()[0][0], 100);
    EXPECT_DOUBLE_EQ(g->vertices()[1][0], 20);
}

TEST_F(Chaos, HitCountsPickThePaletteEntryOfTheHitsBefore) {
    use(31, 0, 300, 300);
    s.scmode = 1;
    s.palette = greyscale_palette();
    auto g = make<ChaosGame>();
    step(*g);
    int once = 0, many = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x) {
            const Pixel p = image.get_pixel(x, y);
            if (g->hits(x, y) == 1 && p != pack(255, 255, 255)) {
                EXPECT_EQ(p, pack(0, 0, 0)) << x << "," << y;  // entry 0
                ++once;
            }
        }
    EXPECT_GT(once, 0);
    // On a small image pixels are hit hundreds of times.
    use(31, 0, 50, 50);
    s.scmode = 1;
    s.palette = greyscale_palette();
    auto small = make<ChaosGame>();
    step(*small);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            if (small->hits(x, y) > 256) {
                EXPECT_EQ(image.get_pixel(x, y), pack(255, 255, 255)) << x << "," << y;  // entry 255
                ++many;
            }
    EXPECT_GT(many, 0);
    // Changing only the colouring keeps the counters and the picture.
    const std::uint32_t before = g->hits(150, 200);
    const Surface picture = image;
    s.scmode = 0;
    step(*g);
    EXPECT_EQ(g->hits(150, 200), before);
    int kept = 0;
    for (std::size_t i = 0; i < picture.pixels().size(); ++i) kept += picture.pixels()[i] == image.pixels()[i];
    EXPECT_GT(kept, 0);
}

TEST_F(Chaos, SmallAndTallImagesKeepEveryPointAndCounterInside) {
    // Corners outside the image: the pentagon on a flat one, the square on a tall one.
    for (auto [mode, w, h] : {std::tuple{2, 200, 32}, {1, 32, 200}, {3, 32, 32}, {4, 33, 200}}) {
        use(31, 0, w, h);
        s.smode = mode;
        s.scmode = 1;
        auto g = make<ChaosGame>();
        step(*g);
        step(*g);
        EXPECT_LE(g->plotted(), 999900);
    }
}

TEST_F(Chaos, LaceDrawsItsBatchInLaceColoursAndKeepsItsOwnScale) {
    use(31, 1, 200, 200);
    s.pc[31].p2 = 7;
    s.scale = 25;  // the gingerbread men's
    auto g = make<ChaosGame>();
    step(*g);
    EXPECT_GT(g->plotted(), 0);
    EXPECT_LE(g->plotted(), 99900);
    EXPECT_EQ(s.scale, 25);
    int drawn = 0;
    for (Pixel p : image.pixels()) {
        if (p == pack(255, 255, 255)) continue;
        const Rgb c = unpack(p);
        ASSERT_TRUE(c.r >= 1 && c.g >= 1 && c.b >= 1) << std::hex << p;
        ++drawn;
    }
    EXPECT_GT(drawn, 100);
    // At the defaults (scale 4) a unit is a quarter of the image each way, from the middle of
    // the width and 7/16 of the height; y grows downward.
    Point at;
    ASSERT_TRUE(ChaosGame::lace_pixel(0, 0, 400, 400, 4, at));
    EXPECT_EQ(at.x, 200);
    EXPECT_EQ(at.y, 175);
    ASSERT_TRUE(ChaosGame::lace_pixel(1, 1, 400, 400, 4, at));
    EXPECT_EQ(at.x, 300);
    EXPECT_EQ(at.y, 275);
    ASSERT_TRUE(ChaosGame::lace_pixel(-0.999, -0.5, 400, 400, 4, at));  // trunc toward zero
    EXPECT_EQ(at.x, 100);
    EXPECT_FALSE(ChaosGame::lace_pixel(2.1, 0, 400, 400, 4, at));
    EXPECT_FALSE(ChaosGame::lace_pixel(std::nan(""), 0, 400, 400, 4, at));
}

TEST_F(Chaos, TheSameClockGivesTheSamePicture) {
    use(31, 0, 80, 80);
    // Hit counts show the walk itself, not only the set it fills.
    s.scmode = 1;
    s.palette = greyscale_palette();
    auto a = make<ChaosGame>();
    step(*a);
    const Surface first = image;
    auto b = make<ChaosGame>();
    step(*b);
    EXPECT_EQ(image, first);
    host.fixed_time = 99;
    image.fill(kBlack);
    auto c = make<ChaosGame>();
    step(*c);
    EXPECT_NE(image, first);
}

}  // namespace
}  // namespace zoquel
