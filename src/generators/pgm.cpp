#include "generators/pgm.h"

#include <cmath>

namespace zoquel {

namespace {

const char* const kCaptions[kPgmFormulas] = {
    "F = 0",
    "F = -2 E -6 * tan( y )",
    "F = 1 E -4 * cos( y * |x| )",
    "F = 1 E -4 * cos( |y| ) * sin( |x| )",
    "F = 1 E -5 * sin( |x| ) / cos( |y| )",
    "F = 5 E -6 * cos( |y| ) / sin( |y| )",
    "F = 5 E -5 * cos( |y| ) / sin( |x| )",
    "F = 1 E -5 * cos( |y| ) / cos( |x| )",
};

const char* const kFormulaText =
    "Perturbated Gingerbread Men\n\n"
    "   x[n + 1] = 1.0 - y[n] + |x[n]| + F\n"
    "   y[n + 1] = x[n]\n\n"
    "   F = one of eight small perturbations with a transcendental\n"
    "   element (P chooses it; Alt + P or F8 edits the start point,\n"
    "   the scale and the background colour)\n\n"
    "Each plot draws 600,000 more points of the orbit, sweeping the\n"
    "palette once. Repeat 'Plot Fractal' to continue iterating.";

// A coordinate truncated toward zero, as a pixel of 0..limit-1; -1 outside (tested in
// doubles, so no huge value or NaN is converted).
int pixel_within(double v, int limit) { return v > -1 && v < limit ? int(v) : -1; }

}  // namespace

const char* pgm_caption(int pgmindex) { return pgmindex >= 0 && pgmindex < kPgmFormulas ? kCaptions[pgmindex] : ""; }

void pgm_step(int pgmindex, double& x, double& y) {
    double f = 0;
    switch (pgmindex) {
        case 1: f = -2e-6 * std::tan(y); break;
        case 2: f = 1e-4 * std::cos(std::fabs(x) * y); break;
        case 3: f = 1e-4 * std::cos(std::fabs(y)) * std::sin(std::fabs(x)); break;
        case 4: f = 1e-5 * std::sin(std::fabs(x)) / std::cos(std::fabs(y)); break;
        case 5:
            if (y == 0) y = 1e-6;
            f = 5e-6 * std::cos(std::fabs(y)) / std::sin(std::fabs(y));
            break;
        case 6:
            if (x == 0) x = 1e-6;
            f = 5e-5 * std::cos(std::fabs(y)) / std::sin(std::fabs(x));
            break;
        case 7: f = 1e-5 * std::cos(std::fabs(y)) / std::cos(std::fabs(x)); break;
        default: break;
    }
    const double t = (1.0 - y) + std::fabs(x) + f;
    y = x;
    x = t;
}

bool GingerbreadMen::plot_position(double x, double y, int scale, int width, int height, Point& at) {
    at = Point{pixel_within(scale * x + double(width / 3), width), pixel_within(scale * y + double(height / 3), height)};
    return at.x >= 0 && at.y >= 0;
}

GingerbreadMen::GingerbreadMen(const ImageInput& in) : index_(in.settings.pgmindex) {
    const std::size_t i = std::size_t(index_ >= 0 && index_ < kPgmFormulas ? index_ : 0);
    x_ = in.settings.pgmx0[i];
    y_ = in.settings.pgmy0[i];
}

StepResult GingerbreadMen::step(Canvas& canvas, StepContext& context) {
    const Settings& s = context.settings;
    if (fresh_) {
        fresh_ = false;
        canvas.start_afresh(pack(s.rback, s.gback, s.bback));
    }
    int color = 1, reset = 0;
    for (int i = 0; i < kPoints; ++i) {
        pgm_step(index_, x_, y_);
        if (++reset == kBand) {
            reset = 0;
            if (++color == 256) color = 1;
        }
        Point at;
        if (!plot_position(x_, y_, s.scale, canvas.width(), canvas.height(), at)) continue;
        canvas.plot(at.x, at.y, pack(s.palette[std::size_t(color)]));
        ++plotted_;
    }
    return StepResult{};
}

TypeImplementation pgm_implementation() {
    return {.whole = [](const ImageInput& in) -> WholeImagePtr { return std::make_unique<GingerbreadMen>(in); },
            .formula_text = {kFormulaText, kFormulaText}};
}

}  // namespace zoquel
