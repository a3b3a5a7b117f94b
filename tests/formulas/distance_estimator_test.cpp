#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "formulas/distance_estimator.h"
#include "formulas/mandelbrot.h"
#include "render/driver.h"
#include "render/live_state.h"
#include "render/side_channels.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

// Records the notice and the waits; a window smaller than the image.
class WaitingHost : public HeadlessHost {
public:
    Surface& screen() override { return window; }
    std::optional<InputEvent> poll_input() override {
        if (pending.empty()) return std::nullopt;
        InputEvent e = pending.front();
        pending.pop_front();
        return e;
    }
    InputEvent wait_input() override {
        ++waits;
        pending_at_wait = int(pending.size());
        return InputEvent{};
    }
    MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon,
                              MessageButtons) override {
        notices.push_back(caption + "|" + text);
        return MessageAnswer::ok;
    }
    Surface window{30, 20, pack(1, 2, 3)};
    std::deque<InputEvent> pending;
    std::vector<std::string> notices;
    int waits = 0, pending_at_wait = -1;
};

class DistanceEstimator : public ::testing::Test {
protected:
    void SetUp() override {
        reset_live_state(host);
        choose_type(s(), live().firsttime, 38, 0);
        s().xres = 40;
        s().yres = 30;
        live().image.resize(40, 30);
    }
    Settings& s() { return live().settings; }
    int pixel(double px, double py) { return dem(px, py, &zx, &zy, &size); }
    WaitingHost host;
    double zx = 0, zy = 0, size = 0;
};

TEST_F(DistanceEstimator, ExplainsOnlyTheFirstImageAndWaitsForEveryOne) {
    host.pending = {InputEvent{}, InputEvent{InputEvent::Kind::left_click, 0, {}}};
    render_image(live());
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_EQ(host.notices[0], std::string("Distance Estimator|") + kDistanceEstimatorNotice);
    EXPECT_EQ(host.waits, 1);
    // Input given before the sketch was complete does not skip the wait.
    EXPECT_EQ(host.pending_at_wait, 0);
    s().method = 1;
    render_image(live());
    EXPECT_EQ(host.notices.size(), 1u);
    EXPECT_EQ(host.waits, 2);
}

TEST_F(DistanceEstimator, SketchGoesToTheWindowInBlackAndWhite) {
    begin_image(live());
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
    EXPECT_NE(live().image.get_pixel(5, 5), kWhite);
}

TEST_F(DistanceEstimator, PointsThatStayInsideReturnOne) {
    begin_image(live());
    EXPECT_EQ(pixel(0, 0), 1);
    EXPECT_LE(size, 16);
    EXPECT_EQ(pixel(-1, 0), 1);
}

TEST_F(DistanceEstimator, JuliaLevelSetsCountTheCaptureSteps) {
    s().method = 1;
    s().inside = 4;
    s().params().jcx = 0;
    s().params().jcy = 0;
    begin_image(live());  // the attractor of z^2 is the fixed point 0, period 1
    // z = 0.5: 0.25, 0.0625, 0.0039, 1.5e-5 < 0.001 after four steps.
    s().params().p0 = 0.001;
    EXPECT_EQ(pixel(0.5, 0), 4 / 1 + 49);
    // Without the capture the orbit runs to the limit and the count is the limit's.
    s().inside = 0;
    begin_image(live());
    EXPECT_EQ(pixel(0.5, 0), 1);
}

TEST_F(DistanceEstimator, FirstStepEscapeUsesTheDistanceOfZ) {
    s().params().p1 = 0;  // no border: every escaping point is shifted
    begin_image(live());
    const double distmax = maxdistance(live());
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
                    begin_image(live());
                    for (double x = -2.2; x < 1; x += 0.13)
                        for (double y = -1.4; y < 1.5; y += 0.21) {
                            const int n = pixel(x, y);
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
    begin_image(live());
    EXPECT_EQ(maxdistance(live()), 0);
    EXPECT_EQ(pixel(20, 0), 2);
}

TEST_F(DistanceEstimator, OverflowingDerivativeKeepsThePlainCount) {
    s().params().p2 = 0.5;  // the first derivative step (1) already overflows
    s().params().p1 = 0;
    begin_image(live());
    EXPECT_EQ(pixel(20, 0), 2);
}

}  // namespace
}  // namespace zoquel
