#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/parameter_checks.h"
#include "model/named_settings.h"

namespace zoquel {
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

TEST(NamedSettings, OneTableDrivesTheFileChecksAndTheCommandLine) {
    // A range changed in the table changes both what a file may hold and what --set takes.
    std::vector<NamedSetting> table(named_settings().begin(), named_settings().end());
    for (NamedSetting& n : table)
        if (std::string(n.name) == "bindex") n.hi = 5;
    Settings s;
    EXPECT_EQ(apply_named_setting(s, "bindex", "7", table), "bindex: range: 0 - 10");
    EXPECT_EQ(apply_named_setting(s, "bindex", "5", table), "");
    s.bindex = 7;
    EXPECT_STREQ(first_failed_parameter_check(s, table), "bindex");
    EXPECT_EQ(first_failed_parameter_check(s), nullptr);
    EXPECT_EQ(apply_named_setting(s, "bindex", "7"), "");
}

TEST(NamedSettings, TheStartUpSettingsAndEveryTypesDefaultsPass) {
    Settings s;
    EXPECT_EQ(first_failed_parameter_check(s), nullptr);
    for (const NamedSetting& n : named_settings()) EXPECT_TRUE(n.holds(s)) << n.name;
}

TEST(NamedSettings, DerivedValuesAreNotTheCommandLinesToSet) {
    Settings s;
    for (const char* name : {"cnrootcount", "nvrootcount", "jperiod", "A", "cxsave", "nosuch"}) {
        const std::string message = apply_named_setting(s, name, "1");
        EXPECT_EQ(message.rfind("unknown setting", 0), 0u) << name << ": " << message;
    }
    EXPECT_EQ(s, Settings{});
    EXPECT_NE(settable_setting_names().find("bindex"), std::string::npos);
    EXPECT_EQ(settable_setting_names().find("cnrootcount"), std::string::npos);
    EXPECT_EQ(apply_named_setting(s, "maxiter", "12.5"), "maxiter: '12.5' is not a whole number");
}

}  // namespace
}  // namespace zoquel
