#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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
// both planes, with deltas in doubles and with a wide exponent where both reach.
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
            for (auto [numbers, name] : {std::pair{deep::DeltaNumbers::doubles, "doubles"},
                                         std::pair{deep::DeltaNumbers::wide_exponent, "a wide exponent"}}) {
                const double share = agreement(deep_pixels(s, numbers), brute, maxsize);
                std::printf("%-16s %6.2f %% with %s\n", c.name, 100 * share, name);
                EXPECT_GE(share, 0.995) << c.name << " with " << name;
            }
        }
        // Not a blank picture: the views show structure.
        std::size_t escaped = 0;
        for (bool e : brute.escaped) escaped += e;
        EXPECT_GT(escaped, brute.escaped.size() / 20) << c.name;
    }
}

// Where doubles still resolve the view, the deep path gives their image: at a width of 1e-12
// the double loop over the nearest corners and the deep path agree pixel for pixel but for
// a few boundary pixels, in both planes and every delta width.
TEST(DeepImage, ShallowViewIsTheDoubleImage) {
    for (int method = 0; method < 2; ++method) {
        const DeepCase c{"shallow", method, "0.0000000000001", "1.0000000000002", "1e-12", 2000, 64};
        Settings s = deep_settings(c);
        if (method == 1) s.params().jcx = -0.7436438870371587, s.params().jcy = 0.131825904205312;
        if (method == 1) s.deep = deep::make_deep_view(0, 1, "0.1", "-0.3", "1e-12", 64, 64), s.view() = s.deep->corners;
        ASSERT_TRUE(deep::uses_deep_path(s));
        TypeMemory memory;
        Settings plain = s;
        plain.deep.reset();
        const PreparedImage doubles = prepare_image(plain, headless_host(), memory);
        for (auto numbers : {deep::DeltaNumbers::doubles, deep::DeltaNumbers::wide_exponent}) {
            const std::vector<PixelResult> deep_image = deep_pixels(s, numbers);
            std::size_t same = 0, escaped = 0;
            const ImageGeometry& g = doubles.geometry();
            for (int j = 0; j < s.yres; ++j)
                for (int i = 0; i < s.xres; ++i) {
                    const PixelResult d = doubles.image->pixel(g.column_x(i), g.row_y(j));
                    const PixelResult& p = deep_image[std::size_t(j * s.xres + i)];
                    same += d.n == p.n && (d.size > 16) == (p.size > 16);
                    escaped += d.size > 16;
                }
            const double share = double(same) / double(deep_image.size());
            std::printf("width 1e-12, method %d: %.2f %% of pixels as the double path\n", method, 100 * share);
            EXPECT_GE(share, 0.995) << "method " << method;
            EXPECT_GT(escaped, deep_image.size() / 20) << "method " << method;
        }
    }
}

// Every colouring reads what it needs from a deep image: through the whole preparation and
// colouring, a view at 1e-12 looks as the double path paints it, in every outside colouring
// and every inside colouring (Siegel disks: the smallest |z|; Julia level sets: the
// attractor's period at the constant). The constants' attracting cycles avoid 0, where the
// last iterate's angle would hang on the last bits.
TEST(DeepImage, EveryColouringPaintsAsTheDoublePath) {
    struct Scene {
        DeepCase view;
        double jcx, jcy;
    };
    const Scene scenes[] = {
        // Outside only: the tip c = i.
        {{"tip", 0, "0.0000000000001", "1.0000000000002", "1e-12", 600, 32}, 0, 0},
        // Inside only: the centre of the rabbit's bulb.
        {{"bulb", 0, "-0.1225611668766540", "0.7448617666197440", "1e-12", 600, 32}, 0, 0},
        // Both: the repelling fixed point of a Julia set whose attracting cycle avoids 0
        // (where the last iterate's angle would hang on its last bits).
        {{"Julia", 1, "1.2766277683299134", "-0.48285680127870356", "1e-12", 600, 32}, -0.12, 0.75},
    };
    for (const Scene& scene : scenes)
        for (int outside = 0; outside <= 4; ++outside)
            for (int inside = 0; inside <= 4; ++inside) {
                Settings s = deep_settings(scene.view);
                if (scene.view.method == 1) s.params().jcx = scene.jcx, s.params().jcy = scene.jcy;
                s.outside = outside;
                s.inside = inside;
                ASSERT_TRUE(deep::uses_deep_path(s));
                Settings plain = s;
                plain.deep.reset();
                TypeMemory memory;
                const PreparedImage deep_image = prepare_image(s, headless_host(), memory);
                const PreparedImage doubles = prepare_image(plain, headless_host(), memory);
                std::vector<Pixel> a(std::size_t(s.xres)), b(a.size());
                std::size_t same = 0, white = 0;
                // Smoothing's blend truncates a continuous fraction: one step either way is the
                // same colour.
                auto near = [](Pixel p, Pixel q) {
                    for (int shift = 0; shift < 24; shift += 8)
                        if (std::abs(int((p >> shift) & 0xff) - int((q >> shift) & 0xff)) > 1) return false;
                    return true;
                };
                for (int j = 0; j < s.yres; ++j) {
                    deep_image.render_row(j, a.data());
                    doubles.render_row(j, b.data());
                    for (std::size_t i = 0; i < a.size(); ++i) {
                        same += near(a[i], b[i]);
                        white += (a[i] & 0xffffff) == 0xffffff;
                    }
                }
                const double share = double(same) / double(s.xres * s.yres);
                EXPECT_GE(share, 0.98) << scene.view.name << " outside " << outside << " inside " << inside;
                if (outside == 0 && inside == 0 && scene.view.method == 1) {
                    // Both sides are in view: outside white, inside black.
                    EXPECT_GT(white, a.size());
                    EXPECT_LT(white, a.size() * std::size_t(s.yres - 1));
                }
            }
}

// The double path stays wherever doubles resolve the view, and for every image without a deep
// view or whose view was edited since.
TEST(DeepImage, DeepPathOnlyWhereDoublesFail) {
    Settings s;
    s.deep = deep::make_deep_view(0, 0, "-0.5", "0", "1e-9", 600, 600);
    s.view() = s.deep->corners;
    EXPECT_FALSE(deep::uses_deep_path(s));
    s.deep = deep::make_deep_view(0, 0, "-0.5", "0", "1e-13", 600, 600);
    s.view() = s.deep->corners;
    EXPECT_TRUE(deep::uses_deep_path(s));
    Settings edited = s;
    edited.view().xmin -= 1e-3;
    EXPECT_FALSE(deep::uses_deep_path(edited));
    Settings other_exponent = s;
    other_exponent.params().p0 = 3;
    EXPECT_FALSE(deep::uses_deep_path(other_exponent));
    Settings dynamic_plane = s;
    dynamic_plane.method = 1;
    EXPECT_FALSE(deep::uses_deep_path(dynamic_plane));
}

}  // namespace
}  // namespace zoquel
