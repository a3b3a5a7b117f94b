#include "formulas/boundary_tracer.h"

#include <vector>

#include "formulas/complex_math.h"
#include "formulas/quadratic_row_kernel.h"
#include "render/live_state.h"
#include "render/side_channels.h"

namespace zoquel {

namespace {

// The neighbours always escape at this radius, whatever the pixel's own.
constexpr double kNeighbourRadius = 16.0;

struct Image {
    int method = 0;
    int maxiter = 256;
    int inside = 0;
    double maxsize = 16;
    Cx c;
    double exponent = 2;
    bool square = true;
    double xinc = 0, yinc = 0;
};
Image image;

// Iterates from the point (x, y) while |z| <= radius; returns the last |z| and leaves z.
double orbit(double x, double y, double radius, Cx& z) {
    Cx c;
    if (image.method == 0) {
        c = Cx{x, y};
        z = Cx{};
    } else {
        c = image.c;
        z = Cx{x, y};
    }
    double size = 0;
    for (int n = 0; size <= radius && n < image.maxiter; ++n) {
        z = image.square ? z * z + c : pow(z, image.exponent) + c;
        size = abs(z);
    }
    return size;
}

const char* const kFormulaText[2] = {
    "M/J-Sets: Boundary Tracer - Mandelbrot (Parameter Plane)\n\n   z = z^p + c\n\n"
    "   c = pixel value\n   z(0) = (0 + 0i)\n   p = exponent, default 2.0\n\n"
    "   A pixel is on the boundary when it stays bounded for\n   maxiter iterations while one of its four neighbours\n"
    "   escapes. Use solid inside and outside colours.",
    "M/J-Sets: Boundary Tracer - Julia (Dynamic Plane)\n\n   z = z^p + c\n\n"
    "   c = constant, default (0.32 + 0.043i)\n   z(0) = pixel value\n   p = exponent, default 2.0\n\n"
    "   A pixel is on the boundary when it stays bounded for\n   maxiter iterations while one of its four neighbours\n"
    "   escapes. A disconnected Julia set gives scattered dust.",
};

}  // namespace

void bt_setup(LiveState& state) {
    const Settings& s = state.settings;
    const Param& p = s.params();
    image.method = s.method;
    image.maxiter = s.maxiter;
    image.inside = s.inside;
    image.maxsize = p.maxsize;
    image.c = Cx{p.jcx, p.jcy};
    image.exponent = p.p0;
    image.square = p.p0 == 2.0;
    // A little less than the driver's pixel spacing.
    image.xinc = state.render.xside / s.xres;
    image.yinc = state.render.yside / s.yres;
}

int bt(double px, double py, double* zx, double* zy, double* size) {
    Cx z;
    *size = orbit(px, py, image.maxsize, z);
    *zx = z.re;
    *zy = z.im;
    // The tracer keeps no orbit minimum: a Siegel-disk colouring sees the size.
    pixel::infsize = *size;
    if (*size > image.maxsize) return 255;
    const double neighbours[4][2] = {
        {px + image.xinc, py}, {px - image.xinc, py}, {px, py + image.yinc}, {px, py - image.yinc}};
    for (const auto& q : neighbours) {
        Cx w;
        if (orbit(q[0], q[1], kNeighbourRadius, w) > kNeighbourRadius) {
            *size = 0;
            pixel::infsize = 0;
            return 0;
        }
    }
    *size = image.maxsize + 1.0;
    pixel::infsize = *size;
    return 255;
}

namespace {

// A row of bt() at exponent 2: the pixels' own orbits, then the neighbours of the bounded
// ones, each batch through the vector loop.
bool bt_row(const double* xs, double y, int count, int* n, double* zx, double* zy, double* size) {
    // The Siegel-disk colouring reads each pixel's side channel, which a row does not leave.
    if (!image.square || image.inside == kInsideSiegelDisks) return false;
    thread_local QuadraticBatch own, near;
    thread_local std::vector<int> near_steps;
    thread_local std::vector<double> near_zx, near_zy, near_size;
    own.start(image.method, image.c.re, image.c.im);
    for (int i = 0; i < count; ++i) own.add(xs[i], y);
    if (!own.run(image.maxsize, image.maxiter, n, zx, zy, size)) return false;
    near.start(image.method, image.c.re, image.c.im);
    std::size_t neighbours = 0;
    for (int i = 0; i < count; ++i) {
        if (size[i] > image.maxsize) continue;
        const double px = xs[i];
        near.add(px + image.xinc, y), near.add(px - image.xinc, y);
        near.add(px, y + image.yinc), near.add(px, y - image.yinc);
        neighbours += 4;
    }
    near_steps.resize(neighbours), near_zx.resize(neighbours), near_zy.resize(neighbours), near_size.resize(neighbours);
    if (!near.run(kNeighbourRadius, image.maxiter, near_steps.data(), near_zx.data(), near_zy.data(), near_size.data()))
        return false;
    std::size_t k = 0;
    for (int i = 0; i < count; ++i) {
        if (size[i] > image.maxsize) {
            n[i] = 255;
            continue;
        }
        bool escaping_neighbour = false;
        for (int q = 0; q < 4; ++q, ++k) escaping_neighbour = escaping_neighbour || near_size[k] > kNeighbourRadius;
        size[i] = escaping_neighbour ? 0 : image.maxsize + 1.0;
        n[i] = escaping_neighbour ? 0 : 255;
    }
    return true;
}

}  // namespace

TypeImplementation bt_implementation() {
    return {.generator = bt, .setup = bt_setup, .row_kernel = bt_row, .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
