#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "render/newton_options.h"
#include "render/parameter_rules.h"

namespace zoquel {
namespace {

TEST(NewtonOptions, RefusalsNameTheirRangeAndStoreNothing) {
    const Settings before;
    NewtonOptionsForm form = newton_options_from(before);
    form.basin = 1;
    form.cellsize = 0.05;
    for (auto [exponent, mx, my, message] :
         {std::tuple{9.0, 1.0, 0.0, "exponent range: 2.0 - 8.0"}, {3.0, 0.01, 0.0, "mx range: 0.02 - 1.99"},
          {3.0, 1.0, 1.0, "my range: -0.99 - 0.99"}}) {
        Settings s = before;
        form.exponent = exponent, form.mx = mx, form.my = my;
        const int error = commit_newton_options(s, form);
        ASSERT_GE(error, 0);
        EXPECT_STREQ(paramerror(error), message);
        EXPECT_EQ(s, before);
    }
}

TEST(NewtonOptions, CellSizeIsClampedEvenWhenNotANumber) {
    Settings s;
    NewtonOptionsForm form = newton_options_from(s);
    form.cellsize = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(commit_newton_options(s, form), -1);
    EXPECT_EQ(s.cellsize, 1e-12);
    form.cellsize = std::numeric_limits<double>::infinity();
    commit_newton_options(s, form);
    EXPECT_EQ(s.cellsize, 0.1);
    form.exponent = std::numeric_limits<double>::quiet_NaN();
    EXPECT_GE(commit_newton_options(s, form), 0);
}

TEST(NvFormulaChoice, OnlyARealChangeAsksForANewRootSearch) {
    Settings s;
    EXPECT_FALSE(commit_nv_formula(s, 0, true));
    EXPECT_EQ(s.basin, 1);
    EXPECT_TRUE(commit_nv_formula(s, 23, false));
    EXPECT_EQ(s.nvindex, 23);
    EXPECT_FALSE(commit_nv_formula(s, 24, false));
    EXPECT_EQ(s.nvindex, 23);
}

}  // namespace
}  // namespace zoquel
