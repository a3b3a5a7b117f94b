#include <gtest/gtest.h>

#include "formulas/lyapunov.h"
#include "formula_fixture.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

class Lyapunov : public FormulaTest {
protected:
    void SetUp() override {
        FormulaTest::SetUp();
        choose(24, 0);
    }
    // The pixel whose parameters are a (its y) and b (its x).
    int pixel(double a, double b) { return FormulaTest::pixel(b, a); }
};

TEST_F(Lyapunov, MarkusBothAlgorithms) {
    // Period-2 cycle, exponent about -0.91.
    EXPECT_EQ(pixel(3.2, 3.2), 138);
    EXPECT_EQ(size, 17);
    // Chaos, exponent about +0.69.
    EXPECT_EQ(pixel(4, 4), 0);
    // x settles on 0.5 where the derivative is exactly 0.
    EXPECT_EQ(pixel(2, 2), 0);
    // r = 0 for the a letters: x becomes 0 and so does the derivative of the next a.
    EXPECT_EQ(pixel(0, 3.2), 0);

    s().algorithm = 1;
    EXPECT_EQ(pixel(3.2, 3.2), 215);
    EXPECT_EQ(pixel(4, 4), 0);
    EXPECT_EQ(size, 17);
}

TEST_F(Lyapunov, LettersOtherThanAActAsB) {
    // a = 3.2 stable, b = 4 chaotic: only the letters that pick b make the pixel chaotic.
    s().ustring = "AAAA";
    EXPECT_GT(pixel(3.2, 4), 0);
    s().ustring = "aaaa";
    const int only_a = pixel(3.2, 4);
    EXPECT_GT(only_a, 0);
    s().ustring = "bbbb";
    EXPECT_EQ(pixel(3.2, 4), 0);
    s().ustring = "x1Bz";
    EXPECT_EQ(pixel(3.2, 4), 0);
    // With a = b every letter gives the same map.
    s().ustring = "abba";
    EXPECT_EQ(pixel(3.2, 3.2), 138);
    EXPECT_EQ(s().length, 4);
}

TEST_F(Lyapunov, EmptyOrOverlongSequenceIsSafe) {
    s().ustring.clear();
    EXPECT_EQ(pixel(3.2, 3.2), 0);
    EXPECT_EQ(s().length, 0);
    s().ustring = std::string(40, 'a');
    pixel(3.2, 3.2);
    EXPECT_EQ(s().length, 16);
}

TEST_F(Lyapunov, RunawayOrbitsAndFarPlanesGiveZero) {
    // r far outside [0, 4] sends x off to infinity within a few steps.
    EXPECT_EQ(pixel(50, 50), 0);
    EXPECT_EQ(pixel(-1e300, 1e300), 0);
    s().algorithm = 1;
    EXPECT_EQ(pixel(50, 50), 0);
    EXPECT_EQ(pixel(-1e300, 1e300), 0);
}

TEST_F(Lyapunov, EachMethodStaysInItsRange) {
    s().method = 1;  // Pickover checked with the loop below too
    for (int method = 0; method < 2; ++method) {
        for (int algorithm = 0; algorithm < 2; ++algorithm) {
            s().method = method;
            s().algorithm = algorithm;
            int lo = 256, hi = -1;
            for (double a = -3; a <= 5; a += 0.173)
                for (double b = -3; b <= 5; b += 0.191) {
                    const int n = pixel(a, b);
                    ASSERT_GE(n, 0);
                    if (n == 0 && method == 0) continue;
                    lo = std::min(lo, n), hi = std::max(hi, n);
                }
            if (method == 1) {
                EXPECT_GE(lo, 6);
                EXPECT_LE(hi, 249);
                break;  // Pickover has no algorithm choice
            }
            if (algorithm == 0) {
                EXPECT_GE(lo, 1);
                EXPECT_LE(hi, 254);
            } else {
                EXPECT_GE(lo, 166);
                EXPECT_LE(hi, 248);
            }
        }
    }
}

TEST_F(Lyapunov, PickoverUsesItsOwnStartAndConstants) {
    s().method = 1;
    const int a = pixel(1.3, -0.7);
    s().CC = 1.5;
    s().DD = 0.5;
    const int b = pixel(1.3, -0.7);
    s().CC = s().DD = 0.75;
    EXPECT_EQ(pixel(1.3, -0.7), a);
    EXPECT_NE(a, b);
    EXPECT_EQ(size, 17);
}

TEST(LyapunovSequence, AcceptsOnlyAAndB) {
    EXPECT_TRUE(valid_lyapunov_letters("aBbA"));
    EXPECT_TRUE(valid_lyapunov_letters(std::string(20, 'b')));
    EXPECT_FALSE(valid_lyapunov_letters(""));
    EXPECT_FALSE(valid_lyapunov_letters("abc"));
    EXPECT_FALSE(valid_lyapunov_letters("a b"));
}

}  // namespace
}  // namespace zoquel
