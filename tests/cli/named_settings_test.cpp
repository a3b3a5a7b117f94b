#include <gtest/gtest.h>

#include "cli/named_settings.h"

namespace zoquel::cli {
namespace {

TEST(NamedSettings, LyapunovSequenceAsTheDialogTakesIt) {
    Settings s;
    EXPECT_EQ(apply_named_setting(s, "ustring", "aaBBbA"), "");
    EXPECT_EQ(s.ustring, "aaBBbA");
    EXPECT_EQ(s.length, 6);
    EXPECT_EQ(apply_named_setting(s, "ustring", std::string(20, 'b')), "");
    EXPECT_EQ(s.ustring, std::string(16, 'b'));
    EXPECT_EQ(s.length, 16);
    const Settings before = s;
    EXPECT_EQ(apply_named_setting(s, "ustring", "abc"), "ustring: sequence must contain only A, B, a or b");
    EXPECT_NE(apply_named_setting(s, "ustring", ""), "");
    EXPECT_EQ(s, before);
}

TEST(NamedSettings, PerTypeOptionsWithinTheirRanges) {
    struct Case {
        const char* name;
        const char* good;
        const char* bad;
    };
    const Case cases[] = {
        {"algorithm", "1", "2"},     {"k", "5", "5.01"},         {"x01user", "0.5", "1"},
        {"x02user", "0.000001", "0"}, {"y02user", "0.999999", "-0.5"}, {"CC", "1.5", "0.4"},
        {"DD", "0.5", "1.6"},        {"half", "-10", "10.5"},    {"vlcoloring", "2", "3"},
        {"vlradius", "0.01", "0.6"}, {"bindex", "10", "11"},     {"collatzcrit", "1", "-1"},
        {"cindex", "2", "0"},
    };
    for (const Case& c : cases) {
        Settings s;
        EXPECT_EQ(apply_named_setting(s, c.name, c.good), "") << c.name;
        EXPECT_NE(s, Settings{}) << c.name << " did not change anything";
        const Settings before = s;
        const std::string message = apply_named_setting(s, c.name, c.bad);
        EXPECT_EQ(message.rfind(std::string(c.name) + ": ", 0), 0u) << c.name << ": " << message;
        EXPECT_EQ(s, before) << c.name;
        EXPECT_NE(apply_named_setting(s, c.name, "nan"), "") << c.name;
    }
}

}  // namespace
}  // namespace zoquel::cli
