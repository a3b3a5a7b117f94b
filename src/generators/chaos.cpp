#include "generators/chaos.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace zoquel {

namespace {

constexpr double kHalfSqrt3 = 0.8660254037844386;
constexpr std::uint32_t kCounterLimit = 0xFFFFFFFE;

const char* const kFormulaText[2] = {
    "Chaos Game: Sierpinski Polygons\n\n"
    "   A point jumps, again and again, part of the way toward a corner\n"
    "   of a polygon chosen at random:\n\n"
    "   new = corner + f * (old - corner)\n\n"
    "   triangle f = 0.5, square 0.475, pentagon 0.382, hexagon 1/3;\n"
    "   the overlapped pentagon and hexagon use f = 0.5.\n\n"
    "Each plot adds 500,000 points to the picture. Alt + G chooses the\n"
    "polygon and the colouring: one colour, or each pixel by how often\n"
    "it was hit (the palette).",
    "Chaos Game: Lace\n\n"
    "   Four maps, one chosen at random at each step:\n"
    "   z = -|z| (sin w + i cos w) / r + corner\n"
    "   with w the angle of z seen from one of the points\n"
    "   1, -0.5 + i sqrt(3)/2, -0.5 - i sqrt(3)/2 and 0\n\n"
    "   r = 2.0 (1.1 - 2.75), scale = 4 (1 - 10)\n\n"
    "Each map pulls the colour toward red, green, blue or white; each\n"
    "plot adds 100,000 points to the picture.",
};

Pixel rgb(int r, int g, int b) { return pack(r, g, b); }

// A coordinate truncated toward zero as a pixel of 0..limit-1; -1 where it falls outside
// (tested in doubles, so no huge value or NaN is converted).
int pixel_within(double v, int limit) { return v > -1 && v < limit ? int(v) : -1; }

}  // namespace

ChaosGame::ChaosGame(const ImageInput& in)
    : method_(in.settings.method),
      width_(in.settings.xres),
      height_(in.settings.yres),
      r_(in.settings.pc[31].p1),
      scale_(int(in.settings.pc[31].p2)) {
    if (method_ == 0) {
        try {
            hitcount_.assign(std::size_t(width_) * std::size_t(height_), 0);
        } catch (const std::bad_alloc&) {
            counters_ok_ = false;
        }
    }
    // Lace's random numbers go on from wherever the clock puts them; the polygon walk seeds
    // its own at its first step.
    random_.seed(in.host.time_of_day());
    x_ = width_ * 0.5;
    y_ = height_ * 0.5;
}

std::uint32_t ChaosGame::hits(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || hitcount_.empty()) return 0;
    return hitcount_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
}

void ChaosGame::place_vertices(int smode, double W, double H) {
    const double h = H * kHalfSqrt3;
    const double top = (H - h) / 2 + 20, bottom = H - (H - h) / 2 - 20;
    switch (smode) {
        case 1:  // a diamond: the top and bottom corners take half the height as x
            vertex_ = {{{H / 2, 20}, {20, H / 2}, {W - 20, H / 2}, {H / 2, H - 20}}};
            break;
        case 2:
        case 4: {
            const double R = H / 2 - 20;
            vertex_ = {{{W / 2, 40},
                        {W / 2 - 0.951 * R, H / 2 - 0.309 * R + 20},
                        {W / 2 + 0.951 * R, H / 2 - 0.309 * R + 20},
                        {W / 2 - 0.588 * R, H / 2 + 0.809 * R + 20},
                        {W / 2 + 0.588 * R, H / 2 + 0.809 * R + 20}}};
            break;
        }
        case 3:
        case 5:
            vertex_ = {{{20, H / 2},
                        {20 + (W - 40) / 4, top},
                        {20 + 3 * (W - 40) / 4, top},
                        {20 + (W - 40) / 4, bottom},
                        {20 + 3 * (W - 40) / 4, bottom},
                        {W - 20, H / 2}}};
            break;
        default:
            vertex_ = {{{W / 2, top}, {20, bottom}, {W - 20, bottom}}};
            break;
    }
    static constexpr int kCorners[6] = {3, 4, 5, 6, 5, 6};
    static constexpr double kContraction[6] = {0.5, 0.475, 0.382, 1.0 / 3, 0.5, 0.5};
    const int mode = smode >= 0 && smode < 6 ? smode : 0;
    corners_ = kCorners[mode];
    contraction_ = kContraction[mode];
}

