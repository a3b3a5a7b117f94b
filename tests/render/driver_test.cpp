#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "deep/deep_view_math.h"
#include "render/coloring.h"
#include "render/driver.h"
#include "render/live_state.h"
#include "render/prepared_image.h"
#include "render/type_registry.h"

namespace zoquel {
namespace {

// A host whose screen is a window of a chosen size, recording what was shown.
class RecordingHost : public HeadlessHost {
public:
    RecordingHost(int w, int h) : window(w, h, pack(1, 2, 3)) {}
    Surface& screen() override { return window; }
    void present(const Rect& r) override { shown.push_back(r); }
    void end_busy() override { ++ended; }
    Surface window;
    std::vector<Rect> shown;
    int ended = 0;
};

class Driver : public ::testing::Test {
protected:
    void SetUp() override {
        reset_live_state(host);
        Settings& s = live().settings;
        s.xres = 40;
        s.yres = 30;
        live().image.resize(40, 30);
    }
    RecordingHost host{20, 10};
};

TEST_F(Driver, CornerPixelsLieOnTheCornersOfTheView) {
    LiveState& st = live();
    st.settings.view() = View{-2, 1, -1.5, 0.5};
    const PreparedImage image = prepare_image(st.settings, host, st.memory);
    EXPECT_EQ(image.geometry().xside, 3);
    EXPECT_EQ(image.geometry().yside, 2);
    // Render the top and bottom rows and compare with single pixels at the corners.
    auto corner = [&](double x, double y) {
        return pack(coloring(st.settings, image.start.constants, image.image->pixel(x, y), image.image.get()));
    };
    std::vector<Pixel> row(40);
    image.render_row(0, row.data());
    EXPECT_EQ(row[0], corner(-2, 0.5));
    EXPECT_EQ(row[39], corner(1, 0.5));
    image.render_row(29, row.data());
    EXPECT_EQ(row[0], corner(-2, -1.5));
    EXPECT_EQ(row[39], corner(1, -1.5));
}

TEST_F(Driver, NewImageClearsWindowBlackAndImageGrey) {
    LiveState& st = live();
    st.render.okfractal = true;
    fractaldriver(st);
    EXPECT_EQ(st.render.j, 1);
    EXPECT_EQ(st.image.get_pixel(5, 5), kStockGrey);   // not rendered yet
    EXPECT_EQ(host.window.get_pixel(5, 5), kStockGrey);  // image area of the window
    EXPECT_NE(host.window.get_pixel(5, 0), kStockGrey);  // row 0 shown at once
    EXPECT_EQ(host.window.get_pixel(5, 0), st.image.get_pixel(5, 0));
    RecordingHost wide(60, 40);
    st.host = &wide;
    st.render.j = 0;
    fractaldriver(st);
    EXPECT_EQ(wide.window.get_pixel(50, 5), kBlack);  // beyond the image: black
    EXPECT_EQ(wide.window.get_pixel(30, 20), kStockGrey);
    st.host = &host;
}

TEST_F(Driver, PauseAndResumeContinueAtTheSameRow) {
    LiveState& st = live();
    Surface whole;
    {
        render_image(st);
        whole = st.image;
    }
    st.image.fill(kBlack);
    st.render.okfractal = true;
    for (int i = 0; i < 12; ++i) fractaldriver(st);
    st.render.okfractal = false;  // pause
    EXPECT_EQ(st.render.j, 12);
    st.image.set_pixel(0, 3, pack(9, 9, 9));  // rows already done are not redrawn
    st.render.okfractal = true;                // resume
    while (st.render.okfractal) fractaldriver(st);
    EXPECT_EQ(st.image.get_pixel(0, 3), pack(9, 9, 9));
    for (int y = 12; y < 30; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(st.image.get_pixel(x, y), whole.get_pixel(x, y));
}

TEST_F(Driver, AHeadlessRenderReportsEveryRowInOrder) {
    for (int threads : {1, 2}) {
        set_render_threads(threads);
        std::vector<int> reported;
        ASSERT_TRUE(render_image(live(), [&](int rows_done) { reported.push_back(rows_done); }));
        ASSERT_EQ(reported.size(), 30u) << threads;
        for (int i = 0; i < 30; ++i) EXPECT_EQ(reported[std::size_t(i)], i + 1);
    }
    set_render_threads(1);
}

TEST_F(Driver, CompletionFlags) {
    LiveState& st = live();
    st.settings.method = 1;
    st.settings.pc[0].jcx = -0.1;
    st.settings.pc[0].jcy = 0.2;
    st.render.okfractal = true;
    DriverStep step;
    while (st.render.okfractal) step = fractaldriver(st);
    EXPECT_EQ(step.kind, DriverStep::Kind::image_done);
    EXPECT_EQ(st.render.j, 0);
    EXPECT_EQ(st.settings.cxsave, -0.1);
    EXPECT_EQ(st.settings.cysave, 0.2);
    EXPECT_EQ(host.ended, 1);
}

TEST_F(Driver, SmoothingConstantsAndSiegelScale) {
    LiveState& st = live();
    st.settings.outside = 2;
    st.settings.inside = 3;
    st.settings.maxiter = 100;
    st.settings.cindex = 2;
    ImageStart start = start_image(st.settings);
    EXPECT_DOUBLE_EQ(start.constants.il, 1 / std::log(2.0));
    EXPECT_DOUBLE_EQ(start.constants.lpsm, std::log(std::log(16.0)));
    EXPECT_EQ(start.constants.factor, 256);
    EXPECT_EQ(st.settings.cindex, 1);
    st.settings.maxiter = 1000;
    EXPECT_EQ(start_image(st.settings).constants.factor, 1000);
    // Types that measure no Julia cycle keep the start-up scale.
    st.settings.ftype = 7;
    EXPECT_EQ(start_image(st.settings).constants.factor, 256);
}

TEST_F(Driver, TypesWithoutAGeneratorRenderNothing) {
    LiveState& st = live();
    // A registry with a type left out, as a test registry may have.
    TypeRegistry partial = standard_types();
    partial[5] = TypeImplementation{};
    st.types = &partial;
    st.settings.ftype = 5;
    st.render.okfractal = true;
    Surface before = st.image;
    fractaldriver(st);
    EXPECT_FALSE(st.render.okfractal);
    EXPECT_EQ(st.image, before);
    EXPECT_FALSE(render_image(st));
    st.types = &standard_types();
}

// A deep image's reference orbit is computed on a worker when the explorer drives it: the
// driver hands back waiting steps (the progress reported from its own thread) and then the
// same image the headless render makes; a new image while it waits abandons the worker.
class ProgressHost : public HeadlessHost {
public:
    void progress(const char*, double f) override {
        EXPECT_EQ(std::this_thread::get_id(), driver_thread);
        fractions.push_back(f);
    }
    std::thread::id driver_thread = std::this_thread::get_id();
    std::vector<double> fractions;
};

TEST(DeepDriver, TheReferenceOrbitIsPreparedOnAWorkerAndGivesTheHeadlessImage) {
    ProgressHost host;
    reset_live_state(host);
    LiveState& st = live();
    Settings& s = st.settings;
    s.xres = 48;
    s.yres = 40;
    s.maxiter = 3000;
    s.deep = deep::make_deep_view(0, 0, "-0.743643887037158704752191506114774", "0.131825904205311970493132056385139",
                                  "1e-30", s.xres, s.yres);
    ASSERT_TRUE(s.deep);
    s.view() = s.deep->corners;
    ASSERT_TRUE(prepares_slowly(s));
    render_image(st);
    const Surface headless = st.image;

    restart_render(st);
    st.render.okfractal = true;
    DriverStep step = fractaldriver(st);
    EXPECT_EQ(step.kind, DriverStep::Kind::preparing);
    EXPECT_GT(step.delay_ms, 0);
    while (st.render.okfractal) fractaldriver(st);
    EXPECT_TRUE(st.image == headless);
    ASSERT_FALSE(host.fractions.empty());
    EXPECT_EQ(host.fractions.back(), -1);  // the set-up's progress ends before the rows

    // Abandoned while it waits: the next image starts at once, and no worker outlives it.
    s.maxiter = kDeepMaxIterations;
    restart_render(st);
    st.render.okfractal = true;
    EXPECT_EQ(fractaldriver(st).kind, DriverStep::Kind::preparing);
    restart_render(st);
    s.maxiter = 3000;
    st.render.okfractal = true;
    while (st.render.okfractal) fractaldriver(st);
    EXPECT_TRUE(st.image == headless);
}

}  // namespace
}  // namespace zoquel
