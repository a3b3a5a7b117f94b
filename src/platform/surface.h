#pragma once
#include <span>
#include <vector>

#include "platform/rgb.h"

namespace zoquel {

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Half-open rectangle: left <= x < right, top <= y < bottom.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    Rect intersected(const Rect& o) const;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A pixel coordinate from a computed double, truncated toward zero as the generators' rules
// say; values beyond any image (and NaN) become far-outside coordinates instead of overflowing.
inline int pixel_coordinate(double v) {
    constexpr double kFar = 1 << 30;
    if (!(v > -kFar)) return -(1 << 30);
    if (!(v < kFar)) return 1 << 30;
    return int(v);
}

// A width x height RGB image. Every drawing call clips to the surface.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Pixel fill = kBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    Rect bounds() const { return Rect{0, 0, width_, height_}; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    void resize(int width, int height, Pixel fill = kBlack);
    void set_pixel(int x, int y, Pixel color);
    // Outside the surface reads as black.
    Pixel get_pixel(int x, int y) const;

    void fill(Pixel color) { fill_rect(bounds(), color); }
    void fill_rect(const Rect& r, Pixel color);
    // One-pixel outline of the rectangle's border pixels.
    void frame_rect(const Rect& r, Pixel color);
    // Lines include the start point but not the end point; a pen wider than 1 draws a square brush.
    void line(Point from, Point to, Pixel color, int pen_width = 1);
    // Segments between consecutive points, without closing the figure.
    void polyline(std::span<const Point> points, Pixel color, int pen_width = 1);

    // Copies the part of `from` at src (clipped to both surfaces) to (dst_x, dst_y).
    void copy_from(const Surface& from, const Rect& src, int dst_x, int dst_y);

    Pixel* row(int y) { return pixels_.data() + std::size_t(y) * width_; }
    const Pixel* row(int y) const { return pixels_.data() + std::size_t(y) * width_; }
    const std::vector<Pixel>& pixels() const { return pixels_; }
    std::vector<Pixel>& pixels() { return pixels_; }

    friend bool operator==(const Surface&, const Surface&) = default;

    // The pixels a pen of this width covers at (x, y): the point itself, or a square brush.
    static Rect pen_square(int x, int y, int pen_width);

private:
    void plot_pen(int x, int y, Pixel color, int pen_width);

    int width_ = 0, height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace zoquel
