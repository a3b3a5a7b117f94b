#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <vector>

#include "model/canvas.h"
#include "support/presenting_host.h"

namespace zoquel {
namespace {

TEST(Canvas, DrawsIntoTheImageAndTheImageAreaOfTheScreenEachClippedOnItsOwn) {
    Surface image(40, 30, kBlack), screen(25, 50, pack(7, 7, 7));
    Canvas c(image, screen);
    EXPECT_EQ(c.screen_area(), (Rect{0, 0, 25, 30}));
    c.plot(30, 5, kWhite);  // in the image, beyond the window
    c.plot(10, 35, kWhite); // in the window, below the image
    c.plot(3, 4, kWhite);
    EXPECT_EQ(image.get_pixel(30, 5), kWhite);
    EXPECT_EQ(screen.get_pixel(10, 35), pack(7, 7, 7));
    EXPECT_EQ(image.get_pixel(3, 4), kWhite);
    EXPECT_EQ(screen.get_pixel(3, 4), kWhite);
    c.plot(8, 8, kWhite, Where::image);
    c.plot(9, 9, kWhite, Where::screen);
    EXPECT_NE(screen.get_pixel(8, 8), kWhite);
    EXPECT_NE(image.get_pixel(9, 9), kWhite);
    EXPECT_EQ(screen.get_pixel(9, 9), kWhite);
    // A line leaves out its end point, as every line of the program does.
    c.line({0, 20}, {5, 20}, kWhite);
    EXPECT_EQ(image.get_pixel(4, 20), kWhite);
    EXPECT_NE(image.get_pixel(5, 20), kWhite);
}

TEST(Canvas, StartingAfreshAndRestoring) {
    Surface image(40, 30, kWhite), screen(60, 20, kWhite);
    Canvas c(image, screen);
    c.start_afresh(pack(1, 2, 3));
    EXPECT_EQ(image.get_pixel(39, 29), pack(1, 2, 3));
    EXPECT_EQ(screen.get_pixel(39, 19), pack(1, 2, 3));
    EXPECT_EQ(screen.get_pixel(45, 5), kBlack);  // the window beyond the image
    Surface saved(40, 30, pack(4, 5, 6));
    c.restore(saved);
    EXPECT_EQ(image, saved);
    EXPECT_EQ(screen.get_pixel(39, 19), pack(4, 5, 6));
    EXPECT_EQ(screen.get_pixel(45, 5), kBlack);
}

TEST(Canvas, PresentsWhatWasDrawnOnceAsOneRectangle) {
    Surface image(40, 30), screen(40, 30);
    PresentingHost host;
    Canvas c(image, screen);
    c.present(host);
    EXPECT_TRUE(host.shown.empty());
    c.plot(2, 3, kWhite);
    c.plot(10, 20, kWhite);
    c.plot(35, 1, kWhite, Where::image);  // not on the screen: nothing to show
    c.present(host);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0], (Rect{2, 3, 11, 21}));
    c.present(host);
    EXPECT_EQ(host.shown.size(), 1u);
}

// Generators compute coordinates that may lie anywhere; none of them may touch memory outside
// either surface (the sanitizer build checks), nor take long.
TEST(Canvas, PointsFarOutsideAreHarmless) {
    Surface image(40, 30, kBlack), screen(20, 20, kBlack);
    Canvas c(image, screen);
    const double far[] = {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(), 2147483648.0, -2147483649.0, 1e9, -41};
    for (double x : far)
        for (double y : far) {
            const Point p{pixel_coordinate(x), pixel_coordinate(y)};
            c.plot(p.x, p.y, kWhite);
            c.line(p, Point{20, 15}, kWhite, 3);
            c.line(p, Point{-p.x, -p.y}, kWhite, 2);
            c.ellipse(Rect{p.x, p.y, 20, 15}, kWhite, 2);
            c.fill_rect(Rect{p.x, p.y, 5, 5}, kWhite);
        }
    c.plot(INT_MAX, INT_MIN, kWhite);
    c.line({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, kWhite, 5);
    // A line from far outside through the image still draws its visible part.
    Surface fresh(40, 30, kBlack), window(40, 30, kBlack);
    Canvas d(fresh, window);
    d.line({-1000000000, 10}, {1000000000, 10}, kWhite);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(fresh.get_pixel(x, 10), kWhite) << x;
    EXPECT_EQ(pixel_coordinate(12.9), 12);
    EXPECT_EQ(pixel_coordinate(-12.9), -12);
}

}  // namespace
}  // namespace zoquel
