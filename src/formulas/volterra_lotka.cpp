#include "formulas/volterra_lotka.h"

#include <cmath>

#include "formulas/escape_time.h"
#include "render/coloring.h"
#include "render/live_state.h"

namespace zoquel {

namespace {

struct Image {
    double maxsize = 256;
    int maxiter = 256;
    double half = 0.3695, p = 0.739;
    int scheme = 0;
    double radius = 0.1;
    double factor = 256;
    double atrx = 1, atry = 2.5;
};
Image image;

// x + h/2 {f(x, y) + f(x + p f, y + p g)}, and the same for y, with f = x - xy, g = -y + xy.
void step(double& x, double& y) {
    const double xy = x * y;
    const double u = x - xy, w = -y + xy;
    const double a = x + image.p * u, b = y + image.p * w;
    const double ab = a * b;
    x = x + image.half * (a - ab + u);
    y = y + image.half * (-b + ab + w);
}

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

}  // namespace

void vl_setup(LiveState& state) {
    const Settings& s = state.settings;
    image.maxsize = s.pc[3].maxsize;
    image.maxiter = s.maxiter;
    image.half = s.half;
    image.p = s.pc[3].p2;
    image.scheme = s.vlcoloring;
    image.radius = s.vlradius;
    image.factor = s.maxiter < 256 ? 256.0 : double(s.maxiter);
    // The point the orbit of (1, 2.5) reaches: the target of the level sets of attraction.
    double x = 1.0, y = 2.5, size = 0;
    for (int i = 0; i < 128 && size <= image.maxsize; ++i) {
        step(x, y);
        size = x * x + y * y;
    }
    image.atrx = x;
    image.atry = y;
}

int vl(double px, double py, double* zx, double* zy, double* size) {
    double x = px, y = py;
    double r = 0, smallest = image.maxsize;
    int n = 0;
    while (r <= image.maxsize && n < image.maxiter) {
        step(x, y);
        r = x * x + y * y;
        ++n;
        if (image.scheme == 1 && r < smallest) smallest = r;
        if (image.scheme == 2) {
            const double dx = x - image.atrx, dy = y - image.atry;
            if (std::sqrt(dx * dx + dy * dy) < image.radius) break;
        }
    }
    *zx = x;
    *zy = y;
    *size = r;
    // Escaped, or overflowed to NaN: the step count, wrapped into the palette once it passes 255.
    if (!(r <= image.maxsize)) return count_in_palette(n);
    int k;
    switch (image.scheme) {
        case 1: k = wrapped_index(std::sqrt(smallest) * image.factor * 7); break;
        case 2: k = (n / 2) % 255 + 1; break;
        default: k = int(std::fmod(16 * r, 255.0) + 1); break;
    }
    *size = image.maxsize + 1.0;
    return k;
}

TypeImplementation vl_implementation() {
    return {.generator = vl, .setup = vl_setup, .formula_text = {kFormulaText, kFormulaText}};
}

}  // namespace zoquel
