#include <gtest/gtest.h>

#include <vector>

#include "render/driver.h"
#include "render/live_state.h"
#include "render/prepared_image.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

// The image of a type as a headless render makes it alone, in a state of its own.
Surface render_alone(int ftype, int method, int width, int height) {
    LiveState st;
    st.host = &headless_host();
    choose_type(st.settings, st.firsttime, ftype, method);
    st.settings.xres = width;
    st.settings.yres = height;
    render_image(st);
    return st.image;
}

// Images are objects: two images of different types prepared side by side, their rows
// rendered in turn, are each the image rendered alone. Type 27 keeps roots between images
// and type 0 a Julia attractor; neither may leak into the other.
TEST(PreparedImages, TwoImagesRenderedRowByRowInTurnAreEachTheImageAlone) {
    const std::pair<int, int> kinds[][2] = {
        {{27, 0}, {0, 1}},   // roots against the Julia cycle's level sets below
        {{38, 1}, {1, 0}},   // a preliminary pass beside Newton's roots
        {{23, 0}, {24, 1}},  // the Collatz root table beside the Lyapunov sequence
    };
    for (const auto& pair : kinds) {
        Settings settings[2];
        TypeMemory memory[2];
        for (TypeMemory& m : memory) m.firsttimetext = false;
        FirstTimeFlags first = all_first_time();
        std::vector<PreparedImage> images;
        for (int i = 0; i < 2; ++i) {
            choose_type(settings[i], first, pair[i].first, pair[i].second);
            settings[i].xres = 37 + 9 * i;
            settings[i].yres = 29 + 5 * i;
        }
        settings[1].inside = pair[1].first == 0 ? kInsideJuliaLevelSets : 0;
        for (int i = 0; i < 2; ++i) images.push_back(prepare_image(settings[i], headless_host(), memory[i]));
        Surface together[2] = {Surface(settings[0].xres, settings[0].yres), Surface(settings[1].xres, settings[1].yres)};
        for (int row = 0; row < std::max(settings[0].yres, settings[1].yres); ++row)
            for (int i = 0; i < 2; ++i)
                if (row < settings[i].yres) images[std::size_t(i)].render_row(row, together[i].row(row));
        for (int i = 0; i < 2; ++i) {
            LiveState alone;
            alone.host = &headless_host();
            alone.memory.firsttimetext = false;
            alone.settings = settings[i];
            render_image(alone);
            EXPECT_EQ(together[i], alone.image) << "type " << pair[i].first;
        }
    }
}

TEST(PreparedImages, APreparedImageDoesNotDependOnTheOneBeforeIt) {
    // Newton's degree 8 before degree 3: the roots of the first must not colour the second.
    const Surface fresh = render_alone(1, 0, 40, 40);
    LiveState st;
    st.host = &headless_host();
    choose_type(st.settings, st.firsttime, 1, 0);
    st.settings.xres = st.settings.yres = 40;
    st.settings.pc[1].p0 = 8;
    render_image(st);
    st.settings.pc[1].p0 = 3;
    render_image(st);
    EXPECT_EQ(st.image, fresh);
}

TEST(PreparedImages, SettingsTheSetUpSettlesAreWrittenBack) {
    Settings s;
    FirstTimeFlags first = all_first_time();
    TypeMemory memory;
    choose_type(s, first, 24, 0);
    s.ustring = std::string(20, 'a');
    s.length = 0;
    prepare_image(s, headless_host(), memory);
    EXPECT_EQ(s.length, 16);
    choose_type(s, first, 27, 0);
    s.nvrootcount = 0;
    prepare_image(s, headless_host(), memory);
    EXPECT_EQ(s.nvrootcount, 3);
}

}  // namespace
}  // namespace zoquel
