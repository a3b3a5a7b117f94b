#include "generators/jmiim.h"

#include <cmath>
#include <complex>
#include <new>

namespace zoquel {

namespace {

constexpr double kTwoPi = 6.283185307179586;

const char* const kFormulaText =
    "Julia - Inverse Iteration (Dynamic Plane)\n\n"
    "   z = +- sqrt(z - c), the two preimages of z^2 + c\n\n"
    "   c = constant, default (0.32 + 0.043i)\n"
    "   start: the repelling fixed points of z^2 + c\n\n"
    "The preimages of a point of the Julia set crowd onto the set. Every\n"
    "pixel lets the walk pass at most 'max hits' times (1 - 256), at\n"
    "most 'max depth' levels deep (8 - 8192): the modified inverse\n"
    "iteration method (MIIM), which reaches the parts plain inverse\n"
    "iteration misses. Drawn in the inside colour on the outside colour.";

}  // namespace

void inverseiterate(double x, double y, double cx, double cy, double& xpos, double& ypos, double& xneg, double& yneg) {
    double xtemp = x - cx;
    const double ytemp = y - cy;
    if (xtemp >= 0 && xtemp < 1e-32) xtemp = 1e-32;
    if (xtemp > -1e-32 && xtemp < 0) xtemp = -1e-32;
    double theta = std::atan2(ytemp, xtemp);
    if (theta < 0) theta += kTwoPi;
    theta /= 2;
    const double modulus = std::sqrt(std::sqrt(xtemp * xtemp + ytemp * ytemp));
    xpos = modulus * std::cos(theta);
    ypos = modulus * std::sin(theta);
    xneg = -xpos;
    yneg = -ypos;
}

InverseJulia::InverseJulia(const ImageInput& in)
    : width_(in.settings.xres),
      height_(in.settings.yres),
      xmin_(in.geometry.view.xmin),
      ymin_(in.geometry.view.ymin),
      xside_(in.geometry.xside),
      yside_(in.geometry.yside),
      cx_(in.settings.params().jcx),
      cy_(in.settings.params().jcy),
      maxhits_(in.settings.maxhits),
      maxdepth_(in.settings.maxdepth) {
    try {
        grid_.assign(std::size_t(width_) * std::size_t(height_), 0);
    } catch (const std::bad_alloc&) {
        grid_ok_ = false;
    }
}

void InverseJulia::pixel_of(double x, double y, double& px, double& py) const {
    px = std::trunc((x - xmin_) / xside_ * width_);
    py = height_ - 1 - std::trunc((y - ymin_) / yside_ * height_);
}

long InverseJulia::cell(double x, double y) const {
    double px, py;
    pixel_of(x, y, px, py);
    // A point just left or right of the view shares the cell of a pixel at the other edge.
    const double index = py * width_ + px;
    if (!(index >= 0 && index < double(grid_.size()))) return -1;
    return long(index);
}

void InverseJulia::visit(Canvas& canvas, double x, double y, int depth) {
    if (depth >= maxdepth_) return;
    double px, py;
    pixel_of(x, y, px, py);
    if (px >= 0 && px < width_ && py >= 0 && py < height_) canvas.plot(int(px), int(py), colour_);
    ++drawn_;
    Frame f{};
    inverseiterate(x, y, cx_, cy_, f.pos[0], f.pos[1], f.neg[0], f.neg[1]);
    f.depth = depth;
    f.stage = 0;
    stack_.push_back(f);
}

StepResult InverseJulia::step(Canvas& canvas, StepContext& context) {
    if (!grid_ok_) {
        context.host.message_box(kMemoryNotice, kMemoryCaption, MessageIcon::exclamation);
        return StepResult{false, 0, true};
    }
    if (started_ == 0) {
        const Settings& s = context.settings;
        colour_ = pack(s.rin, s.gin, s.bin);
        background_ = pack(s.rout, s.gout, s.bout);
        canvas.start_afresh(background_);
        // The fixed points of z^2 + c: 0.5 + r and 0.5 - r, r a square root of 0.25 - c.
        double xpos, ypos, xneg, yneg;
        inverseiterate(0.25, 0, cx_, cy_, xpos, ypos, xneg, yneg);
        s1_[0] = xpos + 0.5, s1_[1] = ypos;
        s2_[0] = xneg + 0.5, s2_[1] = yneg;
        for (const double* p : {s1_, s2_})
            if (const long k = cell(p[0], p[1]); k >= 0) grid_[std::size_t(k)] = 1;
        // The second fixed point only where it is repelling or neutral.
        const std::complex<double> c(cx_, cy_);
        second_start_ = std::abs(1.0 - std::sqrt(1.0 - 4.0 * c)) >= 1;
        visit(canvas, s1_[0], s1_[1], 0);
        started_ = 1;
    }
    for (long visits = 0; visits < kVisitsPerStep;) {
        if (stack_.empty()) {
            if (started_ == 1 && second_start_) {
                visit(canvas, s2_[0], s2_[1], 0);
                started_ = 2;
                continue;
            }
            // Every plot draws the set anew.
            return StepResult{false, 0, true};
        }
        Frame& top = stack_.back();
        if (top.stage == 2) {
            stack_.pop_back();
            continue;
        }
        const double* next = top.stage == 0 ? top.pos : top.neg;
        const int depth = top.depth + 1;
        ++top.stage;
        const long k = cell(next[0], next[1]);
        if (k >= 0 && grid_[std::size_t(k)] < maxhits_) {
            ++grid_[std::size_t(k)];
            const double x = next[0], y = next[1];  // `top` may move when the stack grows
            visit(canvas, x, y, depth);
            ++visits;
        }
    }
    return StepResult{true, 0, false};
}

TypeImplementation jmiim_implementation() {
    return {.whole = [](const ImageInput& in) -> WholeImagePtr { return std::make_unique<InverseJulia>(in); },
            .formula_text = {kFormulaText, kFormulaText}};
}

}  // namespace zoquel
