#pragma once
#include "model/type_table.h"

namespace zoquel {

// Edges of a region of the image in pixels, fractional where a zoom or pan lands between
// pixels: column `left` .. `right`, row `top` .. `bottom` (row 0 is the top, at ymax).
struct PixelBox {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// The one place a view is derived from a region of the image shown: the box's edges become
// the new corner pixels. `xside`, `yside` are those of the image shown; the image is `xres` x
// `yres`. Every other zoom and pan is a box handed to this function.
View zoomed_view(const View& v, double xside, double yside, int xres, int yres, const PixelBox& box);

// The box that zooms by `factor` (> 1 in, < 1 out) keeping the plane point under pixel
// (`px`, `py`) under that pixel.
PixelBox zoom_box_about(int xres, int yres, double px, double py, double factor);

// The box that moves the view by (`dx`, `dy`) pixels: the plane point at pixel (dx, dy)
// comes to pixel (0, 0).
PixelBox pan_box(int xres, int yres, double dx, double dy);

// The box that gives an image of `new_xres` x `new_yres` pixels the same centre and pixel size
// as the `xres` x `yres` image shown: more or less of the plane, nothing stretched.
PixelBox resize_box(int xres, int yres, int new_xres, int new_yres);

// How much the view `v` magnifies the reference view (the type's start-up view), by width.
double magnification(const View& reference, const View& v);

// Decimal places that tell apart the plane points of neighbouring pixels `pixel_size` apart.
int coordinate_decimals(double pixel_size);

}  // namespace zoquel