Pixel ChaosGame::polygon_step(const Settings& s, bool& inside) {
    const auto& v = vertex_[std::size_t(random_.next() % corners_)];
    x_ = v[0] + contraction_ * (x_ - v[0]);
    y_ = v[1] + contraction_ * (y_ - v[1]);
    const int px = pixel_within(x_, width_), py = pixel_within(y_, height_);
    inside = px >= 0 && py >= 0;
    if (s.scmode == 0) return rgb(s.rin, s.gin, s.bin);
    // The first hit of a pixel takes entry 0; the counters stop short of overflowing.
    std::uint32_t before = 0;
    if (inside) {
        std::uint32_t& c = hitcount_[std::size_t(py) * std::size_t(width_) + std::size_t(px)];
        before = c;
        if (c < kCounterLimit) ++c;
    }
    return pack(s.palette[std::min<std::uint32_t>(before, 255)]);
}

void ChaosGame::polygon_batch(Canvas& canvas, const Settings& s, unsigned clock) {
    for (int i = 0; i < kPolygonBatch; ++i) {
        if (firstiter_) {
            random_.seed(clock);
            place_vertices(s.smode, double(width_), double(height_));
            firstiter_ = false;
        }
        bool inside;
        const Pixel color = polygon_step(s, inside);
        // The warm-up of a fresh image: its first hundred points are not drawn.
        if (firsthundred_ && i < kWarmUp) continue;
        firsthundred_ = false;
        if (!inside) continue;
        canvas.plot(pixel_within(x_, width_), pixel_within(y_, height_), color);
        ++plotted_;
    }
}

bool ChaosGame::lace_pixel(double x, double y, int width, int height, int scale, Point& at) {
    const int xunit = width / std::max(1, scale), yunit = height / std::max(1, scale);
    const int xorigin = width / 2, yorigin = (7 * height / 8) / 2;
    // Tested in doubles: a point far out is skipped, and the walk goes on from it.
    at = Point{pixel_within(xunit * x + xorigin, width), pixel_within(yunit * y + yorigin, height)};
    return at.x >= 0 && at.y >= 0;
}

void ChaosGame::lace_batch(Canvas& canvas) {
    const double r = r_, s = kHalfSqrt3;
    for (int i = 0; i < kLaceBatch; ++i) {
        const double x0 = x0_, y0 = y0_;
        const double r0 = std::sqrt(x0 * x0 + y0 * y0);
        double w;
        switch (random_.next() % 4) {
            case 0:
                w = std::atan2(y0, x0 - 1);
                y0_ = -r0 * std::cos(w) / r + 1;
                x0_ = -r0 * std::sin(w) / r;
                cr_ = (cr_ + 1) / 2, cg_ /= 2, cb_ /= 2;
                break;
            case 1:
                w = std::atan2(y0 - s, x0 + 0.5);
                y0_ = -r0 * std::cos(w) / r - 0.5;
                x0_ = -r0 * std::sin(w) / r + s;
                cr_ /= 2, cg_ = (cg_ + 1) / 2, cb_ /= 2;
                break;
            case 2:
                w = std::atan2(y0 + s, x0 + 0.5);
                y0_ = -r0 * std::cos(w) / r - 0.5;
                x0_ = -r0 * std::sin(w) / r - s;
                cr_ /= 2, cg_ /= 2, cb_ = (cb_ + 1) / 2;
                break;
            default:
                w = std::atan2(y0, x0);
                y0_ = -r0 * std::cos(w) / r;
                x0_ = -r0 * std::sin(w) / r;
                cr_ = (cr_ + 1) / 2, cg_ = (cg_ + 1) / 2, cb_ = (cb_ + 1) / 2;
                break;
        }
        Point at;
        if (i < kWarmUp || !lace_pixel(x0_, y0_, width_, height_, scale_, at)) continue;
        const Rgb old = unpack(canvas.pixel(at.x, at.y));
        canvas.plot(at.x, at.y,
                    rgb((int(256 * cr_) + old.r) % 255 + 1, (int(256 * cg_) + old.g) % 255 + 1,
                        (int(256 * cb_) + old.b) % 255 + 1));
        ++plotted_;
    }
}

StepResult ChaosGame::step(Canvas& canvas, StepContext& context) {
    const Settings& s = context.settings;
    if (!counters_ok_) {
        context.host.message_box(kMemoryNotice, kMemoryCaption, MessageIcon::exclamation);
        return StepResult{false, 0, true};
    }
    if (fresh_) {
        fresh_ = false;
        canvas.start_afresh(pack(s.rout, s.gout, s.bout));
    }
    if (method_ == 0)
        polygon_batch(canvas, s, context.host.time_of_day());
    else
        lace_batch(canvas);
    return StepResult{};
}

TypeImplementation chaos_implementation() {
    return {.whole = [](const ImageInput& in) -> WholeImagePtr { return std::make_unique<ChaosGame>(in); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
