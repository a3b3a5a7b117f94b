#include "formulas/boundary_tracer.h"

#include <vector>

#include "formulas/escape_time.h"
#include "formulas/quadratic_row_kernel.h"
#include "model/complex_math.h"

namespace zoquel {

namespace {

// The neighbours always escape at this radius, whatever the pixel's own.
constexpr double kNeighbourRadius = 16.0;

class BoundaryTracer final : public PixelImage {
public:
    explicit BoundaryTracer(const ImageInput& in);
    PixelResult pixel(double px, double py) const override;
    bool row(const double* xs, double y, int count, PixelResult* out) const override;

private:
    // Iterates from the point (x, y) while |z| <= radius; returns the last |z| and leaves z.
    double orbit(double x, double y, double radius, Cx& z) const {
        Cx c;
        if (method_ == 0) {
            c = Cx{x, y};
            z = Cx{};
        } else {
            c = c_;
            z = Cx{x, y};
        }
        double size = 0;
        for (int n = 0; size <= radius && n < maxiter_; ++n) {
            z = square_ ? z * z + c : pow(z, exponent_) + c;
            size = abs(z);
        }
        return size;
    }

    int method_ = 0;
    int maxiter_ = 256;
    int inside_ = 0;
    double maxsize_ = 16;
    Cx c_;
    double exponent_ = 2;
    bool square_ = true;
    double xinc_ = 0, yinc_ = 0;
};

BoundaryTracer::BoundaryTracer(const ImageInput& in) {
    const Settings& s = in.settings;
    const Param& p = s.params();
    method_ = s.method;
    maxiter_ = s.maxiter;
    inside_ = s.inside;
    maxsize_ = p.maxsize;
    c_ = Cx{p.jcx, p.jcy};
    exponent_ = p.p0;
    square_ = p.p0 == 2.0;
    // A little less than the driver's pixel spacing.
    xinc_ = in.geometry.xside / s.xres;
    yinc_ = in.geometry.yside / s.yres;
}

PixelResult BoundaryTracer::pixel(double px, double py) const {
    Cx z;
    PixelResult out;
    out.size = orbit(px, py, maxsize_, z);
    out.zx = z.re;
    out.zy = z.im;
    // The tracer keeps no orbit minimum: a Siegel-disk colouring sees the size.
    out.infsize = out.size;
    out.n = 255;
    if (out.size > maxsize_) return out;
    const double neighbours[4][2] = {{px + xinc_, py}, {px - xinc_, py}, {px, py + yinc_}, {px, py - yinc_}};
    for (const auto& q : neighbours) {
        Cx w;
        if (orbit(q[0], q[1], kNeighbourRadius, w) > kNeighbourRadius) {
            out.size = out.infsize = 0;
            out.n = 0;
            return out;
        }
    }
    out.size = out.infsize = maxsize_ + 1.0;
    return out;
}

// A row at exponent 2: the pixels' own orbits, then the neighbours of the bounded ones, each
// batch through the vector loop.
bool BoundaryTracer::row(const double* xs, double y, int count, PixelResult* out) const {
    // The Siegel-disk colouring reads each pixel's orbit measure, which a row does not leave.
    if (!square_ || inside_ == kInsideSiegelDisks) return false;
    // Working memory, reused from row to row.
    thread_local QuadraticBatch own, near;
    thread_local std::vector<int> steps, near_steps;
    thread_local std::vector<double> zx, zy, size, near_zx, near_zy, near_size;
    const std::size_t w = std::size_t(count);
    steps.resize(w), zx.resize(w), zy.resize(w), size.resize(w);
    own.start(method_, c_.re, c_.im);
    for (int i = 0; i < count; ++i) own.add(xs[i], y);
    if (!own.run(maxsize_, maxiter_, steps.data(), zx.data(), zy.data(), size.data())) return false;
    near.start(method_, c_.re, c_.im);
    std::size_t neighbours = 0;
    for (std::size_t i = 0; i < w; ++i) {
        if (size[i] > maxsize_) continue;
        const double px = xs[i];
        near.add(px + xinc_, y), near.add(px - xinc_, y);
        near.add(px, y + yinc_), near.add(px, y - yinc_);
        neighbours += 4;
    }
    near_steps.resize(neighbours), near_zx.resize(neighbours), near_zy.resize(neighbours), near_size.resize(neighbours);
    if (!near.run(kNeighbourRadius, maxiter_, near_steps.data(), near_zx.data(), near_zy.data(), near_size.data()))
        return false;
    std::size_t k = 0;
    for (std::size_t i = 0; i < w; ++i) {
        PixelResult& r = out[i];
        r = PixelResult{255, zx[i], zy[i], size[i]};
        if (size[i] > maxsize_) continue;
        bool escaping_neighbour = false;
        for (int q = 0; q < 4; ++q, ++k) escaping_neighbour = escaping_neighbour || near_size[k] > kNeighbourRadius;
        r.size = escaping_neighbour ? 0 : maxsize_ + 1.0;
        r.n = escaping_neighbour ? 0 : 255;
    }
    return true;
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

TypeImplementation bt_implementation() {
    return {.prepare = [](const ImageInput& in) -> PixelImagePtr { return std::make_unique<BoundaryTracer>(in); },
            .thumbnail = [](const Settings& s, Cx c) { return power_thumbnail(s.params().p0, c); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
