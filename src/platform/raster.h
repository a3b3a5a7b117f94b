#pragma once
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/surface.h"

namespace zoquel {

// How far beyond the area drawn on a line may start or end and still be drawn point by point
// from its true ends; farther ends are first clipped to this margin, so that coordinates far
// outside cost nothing and never overflow.
constexpr int kRasterMargin = 4096;

namespace raster_detail {

inline bool near(const Point& p, const Rect& r) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Liang-Barsky: the part of the segment inside `r`, in doubles; false when none is.
inline bool clip_segment(double& x0, double& y0, double& x1, double& y1, const Rect& r) {
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - r.left, (r.right - 1) - x0, y0 - r.top, (r.bottom - 1) - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy, bx = x0 + t1 * dx, by = y0 + t1 * dy;
    x0 = ax, y0 = ay, x1 = bx, y1 = by;
    return true;
}

}  // namespace raster_detail

// Calls f(x, y) for the points of the line from `from` to `to`, Bresenham, leaving out the end
// point as the original platform's line drawing does. `area` is where the points are wanted.
template <class F>
void raster_line(Point from, Point to, const Rect& area, F&& f) {
    const Rect wide{area.left - kRasterMargin, area.top - kRasterMargin, area.right + kRasterMargin,
                    area.bottom + kRasterMargin};
    if (!raster_detail::near(from, wide) || !raster_detail::near(to, wide)) {
        double x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
        if (!raster_detail::clip_segment(x0, y0, x1, y1, wide)) return;
        from = Point{int(std::lround(x0)), int(std::lround(y0))};
        to = Point{int(std::lround(x1)), int(std::lround(y1))};
    }
    int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    int x = from.x, y = from.y;
    while (x != to.x || y != to.y) {
        f(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// Calls f(from, to) for the segments of an elliptic arc inside `box`, counter-clockwise from
// start_angle to end_angle (radians, 0 = +x, y up as on screen). Boxes too large to be meant
// are left out.
template <class F>
void raster_arc(const Rect& box, double start_angle, double end_angle, F&& f) {
    constexpr int kLargest = 1 << 20;
    if (box.width() > kLargest || box.height() > kLargest) return;
    const double cx = (box.left + box.right - 1) / 2.0, cy = (box.top + box.bottom - 1) / 2.0;
    const double rx = (box.width() - 1) / 2.0, ry = (box.height() - 1) / 2.0;
    if (rx < 0 || ry < 0) return;
    while (end_angle < start_angle) end_angle += 2 * M_PI;
    const int steps = std::max(8, int((rx + ry) * (end_angle - start_angle)) + 1);
    Point prev{int(std::lround(cx + rx * std::cos(start_angle))), int(std::lround(cy - ry * std::sin(start_angle)))};
    for (int i = 1; i <= steps; ++i) {
        const double a = start_angle + (end_angle - start_angle) * i / steps;
        const Point p{int(std::lround(cx + rx * std::cos(a))), int(std::lround(cy - ry * std::sin(a)))};
        f(prev, p);
        prev = p;
    }
}

}  // namespace zoquel
