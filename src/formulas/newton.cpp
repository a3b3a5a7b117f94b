#include "formulas/newton.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/complex_math.h"

namespace zoquel {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kMaxDegree = 16;

class Newton final : public PixelImage {
public:
    explicit Newton(const ImageInput& in);
    PixelResult pixel(double px, double py) const override;
    std::optional<Rgb> binary_decomposition(const Settings& s, const PixelResult& p) const override;

private:
    int first_root_within(Cx z, double squared_radius) const {
        for (int k = 0; k < exi_; ++k)
            if (norm(roots_[std::size_t(k)] - z) < squared_radius) return k;
        return exi_;
    }
    int basin_offset(int root) const { return basin_ ? root * 256 / exi_ : 0; }

    double bailout_ = 0.001;
    double logbailout_ = 0;
    int maxiter_ = 256;
    int outside_ = 1;
    bool basin_ = false;
    double cellsize_ = 0.01;
    double exd_ = 3;
    int exi_ = 3;
    Cx m_{1, 0};
    double nudge_ = 0;  // half a pixel
    // One more slot than roots, for "no root": it stays (0, 0).
    std::array<double, kMaxDegree + 1> theta_{};
    std::array<Cx, kMaxDegree + 1> roots_{};
};

const char* const kFormulaText[2] = {
    "Newton Classic (Dynamic Plane)\n\n   f(z) = z^n - 1\n\n"
    "   z = z - m * f(z) / f'(z)\n     = ((n - m) / n) * z + m / (n * z^(n - 1))\n\n"
    "   z(0) = pixel value\n   m = relaxation factor (complex)\n\n"
    "defaults: n = 3, m = (1 + 0i), convergence radius 0.001\n"
    "every pixel is coloured by the number of steps to a root;\n"
    "turn on basin coloring to give each root its own band\n"
    "(Newton options); binary decomposition splits each basin\n"
    "by the ray through its root",
    "Newton Classic (Dynamic Plane)\n\n   f(z) = z^n - 1\n\n"
    "   z = ((n - m) / n) * z + m / (n * z^(n - 1))\n\n"
    "   z(0) = pixel value\n   m = relaxation factor (complex)\n\n"
    "this type has one plane only: see method 0",
};

Newton::Newton(const ImageInput& in) {
    const Settings& s = in.settings;
    const Param& p = s.params();
    bailout_ = p.maxsize;
    logbailout_ = std::log(p.maxsize);
    maxiter_ = s.maxiter;
    outside_ = s.outside;
    basin_ = s.basin != 0;
    cellsize_ = s.cellsize;
    // The options dialog keeps the degree within 2..8; a parameter file or the command line
    // might not, and the degree sizes the root table.
    double e = std::floor(p.p0);
    if (!(e >= 1)) e = 1;
    if (e > kMaxDegree) e = kMaxDegree;
    exd_ = e;
    exi_ = int(e);
    m_ = Cx{p.p1, p.p2};
    nudge_ = s.xres > 1 ? 0.5 * in.geometry.xside / (s.xres - 1) : 0;
    for (int k = 0; k < exi_; ++k) {
        const double t = k * kTwoPi / exd_;
        theta_[std::size_t(k)] = t;
        roots_[std::size_t(k)] = Cx{std::cos(t), std::sin(t)};
    }
}

PixelResult Newton::pixel(double px, double py) const {
    // The pixel grid stays off the diagonals, which carry the pole 0 and its preimages.
    if (std::fabs(px) == std::fabs(py)) px += nudge_;
    const double exd = exd_;
    const Cx m = m_;
    const Cx keep{(exd - m.re) / exd, -m.im / exd};
    const bool level_sets = outside_ == kOutsideLevelSets || outside_ == kOutsideSmoothing;

    Cx z0{px, py}, z0temp = z0;
    double z1size = 1.0;
    int coloradjust = 0;
    int n = 0;
    int root = 0;
    while (n < maxiter_ && z1size > bailout_) {
        if (level_sets) {
            root = first_root_within(z0, 0.01);
            coloradjust = basin_offset(root);
        } else {
            if (norm(pow(z0, exd) - Cx{1, 0}) < cellsize_) {
                root = first_root_within(z0, cellsize_);
                coloradjust = basin_offset(root);
                break;
            }
            root = 0;
        }
        const Cx z1 = keep * z0 + m / (exd * pow(z0, exd - 1));
        // Far from every root the pass has not converged, whatever it is near.
        z1size = root < exi_ ? abs(z1 - roots_[std::size_t(root)]) : HUGE_VAL;
        z0temp = z0;
        z0 = z1;
        ++n;
    }
    PixelResult out;
    out.root = root;
    if (outside_ == kOutsideSmoothing) {
        double f = 0;
        if (root < exi_ && n > 0) {
            const double z0size = abs(roots_[std::size_t(root)] - z0temp);
            const double dtemp = std::log(z0size) - std::log(z1size);
            if (dtemp >= 1e-32) f = (std::log(z0size) - logbailout_) / dtemp;
        }
        // Also a NaN from an orbit through the pole.
        if (!(f >= 0)) f = 0;
        if (f > 1) f = 1.0;
        out.nfx = f;
    }
    out.zx = z0.re;
    out.zy = z0.im;
    out.size = bailout_ + 1.0;
    out.n = (n + coloradjust) % 255 + 1;
    return out;
}

std::optional<Rgb> Newton::binary_decomposition(const Settings& s, const PixelResult& p) const {
    const int root = std::clamp(p.root, 0, kMaxDegree);
    int n = palette_index(p.n);
    const double zx = p.zx, zy = p.zy;
    if (root == 0) {
        if (s.outside == kOutsideBinaryBW) return zy < 0 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
        // Mod 256 without the + 1: the lower half of root 0 may take entry 0.
        if (zy < 0) n = (n + 128) % 256;
    } else {
        if (s.outside == kOutsideBinaryBW) return Rgb{255, 255, 255};
        if (!(zx == 0 && zy == 0)) {
            double a = std::acos(zx / std::sqrt(zx * zx + zy * zy));
            if (zy < 0) a = kTwoPi - a;
            if (a < theta_[std::size_t(root)]) n = (n + 128) % 255 + 1;
        }
    }
    return s.palette[std::size_t(n)];
}

}  // namespace

TypeImplementation newton_implementation() {
    return {.prepare = [](const ImageInput& in) -> PixelImagePtr { return std::make_unique<Newton>(in); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
