#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rules/defaults.h"
#include "model/type_table.h"
#include "model/settings.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

TEST(TypeTable, NamesKindsAndThumbnailFlags) {
    EXPECT_STREQ(type_info(0).name, "Mandelbrot/Julia Classic");
    EXPECT_STREQ(type_info(1).name, "Newton Classic: z^n - 1 = 0");
    EXPECT_STREQ(type_info(35).name, "M/J-Sets: Boundary Tracer");
    EXPECT_STREQ(type_info(39).name, "Orbits");
    std::set<std::string> names;
    std::set<int> thumbs, whole;
    for (int t = 0; t < kTypeCount; ++t) {
        names.insert(type_info(t).name);
        if (type_info(t).thumbflag) thumbs.insert(t);
        if (is_whole_image(t)) whole.insert(t);
    }
    EXPECT_EQ(names.size(), 40u);
    EXPECT_EQ(thumbs, (std::set<int>{0, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25, 26, 35, 38}));
    EXPECT_EQ(whole, (std::set<int>{6, 31, 32, 33, 34, 36, 39}));
    EXPECT_EQ(type_info(34).kind, TypeKind::whole_image_repeated);
}

TEST(TypeTable, DefaultViewsAndParameters) {
    Settings s;
    EXPECT_EQ(s.xyminmax[0][0], (View{-2.25, 0.75, -1.5, 1.5}));
    EXPECT_EQ(s.xyminmax[0][1], (View{-2.25, 2.25, -2.25, 2.25}));
    EXPECT_EQ(s.xyminmax[18][0], (View{-2.2, 1.3, -1.25, 2.25}));
    EXPECT_EQ(s.pc[0], (Param{16, 0.32, 0.043, 2, 0.001, 1}));
    EXPECT_EQ(s.pc[38], (Param{16, -0.74543, 0.11301, 0.001, 0.2, 500000}));
    EXPECT_EQ(s.pc[16].jcx, 0.566667);
    EXPECT_EQ(s.pc[30].maxsize, 0);
    EXPECT_EQ(s.pc[5][1], 0.5);  // columns address the record
}

TEST(TypeTable, GroupsAndForcedMethods) {
    for (int t : {0, 2, 32, 35, 38, 39}) EXPECT_TRUE(is_julia_capable(t)) << t;
    EXPECT_FALSE(remembers_julia_constant(39));
    EXPECT_TRUE(is_first_loop_type(34));
    EXPECT_FALSE(is_first_loop_type(36));
    EXPECT_TRUE(supplies_smoothing_fraction(23, 0));
    EXPECT_FALSE(supplies_smoothing_fraction(23, 1));
    EXPECT_EQ(forced_method(4), 0);
    EXPECT_EQ(forced_method(10), 1);
    EXPECT_EQ(forced_method(0), -1);
    EXPECT_STREQ(method_captions(24)[1], "Lyapunov 2 - Pickover");
    EXPECT_STREQ(method_captions(10)[0], "Parameter Plane (Mandelbrot)");
}

TEST(Defaults, IterationLimitByType) {
    Settings s;
    FirstTimeFlags first = all_first_time();
    s.maxiter = 1000;
    choose_type(s, first, 39, 0);
    EXPECT_EQ(s.maxiter, 32);
    choose_type(s, first, 9, 0);
    EXPECT_EQ(s.maxiter, 24);
    choose_type(s, first, 7, 0);
    EXPECT_EQ(s.maxiter, 256);
    s.maxiter = 999;
    choose_type(s, first, 7, 0);  // not the first time: defaults stay as edited
    EXPECT_EQ(s.maxiter, 999);
}

TEST(Defaults, Type9DynamicPlaneInstallsRainbow) {
    Settings s;
    s.ftype = 9;
    s.method = 1;
    defaultparams(s);
    EXPECT_EQ(s.palette, rainbow8_palette());
    EXPECT_EQ(s.pc[9], (Param{100, 0, 0, 0, 0.1, 0}));
    s.method = 0;
    s.palette = default_palette();
    defaultparams(s);
    EXPECT_EQ(s.pc[9].maxsize, 500);
    EXPECT_EQ(s.palette, default_palette());
}

TEST(Defaults, TypeSpecificValues) {
    Settings s;
    s.ftype = 6;
    s.pgmindex = 3;
    s.pgmx0[3] = 99;
    s.pgmx0[2] = 98;
    s.scale = 5;
    defaultparams(s);
    EXPECT_EQ(s.pgmx0[3], 6.3);
    EXPECT_EQ(s.pgmx0[2], 98);  // only the selected pair
    EXPECT_EQ(s.scale, 25);
    s.ftype = 24;
    s.method = 0;
    s.ustring = "aabb";
    s.length = 4;
    defaultparams(s);
    EXPECT_EQ(s.ustring, "ab");
    EXPECT_EQ(s.length, 2);
    s.ftype = 3;
    s.pc[3].p1 = 0.5;
    defaultparams(s);
    EXPECT_DOUBLE_EQ(s.half, 0.739 * 0.5);
}

TEST(TypeChoice, ResetsColouringForcesMethodAndPostsFollowUps) {
    Settings s;
    FirstTimeFlags first = all_first_time();
    s.outside = 3;
    s.inside = 2;
    TypeChoiceOutcome o = choose_type(s, first, 2, 0);
    EXPECT_EQ(s.method, 1);
    EXPECT_EQ(s.outside, 1);
    EXPECT_EQ(s.inside, 0);
    EXPECT_TRUE(o.follow_up_commands.empty());
    EXPECT_EQ(choose_type(s, first, 1, 1).follow_up_commands, std::vector<int>{162});
    EXPECT_EQ(s.method, 0);
    EXPECT_EQ(choose_type(s, first, 24, 0).follow_up_commands, std::vector<int>{174});
    choose_type(s, first, 35, 0);
    EXPECT_EQ(s.outside, 0);
    EXPECT_TRUE(choose_type(s, first, 31, 0).open_sierpinski_dialog);
    // The chaos game starts afresh whatever its mode dialog answers.
    EXPECT_TRUE(choose_type(s, first, 31, 0).firstloop);
    EXPECT_TRUE(choose_type(s, first, 31, 1).firstloop);
    EXPECT_FALSE(choose_type(s, first, 31, 1).open_sierpinski_dialog);
    EXPECT_FALSE(choose_type(s, first, 39, 0).clear_orbit);
    s.pc[22].maxsize = 100;
    choose_type(s, first, 22, 0);
    EXPECT_EQ(s.pc[22].maxsize, 72);
}

}  // namespace
}  // namespace zoquel
