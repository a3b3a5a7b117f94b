#include <gtest/gtest.h>

#include <cmath>

#include "formulas/collatz.h"
#include "formula_fixture.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

// Keeps what the screen showed at the first present after the panel was drawn.
class PanelHost : public HeadlessHost {
public:
    void present(const Rect& area) override {
        ++presents;
        if (presents == 1) first = screen();
        (void)area;
    }
    int presents = 0;
    Surface first;
};

class Collatz : public PixelTest<PanelHost> {};

TEST_F(Collatz, MapAndStartValues) {
    choose(22, 0);
    // f(0) = 0: the orbit of c = 0 stays at 0 for all 256 steps; 2 * 256 mod 256 = 0.
    EXPECT_EQ(pixel(0, 0), 0);
    EXPECT_EQ(size, 0);
    // f is 3z + 1 on odd integers and z/2 on even ones: from c = 0 and z(0) = 0 nothing moves,
    // but the dynamic plane with c = 0 follows 3 -> 10 -> 5 -> 16 -> 8 -> 4 -> 2 -> 1 -> 4.
    s().method = 1;
    s().maxiter = 2;
    pixel(3, 0);
    EXPECT_NEAR(zx, 5, 1e-9);
    EXPECT_NEAR(zy, 0, 1e-9);
    // z(0) at the critical point: one step from -1.27107 with c = 0.5.
    s().method = 0;
    s().maxiter = 1;
    s().collatzcrit = 1;
    EXPECT_EQ(pixel(0.5, 0), 2);
    const std::complex<double> z0(-1.27107, 0), sn = std::sin(3.141592653589793 * z0 / 2.0);
    const std::complex<double> want = z0 / 2.0 + (2.5 * z0 + 1.0) * sn * sn + 0.5;
    EXPECT_NEAR(zx, want.real(), 1e-12);
    EXPECT_NEAR(zy, want.imag(), 1e-12);
}

TEST_F(Collatz, EscapesAndResultsAreEven) {
    choose(22, 0);
    for (double x = -2.5; x <= 2.5; x += 0.37) {
        const int n = pixel(x, 1.1);
        EXPECT_EQ(n % 2, 0);
        EXPECT_LT(n, 256);
    }
    // Far from the real axis sin^2 grows at once: 3i, then far out.
    EXPECT_EQ(pixel(0, 3), 4);
    EXPECT_GT(size, 72);
}

TEST_F(Collatz, NewtonFindsTheRootsOfTheTable) {
    choose(23, 0);
    EXPECT_EQ(pixel(0, 0), 2);  // on the root 0: one step
    EXPECT_EQ(last.root, 0);
    EXPECT_EQ(size, 73);
    s().cindex = 2;
    EXPECT_EQ(pixel(0, 0), 3);  // palette interval 2 doubles the spacing
    const CollatzRootTable& t = collatz_roots(live().memory);
    // Near a root of the table the orbit finds that root.
    for (int k : {3, 10, 60}) {
        const auto r = t.roots[std::size_t(k)];
        pixel(r.real() + 0.01, r.imag() - 0.01);
        EXPECT_EQ(last.root, k);
        EXPECT_NEAR(zx, r.real(), 1e-3);
    }
}

TEST_F(Collatz, AnOrbitToAnUnknownRootNeverConverges) {
    choose(23, 0);
    s().outside = 2;
    last.nfx = 0.5;
    // The root near 40 lies beyond the table.
    const int n = pixel(40.05, 0.3);
    EXPECT_EQ(last.root, collatz_roots(live().memory).count);
    EXPECT_EQ(n, 256 % 255 + 1);
    EXPECT_EQ(last.nfx, 0);
    EXPECT_NEAR(zx, 40, 0.01);
}

TEST_F(Collatz, SmoothingFractionStaysInRange) {
    choose(23, 0);
    s().outside = 2;
    for (double x = -4.5; x <= 4.5; x += 0.61)
        for (double y = -4.5; y <= 4.5; y += 0.73) {
            pixel(x, y);
            ASSERT_GE(last.nfx, 0);
            ASSERT_LE(last.nfx, 1);
        }
}

TEST_F(Collatz, JohnstonPixelsAreAlwaysOutside) {
    choose(23, 1);
    for (double x : {0.0, 0.3, 1.0, 2.0, 4.4})
        for (double y : {0.0, 0.01, 2.0}) {
            const int n = pixel(x, y);
            EXPECT_EQ(size, 73);
            EXPECT_EQ(n % 2, 0);
        }
    // z = 0 with c = 0: 0/4 * 2 + 1/16 * 0 * ... = 0 stays; 512 mod 256 = 0.
    EXPECT_EQ(pixel(0, 0), 0);
    EXPECT_EQ(zx, 0);
    // A large imaginary part overflows cos: the orbit ends and the result is still an index.
    const int far = pixel(0, 400);
    EXPECT_GE(far, 0);
    EXPECT_LT(far, 256);
}

