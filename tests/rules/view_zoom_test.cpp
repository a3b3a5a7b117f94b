#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "model/pixel_image.h"
#include "rules/view_zoom.h"

namespace zoquel {
namespace {

View zoom(const View& v, int xres, int yres, const PixelBox& b) {
    return zoomed_view(v, v.xmax - v.xmin, v.ymax - v.ymin, xres, yres, b);
}

// A wheel step in and the step out at the same pixel come back to the view within a few
// units in the last place of the largest magnitude involved (each edge goes through two
// roundings of a product and a sum, twice).
void expect_near_view(const View& a, const View& b) {
    const double scale = std::max({std::fabs(a.xmin), std::fabs(a.xmax), std::fabs(a.ymin), std::fabs(a.ymax),
                                   a.xmax - a.xmin, a.ymax - a.ymin});
    const double tolerance = 8 * DBL_EPSILON * scale;
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(a[i], b[i], tolerance) << "edge " << i;
}

TEST(ViewZoom, AWholePixelBoxLandsWhereTheZoomBoxAlwaysLanded) {
    const View v{-2.5, 1.5, -2.0, 2.0};
    const View z = zoom(v, 600, 600, PixelBox{150, 150, 449, 449});
    EXPECT_EQ(z.xmin, v.xmin + 150 * 4.0 / 599);
    EXPECT_EQ(z.xmax, v.xmin + 449 * 4.0 / 599);
    EXPECT_EQ(z.ymin, v.ymax - 449 * 4.0 / 599);
    EXPECT_EQ(z.ymax, v.ymax - 150 * 4.0 / 599);
}

TEST(ViewZoom, ZoomAboutAPointKeepsThatPointUnderThePixel) {
    for (const View v : {View{-2.5, 1.5, -2.0, 2.0}, View{-0.7436438870, -0.7436438860, 0.1318259038, 0.1318259048}}) {
        for (const double factor : {2.0, 0.5, 1.5}) {
            const int xres = 600, yres = 400;
            const double px = 123, py = 345;
            const ImageGeometry before = ImageGeometry::of(v, xres, yres);
            const View z = zoom(v, xres, yres, zoom_box_about(xres, yres, px, py, factor));
            const ImageGeometry after = ImageGeometry::of(z, xres, yres);
            EXPECT_NEAR(after.column_x(int(px)), before.column_x(int(px)), 4 * DBL_EPSILON * 3);
            EXPECT_NEAR(after.row_y(int(py)), before.row_y(int(py)), 4 * DBL_EPSILON * 3);
            // The sides are differences of edges: exact to the edges' own rounding.
            EXPECT_NEAR(after.xside * factor, before.xside, 8 * DBL_EPSILON * 3);
            EXPECT_NEAR(after.yside * factor, before.yside, 8 * DBL_EPSILON * 3);
        }
    }
}

TEST(ViewZoom, InThenOutAndPanThereAndBackReturnToTheView) {
    const View views[] = {View{-2.5, 1.5, -2.0, 2.0}, View{-0.75000000001, -0.74999999999, 0.1, 0.10000000002},
                          View{100, 300, -50, 50}};
    for (const View& v : views) {
        for (const double px : {0.0, 17.0, 299.0, 599.0}) {
            const View in = zoom(v, 600, 500, zoom_box_about(600, 500, px, 250, 2.0));
            expect_near_view(zoom(in, 600, 500, zoom_box_about(600, 500, px, 250, 0.5)), v);
        }
        const View moved = zoom(v, 600, 500, pan_box(600, 500, 150, -125));
        EXPECT_NEAR(moved.xmax - moved.xmin, v.xmax - v.xmin, 8 * DBL_EPSILON * 300);
        expect_near_view(zoom(moved, 600, 500, pan_box(600, 500, -150, 125)), v);
    }
}

TEST(ViewZoom, AResizedImageKeepsItsCentreAndPixelSize) {
    const View v{-2.5, 1.5, -2.0, 2.0};
    const View z = zoom(v, 601, 401, resize_box(601, 401, 301, 801));
    EXPECT_DOUBLE_EQ((z.xmin + z.xmax) / 2, (v.xmin + v.xmax) / 2);
    EXPECT_DOUBLE_EQ((z.ymin + z.ymax) / 2, (v.ymin + v.ymax) / 2);
    EXPECT_DOUBLE_EQ((z.xmax - z.xmin) / 300, (v.xmax - v.xmin) / 600);
    EXPECT_DOUBLE_EQ((z.ymax - z.ymin) / 800, (v.ymax - v.ymin) / 400);
    // The same size is the same view.
    expect_near_view(zoom(v, 600, 500, resize_box(600, 500, 600, 500)), v);
}

TEST(ViewZoom, MagnificationAndDecimalsFollowTheView) {
    const View start{-2.5, 1.5, -2.0, 2.0};
    EXPECT_DOUBLE_EQ(magnification(start, start), 1.0);
    EXPECT_DOUBLE_EQ(magnification(start, View{0, 0.004, 0, 0.004}), 1000.0);
    EXPECT_EQ(magnification(start, View{1, 1, 0, 0}), 0.0);
    EXPECT_EQ(coordinate_decimals(4.0 / 599), 4);
    EXPECT_EQ(coordinate_decimals(1e-12), 13);
    EXPECT_EQ(coordinate_decimals(1e-30), 17);
    EXPECT_EQ(coordinate_decimals(0), 6);
}

}  // namespace
}  // namespace zoquel
