#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "deep/brute_force.h"
#include "deep/deep_image.h"
#include "deep/deep_view_math.h"
#include "model/type_memory.h"
#include "platform/host.h"
#include "render/live_state.h"
#include "render/prepared_image.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

struct DeepCase {
    const char* name;
    int method;
    const char* re;
    const char* im;
    const char* width;
    int maxiter;
    int side;
};

Settings deep_settings(const DeepCase& c) {
    Settings s;
    FirstTimeFlags first = all_first_time();
    choose_type(s, first, 0, c.method);
    s.xres = s.yres = c.side;
    s.maxiter = c.maxiter;
    if (c.method == 1) s.params().jcx = 0, s.params().jcy = 1;  // the dendrite of c = i
    s.deep = deep::make_deep_view(0, c.method, c.re, c.im, c.width, c.side, c.side);
    s.view() = s.deep->corners;
    return s;
}

// Every pixel of the image the settings give.
std::vector<PixelResult> deep_pixels(const Settings& s, deep::DeltaNumbers numbers) {
    TypeMemory memory;
    Settings copy = s;
    const ImageStart start = start_image(copy);
    const ImageInput input{copy, start.geometry, start.cycle, headless_host(), memory};
    const PixelImagePtr image = deep::prepare_deep_image(input, *copy.deep, numbers);
    std::vector<PixelResult> out(std::size_t(s.xres * s.yres));
    for (int j = 0; j < s.yres; ++j) EXPECT_TRUE(image->row_at(j, s.xres, &out[std::size_t(j * s.xres)]));
    return out;
}

double agreement(const std::vector<PixelResult>& deep, const test::BruteImage& brute, double maxsize) {
    std::size_t same = 0;
    for (std::size_t k = 0; k < deep.size(); ++k)
        same += deep[k].n == brute.n[k] % 255 + 1 && (deep[k].size > maxsize) == brute.escaped[k];
    return double(same) / double(deep.size());
}

// The deep path's counts against the orbits iterated in MPFR alone, at every depth and in
// both planes, with deltas in doubles and with a wide exponent where doubles reach.
TEST(DeepImage, CountsAgreeWithBruteForceMpfr) {
    const DeepCase cases[] = {
        {"c = -2 1e-20", 0, "-1.99999999999999999999", "0.000000000000000000002", "1e-20", 3000, 48},
        {"Julia 1e-20", 1, "0.3", "0.5", "1e-20", 3000, 48},
        {"c = i 1e-60", 0, "0.0000000000000000000000000000001", "1", "1e-60", 3000, 48},
        {"Julia 1e-60", 1, "0", "0.0000000000000000000000000000001", "1e-60", 3000, 48},
        {"c = i 1e-150", 0, "0", "1", "1e-150", 3000, 48},
        {"Julia 1e-150", 1, "-1", "1", "1e-150", 3000, 48},
        {"c = i 1e-310", 0, "0", "1", "1e-310", 3000, 40},
        {"Julia 1e-310", 1, "0", "-1", "1e-310", 3000, 40},
        {"c = i 1e-1000", 0, "0", "1", "1e-1000", 3200, 24},
        {"Julia 1e-1000", 1, "-1", "1", "1e-1000", 3200, 24},
    };
    for (const DeepCase& c : cases) {
        const Settings s = deep_settings(c);
        const double maxsize = s.params().maxsize;
        const test::BruteImage brute = test::brute_force(*s.deep, c.method, 0, 1, c.side, c.side, c.maxiter, maxsize,
                                                         deep::precision_bits(c.width, c.side) + 64);
        const auto automatic = deep_pixels(s, deep::DeltaNumbers::automatic);
        const double share = agreement(automatic, brute, maxsize);
        std::printf("%-16s %6.2f %% of pixels as brute force\n", c.name, 100 * share);
        EXPECT_GE(share, 0.995) << c.name;
        if (std::string(c.width) == "1e-150") {
            const double wide = agreement(deep_pixels(s, deep::DeltaNumbers::wide_exponent), brute, maxsize);
            std::printf("%-16s %6.2f %% with a wide exponent\n", c.name, 100 * wide);
            EXPECT_GE(wide, 0.995) << c.name << " with a wide exponent";
        }
        // Not a blank picture: the views show structure.
        std::size_t escaped = 0;
        for (bool e : brute.escaped) escaped += e;
        EXPECT_GT(escaped, brute.escaped.size() / 20) << c.name;
    }
}

}  // namespace
}  // namespace zoquel
