#include "formulas/mandelbrot.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "render/live_state.h"
#include "formulas/quadratic_row_kernel.h"
#include "render/side_channels.h"

namespace zoquel {

namespace {

// Read once per image, before any row, so rows may run in parallel.
struct Image {
    double maxsize = 16;
    int maxiter = 256;
    int method = 0;
    int inside = 0;
    double cx = 0, cy = 0;
    double exponent = 2;
    bool fast = true;
    int exi = 2;
    double minsize = 0.001;
    int jperiod = 1;
    int palint = 1;
    const Attractor* cycle = nullptr;
    // z*z + c with no per-step side work: whole rows may go through the vector loop.
    bool plain_square = false;
};
Image image;

bool near_cycle(double x, double y) {
    for (int i = 0; i < image.jperiod; ++i) {
        double dx = x - image.cycle->x[std::size_t(i)], dy = y - image.cycle->y[std::size_t(i)];
        if (std::sqrt(dx * dx + dy * dy) < image.minsize) return true;
    }
    return false;
}

const char* const kFormulaText[2] = {
    "Mandelbrot (Parameter Plane)\n\n   z = z^n + c\n\n   c = pixel value\n   z(0) = (0 + 0i)\n\n"
    "basic critical point calculation:\n   set derivative of function = 0\n   and solve for z",
    "Julia (Dynamic Plane)\n\n   z = z^n + c\n\n   c = constant\n   z(0) = pixel value",
};

}  // namespace

void mandelbrot_setup(LiveState& state) {
    const Settings& s = state.settings;
    const Param& p = s.params();
    image.maxsize = p.maxsize;
    image.maxiter = s.maxiter;
    image.method = s.method;
    image.inside = s.inside;
    image.cx = p.jcx;
    image.cy = p.jcy;
    image.exponent = p.p0;
    image.fast = p.p0 == std::floor(p.p0);
    // An exponent below 1 is kept out by the parameter dialog; 1 leaves z unchanged.
    image.exi = image.fast ? int(std::clamp(p.p0, 1.0, 1024.0)) : 0;
    image.minsize = p.p1;
    image.jperiod = std::clamp(s.jperiod, 1, kAttractorSize);
    image.palint = s.palint;
    image.cycle = &state.render.attractor;
    image.plain_square = image.fast && image.exi == 2 && image.inside != kInsideSiegelDisks &&
                         image.inside != kInsideJuliaLevelSets && image.maxsize >= 0 && image.maxiter >= 1;
}

bool mandelbrot_row(const double* xs, double y, int count, int* n, double* zx, double* zy, double* size) {
    if (!image.plain_square) return false;
    thread_local QuadraticBatch batch;
    batch.start(image.method, image.cx, image.cy);
    for (int i = 0; i < count; ++i) batch.add(xs[i], y);
    if (!batch.run(image.maxsize, image.maxiter, n, zx, zy, size)) return false;
    for (int i = 0; i < count; ++i) n[i] = n[i] % 255 + 1;
    return true;
}

int mandelbrot(double px, double py, double* zx, double* zy, double* size) {
    double cr, ci, x, y;
    if (image.method == 0) {
        cr = px, ci = py, x = 0, y = 0;
    } else {
        cr = image.cx, ci = image.cy, x = px, y = py;
    }
    const bool siegel = image.inside == kInsideSiegelDisks;
    const bool level_sets = image.inside == kInsideJuliaLevelSets && image.method == 1;
    if (siegel) pixel::infsize = image.maxsize;

    int n = 0;
    double r = 0;
    while (r <= image.maxsize && n < image.maxiter) {
        if (image.fast) {
            const double x0 = x, y0 = y;
            for (int i = 1; i < image.exi; ++i) {
                const double t = x * x0 - y * y0;
                y = x * y0 + y * x0;
                x = t;
            }
            x += cr;
            y += ci;
        } else {
            std::complex<double> z = std::pow(std::complex<double>(x, y), image.exponent);
            x = z.real() + cr;
            y = z.imag() + ci;
        }
        r = std::sqrt(x * x + y * y);
        ++n;
        if (siegel && r < pixel::infsize) pixel::infsize = r;
        if (level_sets && near_cycle(x, y)) break;
    }
    if (r <= image.maxsize && image.inside == kInsideJuliaLevelSets) n = n * image.palint / image.jperiod + 48;
    *size = r;
    *zx = x;
    *zy = y;
    return n % 255 + 1;
}

TypeImplementation mandelbrot_implementation() {
    return {.generator = mandelbrot, .setup = mandelbrot_setup, .row_kernel = mandelbrot_row, .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
