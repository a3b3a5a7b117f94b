#include <gtest/gtest.h>

#include <limits>

#include "rules/newton_options.h"

namespace zoquel {
namespace {

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
