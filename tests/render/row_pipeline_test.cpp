#include <gtest/gtest.h>

#include "render/driver.h"
#include "render/live_state.h"
#include "render/type_registry.h"

namespace zoquel {
namespace {

class Threads : public ::testing::Test {
protected:
    void SetUp() override { reset_live_state(host); }
    void TearDown() override { set_render_threads(1); }

    Surface render(int ftype, int method, int outside, int inside, int threads) {
        reset_live_state(host);
        LiveState& st = live();
        choose_type(st.settings, st.firsttime, ftype, method);
        st.settings.xres = 48;
        st.settings.yres = 37;
        st.settings.outside = outside;
        st.settings.inside = inside;
        set_render_threads(threads);
        render_image(st);
        return st.image;
    }
    HeadlessHost host;
};

TEST_F(Threads, EveryPerPixelTypeRendersTheSameOnOneAndThreeThreads) {
    int checked = 0;
    for (int t = 0; t < kTypeCount; ++t) {
        if (is_whole_image(t)) continue;
        for (int method = 0; method < 2; ++method) {
            for (auto [outside, inside] : {std::pair{1, 0}, {2, 1}, {3, 2}, {4, 3}, {0, 4}}) {
                Surface serial = render(t, method, outside, inside, 1);
                Surface parallel = render(t, method, outside, inside, 3);
                ASSERT_EQ(serial, parallel) << "type " << t << " method " << method << " outside " << outside
                                            << " inside " << inside;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST_F(Threads, PauseResumeAndAChangedPaletteWhileRowsAreInFlight) {
    LiveState& st = live();
    st.settings.xres = 64;
    st.settings.yres = 64;
    set_render_threads(1);
    render_image(st);
    const Surface serial = st.image;

    set_render_threads(2);
    st.render.j = 0;
    st.render.okfractal = true;
    for (int i = 0; i < 20; ++i) fractaldriver(st);
    st.render.okfractal = false;  // pause with rows computed ahead
    EXPECT_EQ(st.render.j, 20);
    st.render.okfractal = true;
    while (st.render.okfractal) fractaldriver(st);
    EXPECT_EQ(st.image, serial);

    // A palette change while paused shows from row j on: rows computed ahead with the old
    // palette are never shown.
    st.render.j = 0;
    st.render.okfractal = true;
    for (int i = 0; i < 10; ++i) fractaldriver(st);
    st.settings.palette = greyscale_palette();
    while (st.render.okfractal) fractaldriver(st);
    Surface mixed = st.image;
    set_render_threads(1);
    render_image(st);
    for (int y = 10; y < 64; ++y)
        for (int x = 0; x < 64; ++x) ASSERT_EQ(mixed.get_pixel(x, y), st.image.get_pixel(x, y)) << x << "," << y;
}

TEST_F(Threads, ANewViewNeverShowsARowOfTheOldImage) {
    LiveState& st = live();
    st.settings.xres = 40;
    st.settings.yres = 40;
    set_render_threads(2);
    st.render.okfractal = true;
    for (int i = 0; i < 5; ++i) fractaldriver(st);
    st.settings.view() = View{-0.1, 0.1, -0.1, 0.1};  // the zoom resets the row to 0
    st.render.j = 0;
    while (st.render.okfractal) fractaldriver(st);
    Surface threaded = st.image;
    set_render_threads(1);
    render_image(st);
    EXPECT_EQ(threaded, st.image);
}

}  // namespace
}  // namespace zoquel
