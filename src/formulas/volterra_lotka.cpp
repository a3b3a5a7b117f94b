#include "formulas/volterra_lotka.h"

#include <cmath>

#include "model/palettes.h"

namespace zoquel {

namespace {

class VolterraLotka final : public PixelImage {
public:
    explicit VolterraLotka(const ImageInput& in);
    PixelResult pixel(double px, double py) const override;

private:
    // x + h/2 {f(x, y) + f(x + p f, y + p g)}, and the same for y, with f = x - xy, g = -y + xy.
    static void step(double& x, double& y, double p, double half) {
        const double xy = x * y;
        const double u = x - xy, w = -y + xy;
        const double a = x + p * u, b = y + p * w;
        const double ab = a * b;
        x = x + half * (a - ab + u);
        y = y + half * (-b + ab + w);
    }

    double maxsize_ = 256;
    int maxiter_ = 256;
    double half_ = 0.3695, p_ = 0.739;
    int scheme_ = 0;
    double radius_ = 0.1;
    double factor_ = 256;
    double atrx_ = 1, atry_ = 2.5;
};

// The type has one plane, so both methods show the same text.
const char* const kFormulaText =
    "Volterra-Lotka\n\n"
    "   dx/x = x - xy,  dy/y = -y + xy\n\n"
    "   x(n+1) = x + h/2 * ( f(x, y) + f(x + p f, y + p g) )\n"
    "   y(n+1) = y + h/2 * ( g(x, y) + g(x + p f, y + p g) )\n"
    "   with f = x - xy, g = -y + xy\n\n"
    "   (x(0), y(0)) = pixel value\n"
    "   h = 0.739, p = 0.739 (defaults)\n\n"
    "Predator and prey populations; bounded orbits are coloured by their\n"
    "distance to the origin or by how fast they reach the attractor.\n"
    "V opens the options.\n"
    "H.-O. Peitgen, P. H. Richter, The Beauty of Fractals, Springer 1986.";

VolterraLotka::VolterraLotka(const ImageInput& in) {
    const Settings& s = in.settings;
    maxsize_ = s.pc[3].maxsize;
    maxiter_ = s.maxiter;
    half_ = s.half;
    p_ = s.pc[3].p2;
    scheme_ = s.vlcoloring;
    radius_ = s.vlradius;
    factor_ = s.maxiter < 256 ? 256.0 : double(s.maxiter);
    // The point the orbit of (1, 2.5) reaches: the target of the level sets of attraction.
    double x = 1.0, y = 2.5, size = 0;
    for (int i = 0; i < 128 && size <= maxsize_; ++i) {
        step(x, y, p_, half_);
        size = x * x + y * y;
    }
    atrx_ = x;
    atry_ = y;
}

PixelResult VolterraLotka::pixel(double px, double py) const {
    // Locals, so the loop keeps them in registers.
    const double p = p_, half = half_, maxsize = maxsize_, radius = radius_, atrx = atrx_, atry = atry_;
    const int maxiter = maxiter_, scheme = scheme_;
    double x = px, y = py;
    double r = 0, smallest = maxsize;
    int n = 0;
    while (r <= maxsize && n < maxiter) {
        step(x, y, p, half);
        r = x * x + y * y;
        ++n;
        if (scheme == 1 && r < smallest) smallest = r;
        if (scheme == 2) {
            const double dx = x - atrx, dy = y - atry;
            if (std::sqrt(dx * dx + dy * dy) < radius) break;
        }
    }
    PixelResult out{0, x, y, r};
    // Escaped, or overflowed to NaN: the step count, wrapped into the palette once it passes 255.
    if (!(r <= maxsize_)) {
        out.n = palette_index(n);
        return out;
    }
    int k;
    switch (scheme_) {
        case 1: k = wrapped_index(std::sqrt(smallest) * factor_ * 7); break;
        case 2: k = (n / 2) % 255 + 1; break;
        default: k = int(std::fmod(16 * r, 255.0) + 1); break;
    }
    out.size = maxsize_ + 1.0;
    out.n = k;
    return out;
}

}  // namespace

TypeImplementation vl_implementation() {
    return {.prepare = [](const ImageInput& in) -> PixelImagePtr { return std::make_unique<VolterraLotka>(in); },
            .formula_text = {kFormulaText, kFormulaText}};
}

}  // namespace zoquel
