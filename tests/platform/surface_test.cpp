#include <gtest/gtest.h>

#include "platform/random.h"
#include "platform/surface.h"

namespace zoquel {
namespace {

TEST(Surface, ClipsEveryDrawingCall) {
    Surface s(4, 3, kBlack);
    s.set_pixel(-1, 0, kWhite);
    s.set_pixel(4, 0, kWhite);
    s.fill_rect(Rect{-5, -5, 100, 1}, kWhite);
    EXPECT_EQ(s.get_pixel(3, 0), kWhite);
    EXPECT_EQ(s.get_pixel(0, 1), kBlack);
    EXPECT_EQ(s.get_pixel(9, 9), kBlack);  // outside reads black
}

TEST(Surface, LinesLeaveOutTheEndPoint) {
    Surface s(10, 10, kBlack);
    s.line({1, 1}, {5, 1}, kWhite);
    EXPECT_EQ(s.get_pixel(1, 1), kWhite);
    EXPECT_EQ(s.get_pixel(4, 1), kWhite);
    EXPECT_EQ(s.get_pixel(5, 1), kBlack);
    Point frame[] = {{0, 0}, {9, 0}, {9, 9}, {0, 9}, {0, 0}};
    Surface f(10, 10, kBlack);
    f.polyline(frame, kWhite);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(f.get_pixel(i, 0), kWhite);
        EXPECT_EQ(f.get_pixel(i, 9), kWhite);
        EXPECT_EQ(f.get_pixel(0, i), kWhite);
        EXPECT_EQ(f.get_pixel(9, i), kWhite);
    }
    EXPECT_EQ(f.get_pixel(5, 5), kBlack);
}

TEST(Surface, CopyClipsSourceAndDestination) {
    Surface from(4, 4, kWhite);
    from.set_pixel(0, 0, pack(1, 2, 3));
    Surface to(3, 3, kBlack);
    to.copy_from(from, Rect{-1, -1, 3, 3}, 0, 0);  // source starts outside: shifted by one
    EXPECT_EQ(to.get_pixel(0, 0), kBlack);
    EXPECT_EQ(to.get_pixel(1, 1), pack(1, 2, 3));
    EXPECT_EQ(to.get_pixel(2, 2), kWhite);
    to.copy_from(from, from.bounds(), 2, 2);
    EXPECT_EQ(to.get_pixel(2, 2), pack(1, 2, 3));
}

TEST(Random, RepeatsForASeedAndStaysInRange) {
    seed_random(42);
    int first[5];
    for (int& v : first) v = random15();
    seed_random(42);
    for (int v : first) EXPECT_EQ(random15(), v);
    for (int i = 0; i < 10000; ++i) {
        int v = random15();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, kRandomMax);
    }
}

}  // namespace
}  // namespace zoquel
