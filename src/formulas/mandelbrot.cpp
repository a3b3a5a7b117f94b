#include "formulas/mandelbrot.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "formulas/escape_time.h"
#include "formulas/quadratic_row_kernel.h"

namespace zoquel {

namespace {

const char* const kFormulaText[2] = {
    "Mandelbrot (Parameter Plane)\n\n   z = z^n + c\n\n   c = pixel value\n   z(0) = (0 + 0i)\n\n"
    "basic critical point calculation:\n   set derivative of function = 0\n   and solve for z",
    "Julia (Dynamic Plane)\n\n   z = z^n + c\n\n   c = constant\n   z(0) = pixel value",
};

class Mandelbrot final : public PixelImage {
public:
    explicit Mandelbrot(const ImageInput& in) : cycle_(in.cycle) {
        const Settings& s = in.settings;
        const Param& p = s.params();
        maxsize_ = p.maxsize;
        maxiter_ = s.maxiter;
        method_ = s.method;
        inside_ = s.inside;
        cx_ = p.jcx;
        cy_ = p.jcy;
        exponent_ = p.p0;
        fast_ = p.p0 == std::floor(p.p0);
        // An exponent below 1 is kept out by the parameter dialog; 1 leaves z unchanged.
        exi_ = fast_ ? int(std::clamp(p.p0, 1.0, 1024.0)) : 0;
        minsize_ = p.p1;
        jperiod_ = std::clamp(s.jperiod, 1, kAttractorSize);
        palint_ = s.palint;
        plain_square_ = fast_ && exi_ == 2 && inside_ != kInsideSiegelDisks && inside_ != kInsideJuliaLevelSets &&
                        maxsize_ >= 0 && maxiter_ >= 1;
    }

    PixelResult pixel(double px, double py) const override;
    bool row(const double* xs, double y, int count, PixelResult* out) const override;

private:
    bool near_cycle(double x, double y) const {
        for (int i = 0; i < jperiod_; ++i) {
            const double dx = x - cycle_.x[std::size_t(i)], dy = y - cycle_.y[std::size_t(i)];
            if (std::sqrt(dx * dx + dy * dy) < minsize_) return true;
        }
        return false;
    }

    double maxsize_ = 16;
    int maxiter_ = 256;
    int method_ = 0;
    int inside_ = 0;
    double cx_ = 0, cy_ = 0;
    double exponent_ = 2;
    bool fast_ = true;
    int exi_ = 2;
    double minsize_ = 0.001;
    int jperiod_ = 1;
    int palint_ = 1;
    Attractor cycle_;
    // z*z + c with no per-step side work: whole rows may go through the vector loop.
    bool plain_square_ = false;
};

bool Mandelbrot::row(const double* xs, double y, int count, PixelResult* out) const {
    if (!plain_square_) return false;
    thread_local QuadraticBatch batch;  // working memory, reused from row to row
    thread_local std::vector<int> n;
    thread_local std::vector<double> zx, zy, size;
    const std::size_t w = std::size_t(count);
    n.resize(w), zx.resize(w), zy.resize(w), size.resize(w);
    batch.start(method_, cx_, cy_);
    for (int i = 0; i < count; ++i) batch.add(xs[i], y);
    if (!batch.run(maxsize_, maxiter_, n.data(), zx.data(), zy.data(), size.data())) return false;
    for (std::size_t i = 0; i < w; ++i) out[i] = PixelResult{n[i] % 255 + 1, zx[i], zy[i], size[i]};
    return true;
}

PixelResult Mandelbrot::pixel(double px, double py) const {
    double cr, ci, x, y;
    if (method_ == 0) {
        cr = px, ci = py, x = 0, y = 0;
    } else {
        cr = cx_, ci = cy_, x = px, y = py;
    }
    const bool siegel = inside_ == kInsideSiegelDisks;
    const bool level_sets = inside_ == kInsideJuliaLevelSets && method_ == 1;
    PixelResult out;
    if (siegel) out.infsize = maxsize_;

    int n = 0;
    double r = 0;
    while (r <= maxsize_ && n < maxiter_) {
        if (fast_) {
            const double x0 = x, y0 = y;
            for (int i = 1; i < exi_; ++i) {
                const double t = x * x0 - y * y0;
                y = x * y0 + y * x0;
                x = t;
            }
            x += cr;
            y += ci;
        } else {
            std::complex<double> z = std::pow(std::complex<double>(x, y), exponent_);
            x = z.real() + cr;
            y = z.imag() + ci;
        }
        r = std::sqrt(x * x + y * y);
        ++n;
        if (siegel && r < out.infsize) out.infsize = r;
        if (level_sets && near_cycle(x, y)) break;
    }
    if (r <= maxsize_ && inside_ == kInsideJuliaLevelSets) n = n * palint_ / jperiod_ + 48;
    out.n = n % 255 + 1;
    out.size = r;
    out.zx = x;
    out.zy = y;
    return out;
}

}  // namespace

TypeImplementation mandelbrot_implementation() {
    return {.prepare = [](const ImageInput& in) -> PixelImagePtr { return std::make_unique<Mandelbrot>(in); },
            .thumbnail = [](const Settings& s, Cx c) { return power_thumbnail(s.params().p0, c); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