TEST(CollatzRoots, BuiltinTableIsWhatAFreshScanFinds) {
    const CollatzRootTable& builtin = builtin_collatz_roots();
    ASSERT_EQ(builtin.count, 61);
    const CollatzRootTable fresh = scan_collatz_roots({0, 0});
    ASSERT_EQ(fresh.count, 61);
    for (int i = 0; i < 61; ++i) {
        int matches = 0;
        for (int k = 0; k < 61; ++k)
            if (std::abs(fresh.roots[std::size_t(k)] - builtin.roots[std::size_t(i)]) < 1e-10) ++matches;
        EXPECT_EQ(matches, 1) << "root " << i;
    }
    // The order of the table: 0, the pair nearest 0, +2, -2, ... +30, positive imaginary first.
    EXPECT_EQ(builtin.roots[0], std::complex<double>(0, 0));
    EXPECT_DOUBLE_EQ(builtin.roots[3].real(), 1.9974850043361152);
    EXPECT_DOUBLE_EQ(builtin.roots[3].imag(), 0.2534284921937755);
    EXPECT_DOUBLE_EQ(builtin.roots[5].real(), -2.0052319701937447);
    EXPECT_GT(builtin.roots[5].imag(), 0);
    EXPECT_DOUBLE_EQ(builtin.roots[59].real(), 29.999984455659128);
    for (int pair = 1; pair < 61; pair += 2) {
        EXPECT_GT(builtin.roots[std::size_t(pair)].imag(), 0);
        EXPECT_NEAR(builtin.roots[std::size_t(pair)].real(), builtin.roots[std::size_t(pair + 1)].real(), 1e-12);
        EXPECT_NEAR(builtin.roots[std::size_t(pair)].imag(), -builtin.roots[std::size_t(pair + 1)].imag(), 1e-12);
    }
}

TEST_F(Collatz, RecalculationDrawsAPanelAndRestoresTheScreen) {
    choose(23, 0);
    host.screen().resize(600, 600, kBlack);
    host.screen().fill_rect(Rect{0, 0, 445, 100}, pack(1, 2, 3));
    const CollatzRootTable found = cncalculateroots({0, 0}, host);
    ASSERT_GE(host.presents, 1);
    EXPECT_EQ(host.first.get_pixel(5, 5), pack(0x00, 0x70, 0x80));
    EXPECT_EQ(host.first.get_pixel(100, 50), kWhite);
    EXPECT_EQ(host.screen().get_pixel(5, 5), pack(1, 2, 3));
    EXPECT_EQ(host.screen().get_pixel(444, 99), pack(1, 2, 3));
    EXPECT_EQ(host.screen().get_pixel(445, 99), kBlack);
    EXPECT_EQ(found.count, 61);
}

TEST_F(Collatz, AnotherA0RecalculatesBeforeTheNextImage) {
    choose(23, 0);
    // As a loaded file would leave it: a0 = 1 with the table still for 0.
    s().pc[23].p1 = 1;
    s().pc[23].p2 = 0;
    s().cnrootcount = 61;
    prepare();
    EXPECT_EQ(collatz_roots(live().memory).a0, std::complex<double>(1, 0));
    EXPECT_EQ(s().cnrootcount, collatz_roots(live().memory).count);
    const CollatzRootTable fresh = scan_collatz_roots({1, 0});
    ASSERT_EQ(collatz_roots(live().memory).count, fresh.count);
    EXPECT_EQ(collatz_roots(live().memory).roots, fresh.roots);
    // A pixel beside a root of f(z) = 1 finds that root.
    const double pi = 3.141592653589793;
    int checked = 0;
    for (int k = 0; k < fresh.count; ++k) {
        const auto z = fresh.roots[std::size_t(k)];
        const auto f = ((7.0 * z + 2.0) - (5.0 * z + 2.0) * std::cos(pi * z)) / 4.0;
        if (std::abs(f - 1.0) > 1e-9 || std::abs(z.imag()) < 0.1) continue;
        pixel(z.real() + 0.001, z.imag());
        EXPECT_EQ(last.root, k);
        ++checked;
    }
    EXPECT_GT(checked, 40);
    // The same a0 again does not scan again.
    const int presents = host.presents;
    prepare();
    EXPECT_EQ(host.presents, presents);
    // Back to the start-up table for the next test.
    reset_live_state(host);
    EXPECT_EQ(collatz_roots(live().memory).a0, std::complex<double>(0, 0));
}

}  // namespace
}  // namespace zoquel
