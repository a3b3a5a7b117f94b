#include <gtest/gtest.h>

#include "rules/lyapunov_form.h"
#include "rules/volterra_lotka_form.h"

namespace zoquel {
namespace {

TEST(VolterraLotkaForm, ClampsEveryValue) {
    Settings s;
    VolterraLotkaForm f = volterra_lotka_form_from(s);
    EXPECT_EQ(f.h, 0.739);
    EXPECT_EQ(f.maxiter, 256);
    f.h = 0.6;
    f.maxiter = 5000;
    f.vlcoloring = 2;
    commit_volterra_lotka_form(s, f);
    EXPECT_EQ(s.half, 0.3);
    EXPECT_EQ(s.pc[3].p1, 0.6);
    EXPECT_EQ(s.maxiter, 1024);
    EXPECT_EQ(s.vlcoloring, 2);

    f = VolterraLotkaForm{-25, 30, 3, 1000, 0.001, 1};
    commit_volterra_lotka_form(s, f);
    EXPECT_EQ(s.pc[3].p1, -20);
    EXPECT_EQ(s.half, -10);
    EXPECT_EQ(s.pc[3].p2, 20);
    EXPECT_EQ(s.maxiter, 16);
    EXPECT_EQ(s.pc[3].maxsize, 256);
    EXPECT_EQ(s.vlradius, 0.01);
    f.maxsize = 2;
    f.vlradius = 9;
    commit_volterra_lotka_form(s, f);
    EXPECT_EQ(s.pc[3].maxsize, 16);
    EXPECT_EQ(s.vlradius, 0.5);
    // Only type 3's record is touched.
    EXPECT_EQ(s.pc[0], Settings{}.pc[0]);
}

TEST(LyapunovForm, SequenceRefusedOrCut) {
    Settings s;
    LyapunovForm f = lyapunov_form_from(s);
    EXPECT_EQ(f.sequence, "ab");
    f.sequence = "AbBa";
    ASSERT_TRUE(commit_lyapunov_form(s, f).ok());
    EXPECT_EQ(s.ustring, "AbBa");
    EXPECT_EQ(s.length, 4);

    f.sequence = std::string(20, 'a');
    ASSERT_TRUE(commit_lyapunov_form(s, f).ok());
    EXPECT_EQ(s.ustring, std::string(16, 'a'));
    EXPECT_EQ(s.length, 16);

    // A refusal stores none of the other values either.
    for (const char* bad : {"abc", "", "a b", "ab1"}) {
        Settings t;
        LyapunovForm g = lyapunov_form_from(t);
        g.sequence = bad;
        g.k = 3;
        const LyapunovOutcome out = commit_lyapunov_form(t, g);
        EXPECT_EQ(out.error, 10) << bad;
        EXPECT_EQ(t, Settings{}) << bad;
    }
}

TEST(LyapunovForm, ClampsTheNumbers) {
    Settings s;
    LyapunovForm f = lyapunov_form_from(s);
    f.x01 = 1.5;
    f.k = 0;
    f.algorithm = 1;
    f.x02 = 0;
    f.y02 = -3;
    f.c = 2;
    f.d = 0.1;
    ASSERT_TRUE(commit_lyapunov_form(s, f).ok());
    EXPECT_EQ(s.x01user, 0.999999);
    EXPECT_EQ(s.k, 0.1);
    EXPECT_EQ(s.algorithm, 1);
    EXPECT_EQ(s.x02user, 0.000001);
    EXPECT_EQ(s.y02user, 0.000001);
    EXPECT_EQ(s.CC, 1.5);
    EXPECT_EQ(s.DD, 0.5);
    f.x01 = 1;
    f.k = 7;
    ASSERT_TRUE(commit_lyapunov_form(s, f).ok());
    EXPECT_EQ(s.x01user, 0.999999);
    EXPECT_EQ(s.k, 5);
}

}  // namespace
}  // namespace zoquel
