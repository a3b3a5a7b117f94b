#include "formulas/newton_variations.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/live_state.h"
#include "render/side_channels.h"

namespace zoquel {

namespace {

constexpr Cx kNoRoot{100, 100};

struct Image {
    int index = 0;
    int method = 0;
    int maxiter = 256;
    bool smoothing = false;
    bool basin = false;
    bool basins = true;
    Cx m{1, 0};
    double half_pixel = 0;
    double size = 3;
    double logbailout = std::log(0.0001);
};
Image image;

// Found for `formula`; rewritten only by the per-image set-up.
NvRoots roots;
int roots_formula = -1;

Cx secant_start(const Cx& z0) {
    switch (nv_function(image.index).secant_start) {
        case NvSecantStart::offset: return z0 + Cx{0.1, 0.1};
        case NvSecantStart::logarithm: return 4.0 * nv_log(z0) + Cx{20, 0};
        default: return Cx{};
    }
}

int nearest_root(const Cx& z) {
    for (int k = 0; k < roots.count; ++k)
        if (norm(roots.z[std::size_t(k)] - z) < 0.01) return k;
    return roots.count;
}

const char* const kFormulaText[2] = {
    "Newton / Secant Variations: Newton's Method\n\n   z(n+1) = z(n) - m * f(z(n)) / f'(z(n))\n\n"
    "   f(z) = one of 24 functions (Alt+N or Alt+S,\n      or F to step through them)\n"
    "   z(0) = pixel value\n   m = relaxation factor (mx + my i), default 1 + 0i\n\n"
    "   Pixels are coloured by the number of steps to\n   converge; differential basin coloring shifts\n"
    "   each root's basin to its own palette range.",
    "Newton / Secant Variations: Secant Method\n\n"
    "   z(n+1) = z(n) - m * f(z(n)) * (z(n) - z(n-1))\n                  / (f(z(n)) - f(z(n-1)))\n\n"
    "   f(z) = one of 24 functions (Alt+N or Alt+S,\n      or F to step through them)\n"
    "   z(0) = pixel value, z(-1) = 0 for most functions\n   m = relaxation factor (mx + my i), default 1 + 0i\n\n"
    "   The secant method needs no derivative; it\n   converges a little more slowly than Newton's.",
};

}  // namespace

NvRoots nvcalculateroots(int index) {
    NvRoots found;
    found.z.fill(kNoRoot);
    Cx z, f, d;
    int degree = 0;
    nvformula(index, z, f, d, degree);
    if (degree < 1) return found;
    const double dd = degree;
    const double R = 1 + std::numbers::sqrt2;
    const long itermax = long(std::ceil(dd * std::log(R / 1e-10)));
    const int circles = std::min(4, int(std::ceil(0.26632 * std::log(dd))));
    const long points = long(std::ceil(8.32547 * dd * std::log(dd)));
    for (int v = 1; v <= circles && found.count < degree; ++v) {
        const double r = R * std::pow((dd - 1) / dd, (2.0 * v - 1) * circles / 4);
        for (long p = 0; p < points && found.count < degree && found.count < kNvMaxRoots; ++p) {
            const double theta = 2 * std::numbers::pi * double(p) / double(points);
            z = Cx{r * std::cos(theta), r * std::sin(theta)};
            bool converged = false;
            for (long step = 0; step < itermax; ++step) {
                nvformula(index, z, f, d, degree);
                const Cx next = z - f / d;
                const double length = abs(next - z);
                z = next;
                if (length <= 1e-10) {
                    converged = true;
                    break;
                }
            }
            if (!converged) continue;
            bool known = false;
            for (int k = 0; k < found.count && !known; ++k) known = abs(found.z[std::size_t(k)] - z) < 0.01;
            if (!known) found.z[std::size_t(found.count++)] = z;
        }
    }
    return found;
}

void nvariations_setup(LiveState& state) {
    Settings& s = state.settings;
    const Param& p = s.params();
    image.index = std::clamp(s.nvindex, 0, kNvFormulaCount - 1);
    image.method = s.method;
    image.maxiter = s.maxiter;
    image.smoothing = s.outside == kOutsideSmoothing;
    image.basin = s.basin != 0;
    image.basins = nv_function(image.index).basins;
    image.m = Cx{p.p1, p.p2};
    image.half_pixel = 0.5 * state.render.xside / (s.xres - 1);
    image.size = p.maxsize + 1.0;
    image.logbailout = std::log(0.0001);
    if (state.render.nvfirst || (image.basins && roots_formula != image.index)) {
        state.render.nvfirst = false;
        if (image.basins) {
            roots = nvcalculateroots(image.index);
            roots_formula = image.index;
            s.nvrootcount = roots.count;
        }
    }
    // The count the basins are measured with is the one of the roots in the table.
    if (image.basins) s.nvrootcount = roots.count;
}

const NvRoots& nvariations_roots() { return roots; }

int nvariations(double px, double py, double* zx, double* zy, double* size) {
    if (std::abs(px) == std::abs(py)) px += image.half_pixel;
    Cx z0{px, py};
    Cx zp = image.method == 1 ? secant_start(z0) : Cx{};
    const int index = image.index;
    int n = 0, offset = 0, degree = 0;
    double before = 1.0, last = 1.0;
    Cx f, d, fp, dp, f_previous;
    const bool reuse_previous = nv_function(index).nocrash.kind == NvClamp::none;
    // Only the last pass's basin test decides the colour: the test runs once, on the point
    // that pass started from.
    Cx last_start = z0;
    while (n < image.maxiter && last > 0.0001) {
        last_start = z0;
        Cx z1;
        if (image.method == 0) {
            nvformula(index, z0, f, d, degree);
            if (abs(d) < 1e-32) d.re = 1e-32;
            z1 = z0 - image.m * (f / d);
        } else {
            nvformula(index, z0, f, d, degree);
            if (n > 0 && reuse_previous) {
                // zp is the last z0, already clamped: f there is the value just computed.
                fp = f_previous;
            } else {
                nvnocrash(index, zp);
                nvformula(index, zp, fp, dp, degree);
            }
            f_previous = f;
            if (f == fp) fp.re += 1e-32;
            Cx denominator = f - fp;
            // Where the nudge above vanishes in rounding, the slope still may not be infinite.
            if (denominator == Cx{}) denominator = Cx{1e-32, 0};
            z1 = z0 - image.m * f * (z0 - zp) / denominator;
        }
        before = last;
        last = abs(z0 - z1);
        zp = z0;
        z0 = z1;
        ++n;
    }
    pixel::root = roots.count;
    if (image.basins && n > 0) {
        pixel::root = nearest_root(last_start);
        // With no roots at all there are no basins to offset.
        if (image.basin && roots.count > 0) offset = 256 / roots.count * pixel::root;
    }
    if (image.smoothing) {
        const double t = std::log(before) - std::log(last);
        double fraction = 0;
        if (!(last < 1e-32) && !(t < 1e-32)) fraction = (std::log(before) - image.logbailout) / t;
        if (!(fraction >= 0.0078125)) fraction = 0;  // also NaN
        if (fraction > 1) fraction = 1;
        pixel::nfx = fraction;
    }
    *zx = z0.re;
    *zy = z0.im;
    *size = image.size;
    return (n + offset) % 255 + 1;
}

TypeImplementation nvariations_implementation() {
    return {.generator = nvariations, .setup = nvariations_setup, .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
