#include "formulas/distance_estimator.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "formulas/escape_time.h"
#include "model/complex_math.h"

namespace zoquel {

const char* const kDistanceEstimatorNotice =
    "Press a key or click a mouse button to proceed\n   from the following preliminary image to the\n"
    "   final image.\n\nFinal image parameters:\n\n   'threshold' - used to set 'delta', which\n"
    "   determines the border thickness at the M-\n   or J-set boundary.\n\n"
    "   'overflow' - determines the number of points\n   which are plotted closest to the boundary.";

namespace {

// What both passes read of the settings.
struct Image {
    int method = 0;
    int maxiter = 256;
    int inside = 0;
    double maxsize = 16;
    Cx c;
    double minsize = 0.001;
    double overflow = 500000;
    double delta = 0;
    int jperiod = 1;
};

// The orbit of one point, kept for the derivative: working memory, one per thread, grown to
// the iteration limit once and reused by every later pixel and image.
std::vector<Cx>& orbit_buffer(int maxiter) {
    thread_local std::vector<Cx> orbit;
    if (orbit.size() < std::size_t(maxiter) + 1) orbit.resize(std::size_t(maxiter) + 1);
    orbit[0] = Cx{};
    return orbit;
}

struct Estimate {
    int n = 0;
    bool escaped = false;
    bool overflow = false;
    double dist = 0;
    Cx z;
    double size = 0;
};

// Iterates z^2 + c, calling `stop(z, size)` after every step (true ends the orbit), and for
// an escaped point runs the derivative over the stored orbit.
template <class Stop>
Estimate estimate(Cx z, Cx c, double maxsize, int maxiter, double overflow, Stop stop) {
    std::vector<Cx>& orbit = orbit_buffer(maxiter);
    Estimate e;
    while (e.size <= maxsize && e.n < maxiter) {
        z = z * z + c;
        ++e.n;
        orbit[std::size_t(e.n)] = z;
        e.size = abs(z);
        if (stop(z, e.size)) break;
    }
    e.z = z;
    e.escaped = e.size > maxsize;
    if (!e.escaped) return e;
    Cx d;
    for (int k = 0; k < e.n; ++k) {
        d = 2.0 * orbit[std::size_t(k)] * d + Cx{1, 0};
        if (std::max(std::abs(d.re), std::abs(d.im)) > overflow) {
            e.overflow = true;
            return e;
        }
    }
    e.dist = std::log(e.size * e.size) * e.size / abs(d);
    return e;
}

Cx start(const Image& im, double x, double y, Cx& c) {
    if (im.method == 0) {
        c = Cx{x, y};
        return Cx{};
    }
    c = im.c;
    return Cx{x, y};
}

const char* const kFormulaText[2] = {
    "Distance Estimator: Mandelbrot (Parameter Plane)\n\n   z = z^2 + c,   z' = 2 z z' + 1\n\n"
    "   c = pixel value\n   z(0) = (0 + 0i),   z'(0) = 0\n\n   distance = ln|z|^2 * |z| / |z'|\n\n"
    "   threshold: border thickness in pixel widths\n   overflow: derivative limit for boundary points\n\n"
    "   A preliminary image sketches the boundary; press a\n   key or click to go on to the final image.",
    "Distance Estimator: Julia (Dynamic Plane)\n\n   z = z^2 + c,   z' = 2 z z' + 1\n\n"
    "   c = constant, default (-0.74543 + 0.11301i)\n   z(0) = pixel value\n\n"
    "   distance = ln|z|^2 * |z| / |z'|\n\n   threshold: border thickness in pixel widths\n"
    "   overflow: derivative limit for boundary points\n   minsize: capture radius for Julia level sets",
};

Image image_from(const ImageInput& in) {
    const Settings& s = in.settings;
    const Param& p = s.params();
    const View& v = in.geometry.view;
    Image im;
    im.method = s.method;
    im.maxiter = s.maxiter;
    im.inside = s.inside;
    im.maxsize = p.maxsize;
    im.c = Cx{p.jcx, p.jcy};
    im.minsize = p.p0;
    im.overflow = p.p2;
    im.jperiod = std::clamp(s.jperiod, 1, kAttractorSize);
    im.delta = (v.xmax - v.xmin) / s.xres * p.p1;
    return im;
}

// The preliminary pass: the boundary in white on black, on the screen only, and the largest
// distance of the escaping points.
class Sketch final : public PreliminaryPass {
public:
    explicit Sketch(const ImageInput& in)
        : image_(image_from(in)), geometry_(in.geometry), delta0_(in.geometry.xside / in.geometry.xres * 0.1) {}

