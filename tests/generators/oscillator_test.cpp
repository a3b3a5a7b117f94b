#include <set>

#include "generator_fixture.h"
#include "generators/oscillator.h"

namespace zoquel {
namespace {

class Oscillators : public GeneratorTest {};

// Counts the message boxes shown.
class CountingHost : public HeadlessHost {
public:
    MessageAnswer message_box(const std::string&, const std::string&, MessageIcon, MessageButtons) override {
        ++shown;
        return MessageAnswer::ok;
    }
    int shown = 0;
};

TEST(PlasmaColours, ASmoothCyclicWheelAsTabled) {
    EXPECT_EQ(kPlasmaColours[0], 0xB4C000u);
    EXPECT_EQ(kPlasmaColours[135], 0x5A28FCu);
    EXPECT_EQ(kPlasmaColours[255], 0xB8C400u);
    for (int i = 0; i < 256; ++i) {
        const Rgb a = unpack(kPlasmaColours[std::size_t(i)]), b = unpack(kPlasmaColours[std::size_t((i + 1) % 256)]);
        EXPECT_LE(std::abs(a.r - b.r), 6) << i;
        EXPECT_LE(std::abs(a.g - b.g), 6) << i;
        EXPECT_LE(std::abs(a.b - b.b), 6) << i;
    }
}

TEST(BallSprites, CirclesWithAMarkShadedAsDescribed) {
    const auto& sprites = ball_sprites();
    for (int p = 0; p < 8; ++p) {
        const int n = 19 - 2 * p;
        std::set<int> offsets;
        for (int u = 0; u < 19; ++u)
            for (int v = 0; v < 19; ++v) {
                const int o = sprites[std::size_t(p)][std::size_t(u)][std::size_t(v)];
                if (u >= n || v >= n) {
                    EXPECT_EQ(o, 0) << "sprite " << p;
                    continue;
                }
                EXPECT_TRUE(o >= 0 && o <= 4);
                if (o) offsets.insert(o);
            }
        // The ring touches the sprite's edges.
        EXPECT_NE(sprites[std::size_t(p)][std::size_t(n / 2)][0], 0) << p;
        EXPECT_NE(sprites[std::size_t(p)][0][std::size_t(n / 2)], 0) << p;
        const std::set<int> expected = p == 0 ? std::set<int>{1}
                                       : p <= 4 ? std::set<int>{1, 2, 3}
                                       : p <= 6 ? std::set<int>{1, 3, 4}
                                                : std::set<int>{4};
        EXPECT_EQ(offsets, expected) << "sprite " << p;
    }
    // The smallest ball is a 5 x 5 ring with nothing in its middle.
    EXPECT_EQ(sprites[7][2][2], 0);
}

TEST_F(Oscillators, TheUsageMessageComesOncePerRun) {
    use(36, 0, 100, 100);
    CountingHost counting;
    Canvas canvas(image, screen);
    StepContext context{s, counting, memory};
    auto first = make<Oscillator>();
    first->step(canvas, context);
    first->step(canvas, context);
    auto second = make<Oscillator>();
    second->step(canvas, context);
    EXPECT_EQ(counting.shown, 1);
}

TEST_F(Oscillators, TheSamardzijaTrailShowsItsNewest999Points) {
    use(36, 0, 400, 400);
    auto g = make<Oscillator>();
    for (int i = 0; i <= 1001; ++i) {
        const StepResult r = step(*g);
        EXPECT_TRUE(r.more);
        EXPECT_EQ(r.delay_ms, i > 1000 ? Oscillator::kSamardzijaDelayMs : 0) << i;
        if (i == 1000) {
            EXPECT_EQ(pixels_other_than(kBlack), 0);  // nothing before the 1002nd step
        }
    }
    EXPECT_GT(pixels_other_than(kBlack), 0);
    for (int i = 0; i < 5000; ++i) step(*g);
    EXPECT_LE(pixels_other_than(kBlack), 999);
    EXPECT_GT(pixels_other_than(kBlack), 100);
}

TEST_F(Oscillators, AStopRequestEndsTheAnimationAndThePictureStays) {
    for (int method : {0, 1}) {
        use(36, method, 200, 200);
        auto g = make<Oscillator>();
        for (int i = 0; i < 1500; ++i) step(*g);
        const Surface picture = image;
        g->stop_request(StopRequest::click);
        EXPECT_FALSE(step(*g).more);
        EXPECT_EQ(image, picture);
    }
}

TEST_F(Oscillators, TheLissajousBallRunsOnAnyImage) {
    // Below 80 pixels the amplitude is negative or zero; nothing leaves the image.
    for (auto [w, h] : {std::pair{300, 300}, {32, 32}, {80, 500}}) {
        use(36, 1, w, h);
        auto g = make<Oscillator>();
        for (int i = 0; i < 600; ++i) EXPECT_EQ(step(*g).delay_ms, Oscillator::kLissajousDelayMs);
        EXPECT_GT(pixels_other_than(kBlack), 0);
    }
    // The shadow stays: its grey builds up below the balls.
    use(36, 1, 300, 300);
    auto g = make<Oscillator>();
    for (int i = 0; i < 300; ++i) step(*g);
    int grey = 0;
    for (Pixel p : image.pixels()) grey += p == pack(64, 64, 64);
    EXPECT_GT(grey, 50);
}

}  // namespace
}  // namespace zoquel
