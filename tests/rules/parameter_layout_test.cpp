#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "rules/parameter_layout.h"
#include "rules/parameter_rules.h"

namespace zoquel {
namespace {

bool in(int t, std::initializer_list<int> types) { return std::find(types.begin(), types.end(), t) != types.end(); }

// Which edits the dialog fills, by the dialog's own table, for every type and method.
TEST(ParameterLayout, ShowsTheEditsOfEveryTypeAndMethod) {
    for (int t = 0; t < kTypeCount; ++t) {
        for (int m = 0; m < 2; ++m) {
            Settings s;
            s.ftype = t;
            s.method = m;
            const ParameterLayout l = parameter_layout(s);
            const bool constant = m == 1 && !in(t, {24, 27, 28, 29, 30, 33, 34});
            EXPECT_EQ(l.columns[1].shown, constant) << t << " " << m;
            EXPECT_EQ(l.columns[2].shown, constant) << t << " " << m;
            EXPECT_EQ(l.columns[1].read, constant && t != 31) << t << " " << m;
            EXPECT_EQ(l.columns[3].shown, in(t, {0, 1, 16, 18, 20, 21, 33, 35, 37}) || (t == 38 && m == 1)) << t << " " << m;
            EXPECT_EQ(l.columns[4].shown, (t == 31 && m == 1) || (t == 0 && m == 1) ||
                                              in(t, {1, 3, 7, 8, 9, 13, 16, 27, 32, 33, 37, 38}) || (t == 23 && m == 0))
                << t << " " << m;
            EXPECT_EQ(l.columns[5].shown, (t == 31 && m == 1) || in(t, {1, 3, 7, 8, 9, 13, 27, 32, 33, 38}) ||
                                              (t == 23 && m == 0))
                << t << " " << m;
            EXPECT_TRUE(l.columns[0].shown);
            EXPECT_EQ(l.columns[0].label, t == 1 ? "minsize:" : "maxsize:");
        }
    }
    Settings lace;
    lace.ftype = 31;
    lace.method = 1;
    EXPECT_EQ(parameter_layout(lace).columns[4].decimals, 4);
    EXPECT_EQ(parameter_layout(lace).columns[5].decimals, 1);
    Settings julia;
    julia.method = 1;
    julia.inside = kInsideJuliaLevelSets;
    julia.jperiod = 11;
    const ColumnRule palint = parameter_layout(julia).columns[5];
    EXPECT_TRUE(palint.shown);
    EXPECT_EQ(palint.decimals, 0);
    EXPECT_EQ(palint.label, "palette interval (1-11):");
}

// The refusals of the summary table, each on the entry that was typed wrong.
TEST(ParameterLayout, RefusalsNameTheirEntry) {
    struct Case {
        int type, method, column;
        double value;
        int error;
    };
    const Case cases[] = {
        {0, 0, 0, 1.0e30, 5}, {1, 0, 0, 0.01, 21}, {1, 0, 3, 9, 22}, {0, 0, 3, 17.5, 6},   {37, 1, 3, 3, 18},
        {13, 0, 4, 0.5, 9},   {13, 0, 5, 17, 9},   {33, 0, 3, 361, 13}, {33, 1, 5, -1, 13}, {38, 0, 4, 1, 14},
        {38, 1, 5, 1.0e32, 15},
    };
    for (const Case& c : cases) {
        Settings s;
        s.ftype = c.type;
        s.method = c.method;
        ParameterForm form = parameter_form_from(s);
        form.param[c.column] = c.value;
        const Settings before = s;
        const ParameterOutcome out = commit_parameter_form(s, form);
        EXPECT_EQ(out.error, c.error) << c.type << " column " << c.column;
        EXPECT_EQ(out.entry, 7 + c.column) << c.type << " column " << c.column;
        EXPECT_EQ(s, before);
    }
}

}  // namespace
}  // namespace zoquel
