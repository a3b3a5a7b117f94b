#include "rules/view_zoom.h"

#include <algorithm>
#include <cmath>

namespace zoquel {

View zoomed_view(const View& v, double xside, double yside, int xres, int yres, const PixelBox& box) {
    // All four edges from the old values; the order of operations keeps a box of whole pixels
    // landing where the zoom box always landed.
    View z;
    z.xmin = v.xmin + box.left * xside / (xres - 1);
    z.ymin = v.ymax - box.bottom * yside / (yres - 1);
    z.xmax = v.xmin + box.right * xside / (xres - 1);
    z.ymax = v.ymax - box.top * yside / (yres - 1);
    return z;
}

PixelBox zoom_box_about(int xres, int yres, double px, double py, double factor) {
    const double w = xres - 1, h = yres - 1;
    return PixelBox{px - px / factor, py - py / factor, px + (w - px) / factor, py + (h - py) / factor};
}

PixelBox pan_box(int xres, int yres, double dx, double dy) {
    return PixelBox{dx, dy, xres - 1 + dx, yres - 1 + dy};
}

PixelBox resize_box(int xres, int yres, int new_xres, int new_yres) {
    const double left = ((xres - 1) - (new_xres - 1)) / 2.0, top = ((yres - 1) - (new_yres - 1)) / 2.0;
    return PixelBox{left, top, left + (new_xres - 1), top + (new_yres - 1)};
}

double magnification(const View& reference, const View& v) {
    const double w = v.xmax - v.xmin;
    if (w == 0 || !std::isfinite(w)) return 0;
    return std::fabs((reference.xmax - reference.xmin) / w);
}

int coordinate_decimals(double pixel_size) {
    pixel_size = std::fabs(pixel_size);
    if (!(pixel_size > 0) || !std::isfinite(pixel_size)) return 6;
    // One digit beyond the pixel's own, and no more than a double holds.
    return std::clamp(int(std::ceil(-std::log10(pixel_size))) + 1, 2, 17);
}

}  // namespace zoquel
