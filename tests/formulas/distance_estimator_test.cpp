#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "formulas/distance_estimator.h"
#include "formula_fixture.h"

namespace zoquel {
namespace {

// Records the notice; a window smaller than the image.
class NoticeHost : public HeadlessHost {
public:
    Surface& screen() override { return window; }
    MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon,
                              MessageButtons) override {
        notices.push_back(caption + "|" + text);
        return MessageAnswer::ok;
    }
    Surface window{30, 20, pack(1, 2, 3)};
    std::vector<std::string> notices;
};

class DistanceEstimator : public PixelTest<NoticeHost> {
protected:
    void SetUp() override {
        PixelTest::SetUp();
        choose(38, 0);
        s().xres = 40;
        s().yres = 30;
        live().image.resize(40, 30);
    }
    // Plots until the driver waits after the preliminary pass; the driver calls it took.
    int plot_to_the_wait() {
        live().render.okfractal = true;
        int calls = 0;
        while (!awaiting_input(live()) && live().render.okfractal && calls < 1000) {
            fractaldriver(live());
            ++calls;
        }
        return calls;
    }
    // The largest distance the preliminary pass finds for the live settings.
    double maxdistance() {
        const ImageStart start = start_image(s());
        const auto pass = implementation(38).preliminary(ImageInput{s(), start.geometry, start.cycle, host, live().memory});
        std::vector<Pixel> row(std::size_t(s().xres));
        double largest = 0;
        for (int y = 0; y < s().yres; ++y) largest = pass->combine(largest, pass->row(y, row.data()));
        return largest;
    }
};

TEST_F(DistanceEstimator, ExplainsOnlyTheFirstImageAndWaitsForEveryOne) {
    // The preliminary pass is a row per driver call, then the render waits.
    EXPECT_EQ(plot_to_the_wait(), 30);
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_EQ(host.notices[0], std::string("Distance Estimator|") + kDistanceEstimatorNotice);
    // Waiting takes no work and draws nothing: the driver just says so.
    EXPECT_EQ(fractaldriver(live()).kind, DriverStep::Kind::awaiting_input);
    EXPECT_EQ(live().image.get_pixel(5, 5), kBlack);
    ASSERT_TRUE(deliver_input(live(), StopRequest::click));
    EXPECT_FALSE(awaiting_input(live()));
    int rows = 0;
    while (live().render.okfractal) rows += fractaldriver(live()).kind != DriverStep::Kind::awaiting_input;
    EXPECT_EQ(rows, 30);
    EXPECT_NE(live().image.get_pixel(5, 5), kStockGrey);
    // The next image waits again, without the notice.
    s().method = 1;
    plot_to_the_wait();
    EXPECT_TRUE(awaiting_input(live()));
    EXPECT_EQ(host.notices.size(), 1u);
    // A headless render goes on by itself.
    restart_render(live());
    EXPECT_TRUE(render_image(live()));
    EXPECT_FALSE(live().render.okfractal);
}

TEST_F(DistanceEstimator, SketchGoesToTheWindowInBlackAndWhite) {
    live().image.fill(pack(9, 9, 9));
    plot_to_the_wait();
    int white = 0;
    for (int y = 0; y < host.window.height(); ++y)
        for (int x = 0; x < host.window.width(); ++x) {
            const Pixel p = host.window.get_pixel(x, y);
            ASSERT_TRUE(p == kBlack || p == kWhite) << x << "," << y;
            white += p == kWhite;
        }
    EXPECT_GT(white, 0);
    EXPECT_LT(white, 30 * 20);
    // The sketch is not part of the image.
    EXPECT_EQ(live().image.get_pixel(5, 5), pack(9, 9, 9));
}

TEST_F(DistanceEstimator, TheSketchGivesTheSameLargestDistanceOnEveryThreadCount) {
    s().xres = s().yres = 64;
    const double serial = maxdistance();
    ASSERT_GT(serial, 0);
    for (int threads : {1, 3}) {
        set_render_threads(threads);
        restart_render(live());
        render_image(live());
        const Surface threaded = live().image;
        set_render_threads(1);
        // The image scaled by the largest distance is the one a serial pass gives.
        LiveState reference;
        reference.host = &host;
        reference.memory.firsttimetext = false;
        reference.settings = s();
        render_image(reference);
        EXPECT_EQ(threaded, reference.image) << threads;
    }
}

TEST_F(DistanceEstimator, PointsThatStayInsideReturnOne) {
    EXPECT_EQ(pixel(0, 0), 1);
    EXPECT_LE(size, 16);
    EXPECT_EQ(pixel(-1, 0), 1);
}

TEST_F(DistanceEstimator, JuliaLevelSetsCountTheCaptureSteps) {
    s().method = 1;
    s().inside = 4;
    s().params().jcx = 0;
    s().params().jcy = 0;  // the attractor of z^2 is the fixed point 0, period 1
    // z = 0.5: 0.25, 0.0625, 0.0039, 1.5e-5 < 0.001 after four steps.
    s().params().p0 = 0.001;
    EXPECT_EQ(pixel(0.5, 0), 4 / 1 + 49);
    // Without the capture the orbit runs to the limit and the count is the limit's.
    s().inside = 0;
    EXPECT_EQ(pixel(0.5, 0), 1);
}

TEST_F(DistanceEstimator, FirstStepEscapeUsesTheDistanceOfZ) {
    s().params().p1 = 0;  // no border: every escaping point is shifted
    const double distmax = maxdistance();
    ASSERT_GT(distmax, 0);
    // c = 20 escapes at once with derivative 1.
    const double dist = std::log(400.0) * 20;
    const int term = int(std::fmod(std::trunc(dist / distmax * 256), 255.0));
    EXPECT_EQ(pixel(20, 0), (1 + term) % 255 + 1);
    EXPECT_EQ(size, 20);
}

TEST_F(DistanceEstimator, ResultStaysInThePalette) {
    for (double threshold : {0.0, 0.2, 5.0}) {
        for (int maxiter : {254, 255, 256, 1000}) {
            s().params().p1 = threshold;
            s().maxiter = maxiter;
            for (int method : {0, 1}) {
                s().method = method;
                for (int inside : {0, 3, 4}) {
                    s().inside = inside;
                    const PreparedImage image = prepare();
                    for (double x = -2.2; x < 1; x += 0.13)
                        for (double y = -1.4; y < 1.5; y += 0.21) {
                            const int n = image.image->pixel(x, y).n;
                            ASSERT_GE(n, 1);
                            ASSERT_LE(n, 255);
                        }
                }
            }
        }
    }
}

TEST_F(DistanceEstimator, AnImageWithNoDistanceShiftsNothing) {
    // A view wholly inside the set: the preliminary pass finds no distance at all.
    s().view() = View{-0.1, 0.1, -0.1, 0.1};
    s().params().p1 = 0;
    EXPECT_EQ(maxdistance(), 0);
    EXPECT_EQ(pixel(20, 0), 2);
}

TEST_F(DistanceEstimator, OverflowingDerivativeKeepsThePlainCount) {
    s().params().p2 = 0.5;  // the first derivative step (1) already overflows
    s().params().p1 = 0;
    EXPECT_EQ(pixel(20, 0), 2);
}

}  // namespace
}  // namespace zoquel