    double row(int r, Pixel* out) const override {
        const double y = geometry_.row_y(r);
        double largest = 0;
        for (int col = 0; col < geometry_.xres; ++col) {
            Cx c;
            const Cx z = start(image_, geometry_.column_x(col), y, c);
            const Estimate e = estimate(z, c, image_.maxsize, image_.maxiter, 1e9, [](Cx, double) { return false; });
            bool white = false;
            if (e.escaped && e.overflow) {
                white = true;
            } else if (e.escaped) {
                largest = std::max(largest, e.dist);
                white = e.dist < delta0_;
            }
            out[col] = white ? kWhite : kBlack;
        }
        return largest;
    }
    double combine(double so_far, double row_part) const override { return std::max(so_far, row_part); }

private:
    Image image_;
    ImageGeometry geometry_;
    double delta0_;
};

class DistanceEstimator final : public PixelImage {
public:
    explicit DistanceEstimator(const ImageInput& in)
        : image_(image_from(in)), distmax_(in.preliminary), cycle_(in.cycle) {}
    PixelResult pixel(double px, double py) const override;

private:
    Image image_;
    double distmax_;
    Attractor cycle_;
};

PixelResult DistanceEstimator::pixel(double px, double py) const {
    const Image& im = image_;
    const bool siegel = im.inside == kInsideSiegelDisks;
    const bool capture = im.inside == kInsideJuliaLevelSets && im.method == 1;
    // Locals, not members: the orbit buffer's stores cannot be taken to change them.
    double smallest = im.maxsize;
    const int period = im.jperiod;
    const double minsize = im.minsize;
    const Attractor& cycle = cycle_;
    Cx c;
    const Cx z0 = start(im, px, py, c);
    // The plain orbit, where nothing watches it, is the loop with nothing else in it.
    const Estimate e = !siegel && !capture
                           ? estimate(z0, c, im.maxsize, im.maxiter, im.overflow, [](Cx, double) { return false; })
                           : estimate(z0, c, im.maxsize, im.maxiter, im.overflow, [&](Cx z, double r) {
                                 if (siegel && r < smallest) smallest = r;
                                 if (capture) {
                                     for (int i = 0; i < period; ++i) {
                                         const Cx a{cycle.x[std::size_t(i)], cycle.y[std::size_t(i)]};
                                         if (abs(z - a) < minsize) return true;
                                     }
                                 }
                                 return false;
                             });
    PixelResult out;
    if (siegel) out.infsize = smallest;
    out.zx = e.z.re;
    out.zy = e.z.im;
    out.size = e.size;
    int r = 0;
    if (e.escaped) {
        r = e.n % 255;
        // An image with no distance at all has nothing to scale by.
        if (!e.overflow && e.dist >= im.delta && distmax_ > 0) {
            const double term = std::trunc(e.dist / distmax_ * 256);
            if (term >= 0 && std::isfinite(term)) r += int(std::fmod(term, 255.0));
        }
    } else if (im.inside == kInsideJuliaLevelSets) {
        r = e.n / im.jperiod + 48;
    }
    out.n = r % 255 + 1;
    return out;
}

std::unique_ptr<const PreliminaryPass> prepare_sketch(const ImageInput& in) {
    if (in.memory.firsttimetext) {
        in.memory.firsttimetext = false;
        in.host.message_box(kDistanceEstimatorNotice, "Distance Estimator", MessageIcon::information);
    }
    return std::make_unique<Sketch>(in);
}

}  // namespace

TypeImplementation dem_implementation() {
    return {.prepare = [](const ImageInput& in) -> PixelImagePtr { return std::make_unique<DistanceEstimator>(in); },
            .preliminary = prepare_sketch,
            // Its column 3 is its own parameter, not an exponent: the map is z^2 + c.
            .thumbnail = [](const Settings&, Cx c) { return power_thumbnail(2, c); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
