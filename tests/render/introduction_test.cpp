#include <gtest/gtest.h>

#include <vector>

#include "model/settings.h"
#include "model/type_memory.h"
#include "render/introduction.h"
#include "support/presenting_host.h"

namespace zoquel {
namespace {

class IntroductionSteps : public ::testing::Test {
protected:
    StepResult step() {
        Canvas canvas(image, host.screen());
        const StepResult r = intro.step(canvas, context);
        canvas.present(host);
        return r;
    }
    Surface image{600, 600, kBlack};
    PresentingHost host;
    Settings settings;
    TypeMemory memory;
    StepContext context{settings, host, memory};
    Introduction intro;
};

constexpr Pixel kUntouched = pack(1, 2, 3);

TEST_F(IntroductionSteps, SixFramesAtOnceThenEightSetsHalfASecondApart) {
    host.screen().resize(700, 650, kBlack);
    for (int i = 0; i < 6; ++i) {
        const StepResult r = step();
        EXPECT_TRUE(r.more);
        EXPECT_EQ(r.delay_ms, 0);
    }
    for (int i = 0; i < 8; ++i) {
        image.fill(kUntouched);
        const StepResult r = step();
        EXPECT_EQ(r.more, i < 7) << i;
        EXPECT_EQ(r.delay_ms, i < 7 ? 500 : 0) << i;
        // Every step computes the 576 x 576 pixels inside the frames, and only those.
        long computed = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 600; ++x)
                if (image.get_pixel(x, y) != kUntouched) {
                    ++computed;
                    ASSERT_TRUE(x >= 12 && x < 588 && y >= 12 && y < 588) << x << "," << y;
                }
        EXPECT_EQ(computed, 576L * 576L);
        EXPECT_EQ(host.shown.back(), (Rect{12, 12, 588, 588}));
    }
    EXPECT_FALSE(step().more);
}

TEST_F(IntroductionSteps, BevelledFramesInTheirShades) {
    host.screen().resize(600, 600, kBlack);
    for (int i = 0; i < 6; ++i) step();
    const auto shade = [](int i) { return i == 2 ? pack(215, 225, 235) : pack(215 - 10 * i, 225 - 10 * i, 235 - 10 * i); };
    for (int i = 0; i < 6; ++i) {
        // The pen is two pixels wide: each frame covers two columns on the left and two rows on top.
        for (int d : {2 * i, 2 * i + 1}) {
            EXPECT_EQ(image.get_pixel(d, 300), shade(i)) << i;
            EXPECT_EQ(image.get_pixel(300, d), shade(i)) << i;
        }
        EXPECT_EQ(image.get_pixel(599 - 2 * i, 300), shade(i)) << i;
        EXPECT_EQ(image.get_pixel(300, 599 - 2 * i), shade(i)) << i;
        // Closed: the top-left corner of each frame is drawn.
        EXPECT_EQ(image.get_pixel(2 * i, 2 * i), shade(i)) << i;
    }
    EXPECT_EQ(image.get_pixel(12, 300), kBlack);
    EXPECT_EQ(host.screen(), image);
}

TEST_F(IntroductionSteps, TheScreenShowsOnlyWhatItHasRoomFor) {
    // A window smaller than the image in one direction and larger in the other.
    Surface& screen = host.screen();
    screen.resize(300, 700, pack(9, 9, 9));
    while (step().more) {
    }
    for (int y = 0; y < 700; y += 3)
        for (int x = 0; x < 300; x += 3) {
            if (y < 600)
                ASSERT_EQ(screen.get_pixel(x, y), image.get_pixel(x, y)) << x << "," << y;
            else
                ASSERT_EQ(screen.get_pixel(x, y), pack(9, 9, 9)) << x << "," << y;
        }
    for (const Rect& r : host.shown) EXPECT_EQ(r.intersected(Rect{0, 0, 300, 600}), r);
}

}  // namespace
}  // namespace zoquel
