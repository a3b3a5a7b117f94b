#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rules/option_commands.h"
#include "rules/parameter_rules.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

Settings chosen(int ftype, int method) {
    Settings s;
    FirstTimeFlags first = all_first_time();
    choose_type(s, first, ftype, method);
    return s;
}

TEST(ParameterCommand, RestoresViewAndDefaultsAfterOk) {
    Settings s = chosen(0, 1);
    s.view() = View{-1, 1, -1, 1};
    s.pc[0].jcx = 0.7;
    s.maxiter = 999;
    ParameterOutcome o;
    o.drestore = true;
    ParameterFollowUp f = after_parameter_dialog(s, o);
    EXPECT_EQ(s.view(), startup_view(0, 1));
    EXPECT_EQ(s.pc[0].jcx, 0.7);
    EXPECT_FALSE(f.recreate_image || f.firstloop || f.recompute_collatz_roots);

    o = {};
    o.prestore = true;
    after_parameter_dialog(s, o);
    EXPECT_EQ(s.pc[0], startup_params(0));
    EXPECT_EQ(s.maxiter, 256);
}

TEST(ParameterCommand, WholeImageTypesStartAfreshOnNewSizeOrRestore) {
    for (int t : {31, 32, 33, 34}) {
        Settings s = chosen(t, 0);
        ParameterOutcome o;
        o.newdimensions = true;
        ParameterFollowUp f = after_parameter_dialog(s, o);
        EXPECT_TRUE(f.recreate_image);
        EXPECT_TRUE(f.firstloop) << t;
        o = {};
        o.drestore = true;
        EXPECT_TRUE(after_parameter_dialog(s, o).firstloop) << t;
    }
    Settings s = chosen(7, 0);
    ParameterOutcome o;
    o.newdimensions = true;
    o.prestore = true;
    ParameterFollowUp f = after_parameter_dialog(s, o);
    EXPECT_TRUE(f.recreate_image);
    EXPECT_FALSE(f.firstloop);
}

TEST(ParameterCommand, CollatzRootsFollowTheFinalCriticalPoint) {
    Settings s = chosen(23, 0);
    ParameterOutcome o;
    o.newa0 = true;
    EXPECT_TRUE(after_parameter_dialog(s, o).recompute_collatz_roots);
    // Restored defaults replace the typed point: its roots must be computed again.
    o = {};
    o.prestore = true;
    EXPECT_TRUE(after_parameter_dialog(s, o).recompute_collatz_roots);
    EXPECT_TRUE(parameter_command_uses_pgm_dialog(6));
    EXPECT_FALSE(parameter_command_uses_pgm_dialog(7));
}

TEST(ParameterRules, NotANumberReadsAsZero) {
    Settings s = chosen(7, 1);
    ParameterForm form = parameter_form_from(s);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    form.param.jcx = nan;
    form.param.p1 = nan;
    ASSERT_TRUE(commit_parameter_form(s, form).ok());
    EXPECT_EQ(s.pc[7].jcx, 0.0);
    EXPECT_EQ(s.pc[7].p1, 0.0);
    form = parameter_form_from(s);
    form.view.xmin = nan;
    form.param.maxsize = nan;
    EXPECT_EQ(commit_parameter_form(s, form).error, 5);
    Settings p = chosen(37, 1);
    form = parameter_form_from(p);
    form.param.p1 = nan;  // the coefficient's stepped clamp lets nothing outside its two bands
    ASSERT_TRUE(commit_parameter_form(p, form).ok());
    EXPECT_EQ(p.pc[37].p1, 0.95);
}

TEST(ColoringCommands, OutsideByType) {
    for (int t : {2, 3, 4, 5, 6, 10, 24}) {
        Settings s = chosen(t, 0);
        s.outside = 2;
        ColoringCommand c = outside_coloring_command(s);
        EXPECT_FALSE(c.open_dialog) << t;
        EXPECT_TRUE(c.restart) << t;
        EXPECT_EQ(s.outside, 1) << t;
    }
    for (auto [t, m] : {std::pair{31, 0}, {32, 1}, {33, 0}, {34, 1}, {35, 0}, {39, 0}}) {
        Settings s = chosen(t, m);
        ColoringCommand c = outside_coloring_command(s);
        EXPECT_EQ(c.post, std::vector<int>{160}) << t;
        EXPECT_FALSE(c.open_dialog || c.restart) << t;
    }
    for (auto [t, m] : {std::pair{36, 0}, {39, 1}}) {
        Settings s = chosen(t, m);
        ColoringCommand c = outside_coloring_command(s);
        EXPECT_TRUE(c.restart && !c.open_dialog && c.post.empty()) << t;
    }
    for (int t : {0, 1, 7, 23, 27, 38}) {
        Settings s = chosen(t, 0);
        EXPECT_TRUE(outside_coloring_command(s).open_dialog) << t;
    }
}

TEST(ColoringCommands, InsideByType) {
    for (auto [t, m] : {std::pair{1, 0}, {2, 1}, {6, 0}, {23, 0}, {24, 1}, {27, 0}, {30, 1}, {33, 0}, {36, 1}, {39, 1}}) {
        ColoringCommand c = inside_coloring_command(chosen(t, m));
        EXPECT_TRUE(c.restart && !c.open_dialog && c.post.empty()) << t << "/" << m;
    }
    for (auto [t, m] : {std::pair{31, 1}, {32, 1}, {35, 0}, {39, 0}}) {
        EXPECT_EQ(inside_coloring_command(chosen(t, m)).post, std::vector<int>{160}) << t;
    }
    for (auto [t, m] : {std::pair{0, 0}, {0, 1}, {23, 1}, {34, 0}, {37, 1}, {38, 1}, {7, 1}}) {
        EXPECT_TRUE(inside_coloring_command(chosen(t, m)).open_dialog) << t << "/" << m;
    }
}

TEST(ColoringCommands, FollowUpsAfterTheMethodDialogs) {
    Settings s = chosen(0, 1);
    s.outside = 0;
    EXPECT_EQ(after_outside_dialog(s), std::vector<int>{160});
    s.outside = 2;
    EXPECT_TRUE(after_outside_dialog(s).empty());

    bool firstjlevel = true;
    s.inside = 0;
    EXPECT_EQ(after_inside_dialog(s, firstjlevel), std::vector<int>{160});
    EXPECT_TRUE(firstjlevel);
    s.inside = 4;
    EXPECT_EQ(after_inside_dialog(s, firstjlevel), std::vector<int>{192});
    EXPECT_FALSE(firstjlevel);
    EXPECT_TRUE(after_inside_dialog(s, firstjlevel).empty());
}

}  // namespace
}  // namespace zoquel
