#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/raster.h"

namespace zoquel {

Rect Rect::intersected(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    if (r.empty()) return Rect{};
    return r;
}

Surface::Surface(int width, int height, Pixel fill) { resize(width, height, fill); }

void Surface::resize(int width, int height, Pixel fill) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.assign(std::size_t(width_) * std::size_t(height_), fill);
}

void Surface::set_pixel(int x, int y, Pixel color) {
    if (contains(x, y)) pixels_[std::size_t(y) * width_ + x] = color;
}

Pixel Surface::get_pixel(int x, int y) const {
    return contains(x, y) ? pixels_[std::size_t(y) * width_ + x] : kBlack;
}

void Surface::fill_rect(const Rect& r, Pixel color) {
    Rect c = r.intersected(bounds());
    for (int y = c.top; y < c.bottom; ++y) std::fill(row(y) + c.left, row(y) + c.right, color);
}

void Surface::frame_rect(const Rect& r, Pixel color) {
    if (r.empty()) return;
    fill_rect(Rect{r.left, r.top, r.right, r.top + 1}, color);
    fill_rect(Rect{r.left, r.bottom - 1, r.right, r.bottom}, color);
    fill_rect(Rect{r.left, r.top, r.left + 1, r.bottom}, color);
    fill_rect(Rect{r.right - 1, r.top, r.right, r.bottom}, color);
}

Rect Surface::pen_square(int x, int y, int pen_width) {
    if (pen_width <= 1) return Rect{x, y, x + 1, y + 1};
    const int lo = -(pen_width - 1) / 2;
    return Rect{x + lo, y + lo, x + lo + pen_width, y + lo + pen_width};
}

void Surface::plot_pen(int x, int y, Pixel color, int pen_width) {
    if (pen_width <= 1)
        set_pixel(x, y, color);
    else
        fill_rect(pen_square(x, y, pen_width), color);
}

void Surface::line(Point from, Point to, Pixel color, int pen_width) {
    raster_line(from, to, bounds(), [&](int x, int y) { plot_pen(x, y, color, pen_width); });
}

void Surface::polyline(std::span<const Point> points, Pixel color, int pen_width) {
    for (std::size_t i = 1; i < points.size(); ++i) line(points[i - 1], points[i], color, pen_width);
}

void Surface::copy_from(const Surface& from, const Rect& src, int dst_x, int dst_y) {
    Rect s = src.intersected(from.bounds());
    // Shift the destination by what clipping the source removed.
    dst_x += s.left - src.left;
    dst_y += s.top - src.top;
    Rect d = Rect{dst_x, dst_y, dst_x + s.width(), dst_y + s.height()}.intersected(bounds());
    if (d.empty()) return;
    int sx = s.left + (d.left - dst_x), sy = s.top + (d.top - dst_y);
    for (int y = 0; y < d.height(); ++y) {
        const Pixel* in = from.row(sy + y) + sx;
        std::copy(in, in + d.width(), row(d.top + y) + d.left);
    }
}

}  // namespace zoquel
