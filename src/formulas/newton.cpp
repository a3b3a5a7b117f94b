#include "formulas/newton.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "formulas/complex_math.h"
#include "render/coloring.h"
#include "render/live_state.h"
#include "render/side_channels.h"

namespace zoquel {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kMaxDegree = 16;

struct Image {
    double bailout = 0.001;
    double logbailout = 0;
    int maxiter = 256;
    int outside = 1;
    bool basin = false;
    double cellsize = 0.01;
    double exd = 3;
    int exi = 3;
    Cx m{1, 0};
    double nudge = 0;  // half a pixel
    // One more slot than roots, for "no root": it stays (0, 0) so an image never depends on
    // the degree of the image before it.
    std::array<double, kMaxDegree + 1> theta{};
    std::array<Cx, kMaxDegree + 1> roots{};
};
Image image;

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

int first_root_within(Cx z, double squared_radius) {
    for (int k = 0; k < image.exi; ++k)
        if (norm(image.roots[std::size_t(k)] - z) < squared_radius) return k;
    return image.exi;
}

int basin_offset(int root) { return image.basin ? root * 256 / image.exi : 0; }

}  // namespace

void newton_setup(LiveState& state) {
    const Settings& s = state.settings;
    const Param& p = s.params();
    image.bailout = p.maxsize;
    image.logbailout = std::log(p.maxsize);
    image.maxiter = s.maxiter;
    image.outside = s.outside;
    image.basin = s.basin != 0;
    image.cellsize = s.cellsize;
    // The options dialog keeps the degree within 2..8; a parameter file or the command line
    // might not, and the degree sizes the root table.
    double e = std::floor(p.p0);
    if (!(e >= 1)) e = 1;
    if (e > kMaxDegree) e = kMaxDegree;
    image.exd = e;
    image.exi = int(e);
    image.m = Cx{p.p1, p.p2};
    image.nudge = s.xres > 1 ? 0.5 * state.render.xside / (s.xres - 1) : 0;
    image.theta.fill(0);
    image.roots.fill(Cx{});
    for (int k = 0; k < image.exi; ++k) {
        const double t = k * kTwoPi / image.exd;
        image.theta[std::size_t(k)] = t;
        image.roots[std::size_t(k)] = Cx{std::cos(t), std::sin(t)};
    }
}

int newton(double px, double py, double* zx, double* zy, double* size) {
    // The pixel grid stays off the diagonals, which carry the pole 0 and its preimages.
    if (std::fabs(px) == std::fabs(py)) px += image.nudge;
    const double exd = image.exd;
    const Cx m = image.m;
    const Cx keep{(exd - m.re) / exd, -m.im / exd};
    const bool level_sets = image.outside == kOutsideLevelSets || image.outside == kOutsideSmoothing;

    Cx z0{px, py}, z0temp = z0;
    double z1size = 1.0;
    int coloradjust = 0;
    int n = 0;
    int root = 0;
    while (n < image.maxiter && z1size > image.bailout) {
        if (level_sets) {
            root = first_root_within(z0, 0.01);
            coloradjust = basin_offset(root);
        } else {
            if (norm(pow(z0, exd) - Cx{1, 0}) < image.cellsize) {
                root = first_root_within(z0, image.cellsize);
                coloradjust = basin_offset(root);
                break;
            }
            root = 0;
        }
        const Cx z1 = keep * z0 + m / (exd * pow(z0, exd - 1));
        // Far from every root the pass has not converged, whatever it is near.
        z1size = root < image.exi ? abs(z1 - image.roots[std::size_t(root)]) : HUGE_VAL;
        z0temp = z0;
        z0 = z1;
        ++n;
    }
    pixel::root = root;

    if (image.outside == kOutsideSmoothing) {
        double f = 0;
        if (root < image.exi && n > 0) {
            const double z0size = abs(image.roots[std::size_t(root)] - z0temp);
            const double dtemp = std::log(z0size) - std::log(z1size);
            if (dtemp >= 1e-32) f = (std::log(z0size) - image.logbailout) / dtemp;
        }
        // Also a NaN from an orbit through the pole.
        if (!(f >= 0)) f = 0;
        if (f > 1) f = 1.0;
        pixel::nfx = f;
    }

    *zx = z0.re;
    *zy = z0.im;
    *size = image.bailout + 1.0;
    return (n + coloradjust) % 255 + 1;
}

Rgb newtonbd(const Settings& s, int n, double zx, double zy) {
    const int root = std::clamp(pixel::root, 0, kMaxDegree);
    n = palette_index(n);
    if (root == 0) {
        if (s.outside == kOutsideBinaryBW) return zy < 0 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
        // Mod 256 without the + 1: the lower half of root 0 may take entry 0.
        if (zy < 0) n = (n + 128) % 256;
    } else {
        if (s.outside == kOutsideBinaryBW) return Rgb{255, 255, 255};
        if (!(zx == 0 && zy == 0)) {
            double a = std::acos(zx / std::sqrt(zx * zx + zy * zy));
            if (zy < 0) a = kTwoPi - a;
            if (a < image.theta[std::size_t(root)]) n = (n + 128) % 255 + 1;
        }
    }
    return s.palette[std::size_t(n)];
}

TypeImplementation newton_implementation() {
    return {.generator = newton, .setup = newton_setup, .binary_decomposition = newtonbd, .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
