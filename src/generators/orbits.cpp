#include "generators/orbits.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zoquel {

namespace {

constexpr Pixel kPen = pack(143, 0, 0);
constexpr Pixel kDot = pack(255, 255, 0);

const char* const kInstructions =
    "Left-click any point to trace the\n   orbit for that point.\n\nLeft-click again to refresh the set.";

const char* const kFormulaText[2] = {
    "Orbits: Mandelbrot Set (Parameter Plane)\n\n"
    "   z = z^2 + c\n\n"
    "   c = pixel value\n   z(0) = (0 + 0i)\n\n"
    "Left-click a point of the image to trace its orbit, step by step:\n"
    "maxiter steps (32 by default) while |z| stays within maxsize.\n"
    "Left-click again to erase the orbit.",
    "Orbits: Julia Set (Dynamic Plane)\n\n"
    "   z = z^2 + c\n\n"
    "   c = constant, default (-0.8 + 0.1i)\n   z(0) = pixel value\n\n"
    "Left-click a point of the image to trace its orbit, step by step:\n"
    "maxiter steps (32 by default) while |z| stays within maxsize.\n"
    "Left-click again to erase the orbit.",
};

// A coordinate computed in doubles, as a pixel; far outside (and NaN) becomes far outside.
int coordinate(double v) { return pixel_coordinate(std::trunc(v)); }

// The trace of one orbit: the dot of the clicked pixel first, then a step an iteration.
class Trace final : public WholeImage {
public:
    Trace(const Surface& clean, const ImageGeometry& g, Point clicked, const Settings& s)
        : clean_(clean), g_(g), m0_(clicked), bailout_(s.pc[39].maxsize), maxiter_(s.maxiter) {
        const double x = g.column_x(clicked.x), y = g.row_y(clicked.y);
        if (s.method == 0) {
            c_[0] = x, c_[1] = y;
        } else {
            z_[0] = x, z_[1] = y;
            c_[0] = s.pc[39].jcx, c_[1] = s.pc[39].jcy;
        }
    }

    StepResult step(Canvas& canvas, StepContext&) override {
        if (!started_) {
            started_ = true;
            // Any earlier orbit goes first.
            if (clean_.width() == canvas.width() && clean_.height() == canvas.height()) canvas.restore(clean_);
            dot(canvas, m0_);
            return StepResult{more(), Orbits::kTraceDelayMs, false};
        }
        const double x = z_[0] * z_[0] - z_[1] * z_[1] + c_[0];
        z_[1] = z_[0] * z_[1] + z_[1] * z_[0] + c_[1];
        z_[0] = x;
        ++n_;
        const Point m1{coordinate((z_[0] - g_.view.xmin) * (g_.xres - 1) / g_.xside),
                       g_.yres - 1 - coordinate((z_[1] - g_.view.ymin) * (g_.yres - 1) / g_.yside)};
        // In the window and in the image alike: the segment only where both ends lie inside.
        const Rect image = canvas.image().bounds();
        auto inside = [](const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; };
        if (inside(canvas.screen_area(), m0_) && inside(canvas.screen_area(), m1)) canvas.line(m0_, m1, kPen, 1, Where::screen);
        if (inside(image, m0_) && inside(image, m1)) canvas.line(m0_, m1, kPen, 1, Where::image);
        dot(canvas, m1);
        m0_ = m1;
        return StepResult{more(), Orbits::kTraceDelayMs, false};
    }

private:
    bool more() const { return std::hypot(z_[0], z_[1]) <= bailout_ && n_ < maxiter_; }
    static void dot(Canvas& canvas, Point p) {
        drawdot(canvas, Where::screen, p.x, p.y, canvas.screen_area(), kDot);
        drawdot(canvas, Where::image, p.x, p.y, canvas.image().bounds(), kDot);
    }

    Surface clean_;
    ImageGeometry g_;
    Point m0_;
    double bailout_;
    int maxiter_;
    double z_[2]{0, 0}, c_[2]{0, 0};
    int n_ = 0;
    bool started_ = false;
};

}  // namespace

int drawdot(Canvas& canvas, Where where, int x, int y, const Rect& test, Pixel c) {
    int set = 0;
    for (const Point p : {Point{x, y}, Point{x, y - 1}, Point{x, y + 1}, Point{x - 1, y}, Point{x + 1, y}}) {
        if (p.x < test.left || p.x >= test.right || p.y < test.top || p.y >= test.bottom) continue;
        canvas.plot(p.x, p.y, c, where);
        ++set;
    }
    return set;
}

Orbits::Orbits(const ImageInput& in)
    : method_(in.settings.method),
      geometry_(in.geometry),
      cx_(in.settings.pc[39].jcx),
      cy_(in.settings.pc[39].jcy),
      il_(1 / std::log(2.0)),
      lp_(std::log(std::log(16.0))) {}

Pixel Orbits::colour_at(double x, double y) const {
    double zx = 0, zy = 0, cr = x, ci = y;
    if (method_ == 1) zx = x, zy = y, cr = cx_, ci = cy_;
    int n = 0;
    double s = std::sqrt(zx * zx + zy * zy);
    while (s <= 16 && n < 64) {
        const double t = zx * zx - zy * zy + cr;
        zy = zx * zy + zy * zx + ci;
        zx = t;
        s = std::sqrt(zx * zx + zy * zy);
        ++n;
    }
    if (s > 16) {
        // Two tones of green, odd and even steps running against each other.
        const double f = 1 + il_ * lp_ - il_ * std::log(std::log(s));
        const double start = n % 2 ? 112 : 80, end = n % 2 ? 80 : 112;
        const double green = std::clamp(std::trunc(start + (end - start) * f), 0.0, 255.0);
        return pack(12, int(green), 160);
    }
    const int k = int(std::fmod(std::trunc(250 * std::sqrt(s)), 255.0)) + 1;
    return pack(0, k / 2 + 64, k / 2 + 40);
}

StepResult Orbits::step(Canvas& canvas, StepContext& context) {
    Settings& s = context.settings;
    if (row_ == 0) {
        canvas.start_afresh(pack(s.rout, s.gout, s.bout));
        if (context.memory.firstorbit) s.maxiter = 32;
    }
    // A row a step, shown as it is done.
    const double y = geometry_.row_y(row_);
    for (int i = 0; i < geometry_.xres; ++i) canvas.plot(i, row_, colour_at(geometry_.column_x(i), y));
    if (++row_ < geometry_.yres) return StepResult{true, 0, false};
    clean_ = canvas.image();
    if (method_ == 1) {
        s.cxsave = cx_;
        s.cysave = cy_;
    }
    if (context.memory.firstorbit) {
        context.memory.firstorbit = false;
        canvas.present(context.host);
        context.host.message_box(kInstructions, "Zoquel", MessageIcon::information);
    }
    return StepResult{};
}

WholeImagePtr Orbits::trace(Point pixel, const Settings& s) const {
    if (clean_.width() == 0) return nullptr;
    return std::make_unique<Trace>(clean_, geometry_, pixel, s);
}

bool Orbits::restore_clean(Canvas& canvas) const {
    // A copy of another size (the image was re-made since) is of no use.
    if (clean_.width() != canvas.width() || clean_.height() != canvas.height()) return false;
    canvas.restore(clean_);
    return true;
}

TypeImplementation orbits_implementation() {
    return {.whole = [](const ImageInput& in) -> WholeImagePtr { return std::make_unique<Orbits>(in); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
