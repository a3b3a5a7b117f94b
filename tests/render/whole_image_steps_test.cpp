#include <gtest/gtest.h>

#include "render/driver.h"
#include "render/live_state.h"
#include "support/stand_in_animation.h"

namespace zoquel {
namespace {

// The step contract of whole-image types, on a stand-in animation that only a stop request
// ends (type 36, which the type table says Pause and clicks stop).
class WholeImageSteps : public ::testing::Test {
protected:
    void SetUp() override {
        StandInAnimation::reset();
        st.host = &host;
        st.types = &types;
        st.settings.ftype = 36;
        st.settings.xres = 50;
        st.settings.yres = 40;
    }
    HeadlessHost host;
    TypeRegistry types = with_stand_in(36);
    LiveState st;
};

TEST_F(WholeImageSteps, AHeadlessRenderEndsAfterItsStepBudget) {
    ASSERT_TRUE(render_image(st, {}, StepBudget{1, 25}));
    EXPECT_EQ(StandInAnimation::record().steps, 25);
    EXPECT_FALSE(st.render.okfractal);
    EXPECT_EQ(st.image.width(), 50);
    EXPECT_EQ(st.image.get_pixel(24, 24), kWhite);
    EXPECT_EQ(st.image.get_pixel(25, 25), kBlack);
}

TEST_F(WholeImageSteps, EachCallIsOneStepWithItsPacing) {
    st.render.okfractal = true;
    for (int i = 0; i < 3; ++i) {
        const DriverStep step = fractaldriver(st);
        EXPECT_EQ(step.kind, DriverStep::Kind::whole_image);
        EXPECT_EQ(step.delay_ms, 5);
        EXPECT_TRUE(st.render.okfractal);
    }
    EXPECT_EQ(StandInAnimation::record().steps, 3);
    EXPECT_EQ(StandInAnimation::record().made, 1);
}

TEST_F(WholeImageSteps, PauseAndClicksReachTheGeneratorWhichEndsTheRun) {
    st.render.okfractal = true;
    fractaldriver(st);
    ASSERT_TRUE(deliver_input(st, StopRequest::pause));
    EXPECT_EQ(StandInAnimation::record().last_stop, StopRequest::pause);
    const DriverStep last = fractaldriver(st);
    EXPECT_EQ(last.kind, DriverStep::Kind::whole_image);
    EXPECT_EQ(last.delay_ms, 0);
    EXPECT_FALSE(st.render.okfractal);
    EXPECT_EQ(StandInAnimation::record().steps, 1);
    // With no run under way, input has nowhere to go.
    EXPECT_FALSE(deliver_input(st, StopRequest::click));
    // A type the table does not let input stop keeps it from its generator: Pause pauses.
    types = with_stand_in(33);
    st.settings.ftype = 33;
    st.render.okfractal = true;
    fractaldriver(st);
    EXPECT_FALSE(deliver_input(st, StopRequest::pause));
}

TEST_F(WholeImageSteps, FirstloopAndTypesThatDoNotContinueMakeAFreshImage) {
    // Oscillators do not continue: every plot is a fresh image, which a headless render
    // stops as if paused after its budget of steps.
    render_image(st, {}, StepBudget{1, 4});
    EXPECT_EQ(StandInAnimation::record().stops, 1);
    render_image(st, {}, StepBudget{1, 4});
    EXPECT_EQ(StandInAnimation::record().made, 2);
    EXPECT_EQ(StandInAnimation::record().steps, 8);
    // A run paused in the explorer goes on at the next plot; a changed setting starts afresh.
    st.render.okfractal = true;
    fractaldriver(st);
    st.render.okfractal = false;
    st.render.okfractal = true;
    fractaldriver(st);
    EXPECT_EQ(StandInAnimation::record().made, 3);
    st.render.okfractal = false;
    st.settings.rin = 9;
    st.render.okfractal = true;
    fractaldriver(st);
    EXPECT_EQ(StandInAnimation::record().made, 4);
    st.settings.rin = 0;
    // A continuing type goes on over plots, until firstloop or a new size asks for a fresh one.
    StandInAnimation::record().run_length = 2;
    types = with_stand_in(33);
    st.settings.ftype = 33;
    const int plots = StandInAnimation::record().plots;
    render_image(st, {}, StepBudget{3, 2});
    EXPECT_EQ(StandInAnimation::record().made, 5);
    EXPECT_EQ(StandInAnimation::record().plots, plots + 3);
    st.render.firstloop = true;
    render_image(st, {}, StepBudget{1, 2});
    EXPECT_EQ(StandInAnimation::record().made, 6);
    EXPECT_FALSE(st.render.firstloop);
    st.settings.xres = 60;
    render_image(st, {}, StepBudget{1, 2});
    EXPECT_EQ(StandInAnimation::record().made, 7);
    EXPECT_EQ(st.image.width(), 60);
}

TEST_F(WholeImageSteps, TheScreenShowsTheImageAsItIsDrawn) {
    Surface& screen = host.screen();
    screen.resize(30, 20);
    render_image(st, {}, StepBudget{1, 10});
    for (int i = 0; i < 10 && i < screen.width() && i < screen.height(); ++i)
        EXPECT_EQ(screen.get_pixel(i, i), kWhite) << i;
}

}  // namespace
}  // namespace zoquel
