#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <string>

#include "model/number_text.h"

namespace zoquel {
namespace {

TEST(NumberText, OnlyTheWholeTextAsANumberIsTaken) {
    int i = 7;
    double d = 7;
    for (const char* bad : {"", "  ", "5 x", "+-5", "++5", "0x10", "5e", "1,5"}) {
        EXPECT_FALSE(parse_int(bad, i)) << bad;
        EXPECT_FALSE(parse_real(bad, d)) << bad;
    }
    // A NUL inside the text ends nothing: what follows it is part of the text.
    EXPECT_FALSE(parse_int(std::string("5\0x", 3), i));
    EXPECT_FALSE(parse_real(std::string("5\0x", 3), d));
    EXPECT_FALSE(parse_int("2147483648", i));
    for (const char* bad : {"nan", "inf", "-infinity", "1e400"}) EXPECT_FALSE(parse_real(bad, d)) << bad;
    EXPECT_EQ(i, 7);
    EXPECT_EQ(d, 7);

    EXPECT_TRUE(parse_int("+12", i));
    EXPECT_EQ(i, 12);
    // Blanks around a number, as the dialogs allow them.
    EXPECT_TRUE(parse_int(" 5\t", i));
    EXPECT_EQ(i, 5);
    EXPECT_TRUE(parse_real("  2.5 ", d));
    EXPECT_EQ(d, 2.5);
    EXPECT_TRUE(parse_int("-2147483648", i));
    EXPECT_EQ(i, -2147483647 - 1);
    EXPECT_TRUE(parse_real("+.5", d));
    EXPECT_EQ(d, 0.5);
    EXPECT_TRUE(parse_real("-1.25e-3", d));
    EXPECT_EQ(d, -1.25e-3);
}

TEST(NumberText, RealsReadBackExactly) {
    for (double v : {0.1, -1.0 / 3.0, 0.739 * 0.5, 1e-12, 5e-324, -DBL_MAX, DBL_MIN, 1e30, 123456789.0, 0.0}) {
        double back = 1;
        ASSERT_TRUE(parse_real(real_text(v), back)) << real_text(v);
        EXPECT_EQ(back, v) << real_text(v);
    }
    EXPECT_EQ(real_text(0.32), "0.32");
}

// The explorer runs in the user's locale; a decimal comma there must not change the files.
TEST(NumberText, TheProcesssLocaleDoesNotMatter) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    double d = 0;
    const bool parsed = parse_real("0.75", d);
    const std::string written = real_text(0.75);
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_TRUE(parsed);
    EXPECT_EQ(d, 0.75);
    EXPECT_EQ(written, "0.75");
}

}  // namespace
}  // namespace zoquel
