#include "formulas/newton_variations.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zoquel {

namespace {

constexpr Cx kNoRoot{100, 100};

class NewtonVariation final : public PixelImage {
public:
    NewtonVariation(const ImageInput& in, const NvRoots& roots);
    PixelResult pixel(double px, double py) const override;
    void settle(Settings& s) const override {
        // The count the basins are measured with is the one of the roots in the table.
        if (basins_) s.nvrootcount = roots_.count;
    }

private:
    Cx secant_start(const Cx& z0) const {
        switch (nv_function(index_).secant_start) {
            case NvSecantStart::offset: return z0 + Cx{0.1, 0.1};
            case NvSecantStart::logarithm: return 4.0 * nv_log(z0) + Cx{20, 0};
            default: return Cx{};
        }
    }
    int nearest_root(const Cx& z) const {
        for (int k = 0; k < roots_.count; ++k)
            if (norm(roots_.z[std::size_t(k)] - z) < 0.01) return k;
        return roots_.count;
    }

    int index_ = 0;
    int method_ = 0;
    int maxiter_ = 256;
    bool smoothing_ = false;
    bool basin_ = false;
    bool basins_ = true;
    Cx m_{1, 0};
    double half_pixel_ = 0;
    double size_ = 3;
    double logbailout_ = std::log(0.0001);
    NvRoots roots_;
};

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

namespace {

NewtonVariation::NewtonVariation(const ImageInput& in, const NvRoots& roots) : roots_(roots) {
    const Settings& s = in.settings;
    const Param& p = s.params();
    index_ = std::clamp(s.nvindex, 0, kNvFormulaCount - 1);
    method_ = s.method;
    maxiter_ = s.maxiter;
    smoothing_ = s.outside == kOutsideSmoothing;
    basin_ = s.basin != 0;
    basins_ = nv_function(index_).basins;
    m_ = Cx{p.p1, p.p2};
    half_pixel_ = 0.5 * in.geometry.xside / (s.xres - 1);
    size_ = p.maxsize + 1.0;
    logbailout_ = std::log(0.0001);
}

PixelResult NewtonVariation::pixel(double px, double py) const {
    if (std::abs(px) == std::abs(py)) px += half_pixel_;
    Cx z0{px, py};
    Cx zp = method_ == 1 ? secant_start(z0) : Cx{};
    // Locals: nvformula's stores through f and d cannot be taken to change them.
    const int index = index_, method = method_, maxiter = maxiter_;
    const Cx m = m_;
    int n = 0, offset = 0, degree = 0;
    double before = 1.0, last = 1.0;
    Cx f, d, fp, dp, f_previous;
    const bool reuse_previous = nv_function(index).nocrash.kind == NvClamp::none;
    // Only the last pass's basin test decides the colour: the test runs once, on the point
    // that pass started from.
    Cx last_start = z0;
    while (n < maxiter && last > 0.0001) {
        last_start = z0;
        Cx z1;
        if (method == 0) {
            nvformula(index, z0, f, d, degree);
            if (abs(d) < 1e-32) d.re = 1e-32;
            z1 = z0 - m * (f / d);
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
            z1 = z0 - m * f * (z0 - zp) / denominator;
        }
        before = last;
        last = abs(z0 - z1);
        zp = z0;
        z0 = z1;
        ++n;
    }
    PixelResult out;
    out.root = roots_.count;
    if (basins_ && n > 0) {
        out.root = nearest_root(last_start);
        // With no roots at all there are no basins to offset.
        if (basin_ && roots_.count > 0) offset = 256 / roots_.count * out.root;
    }
    if (smoothing_) {
        const double t = std::log(before) - std::log(last);
        double fraction = 0;
        if (!(last < 1e-32) && !(t < 1e-32)) fraction = (std::log(before) - logbailout_) / t;
        if (!(fraction >= 0.0078125)) fraction = 0;  // also NaN
        if (fraction > 1) fraction = 1;
        out.nfx = fraction;
    }
    out.zx = z0.re;
    out.zy = z0.im;
    out.size = size_;
    out.n = (n + offset) % 255 + 1;
    return out;
}


PixelImagePtr prepare_nvariations(const ImageInput& in) {
    const int index = std::clamp(in.settings.nvindex, 0, kNvFormulaCount - 1);
    const bool basins = nv_function(index).basins;
    TypeMemory& memory = in.memory;
    if (memory.nvfirst || (basins && memory.nvformula != index)) {
        memory.nvfirst = false;
        if (basins) {
            memory.nvroots = nvcalculateroots(index);
            memory.nvformula = index;
        }
    }
    return std::make_unique<NewtonVariation>(in, memory.nvroots);
}

}  // namespace

TypeImplementation nvariations_implementation() {
    return {.prepare = prepare_nvariations, .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
