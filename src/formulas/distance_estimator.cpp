#include "formulas/distance_estimator.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "formulas/complex_math.h"
#include "render/driver.h"
#include "render/live_state.h"
#include "render/ordered_rows.h"
#include "render/side_channels.h"

namespace zoquel {

const char* const kDistanceEstimatorNotice =
    "Press a key or click a mouse button to proceed\n   from the following preliminary image to the\n"
    "   final image.\n\nFinal image parameters:\n\n   'threshold' - used to set 'delta', which\n"
    "   determines the border thickness at the M-\n   or J-set boundary.\n\n"
    "   'overflow' - determines the number of points\n   which are plotted closest to the boundary.";

namespace {

struct Image {
    int method = 0;
    int maxiter = 256;
    int inside = 0;
    double maxsize = 16;
    Cx c;
    double minsize = 0.001;
    double overflow = 500000;
    double delta = 0;
    double distmax = 0;
    int jperiod = 1;
    const Attractor* cycle = nullptr;
};
Image image;

// The orbit of one point, kept for the derivative. One per thread, grown to the iteration
// limit once and reused by every later pixel and image.
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

Image image_from(const LiveState& state) {
    const Settings& s = state.settings;
    const Param& p = s.params();
    const View& v = s.view();
    Image im;
    im.method = s.method;
    im.maxiter = s.maxiter;
    im.inside = s.inside;
    im.maxsize = p.maxsize;
    im.c = Cx{p.jcx, p.jcy};
    im.minsize = p.p0;
    im.overflow = p.p2;
    im.jperiod = std::clamp(s.jperiod, 1, kAttractorSize);
    im.cycle = &state.render.attractor;
    im.delta = (v.xmax - v.xmin) / s.xres * p.p1;
    return im;
}

}  // namespace

double maxdistance(LiveState& state) {
    const Image im = image_from(state);
    const Settings& s = state.settings;
    Host& host = *state.host;
    if (state.render.firsttimetext) {
        state.render.firsttimetext = false;
        host.message_box(kDistanceEstimatorNotice, "Distance Estimator", MessageIcon::information);
    }
    const View& v = s.view();
    const double xside = v.xmax - v.xmin, yside = v.ymax - v.ymin;
    const double delta0 = xside / s.xres * 0.1;
    // The sketch's rows are computed on every thread and shown in order; the largest
    // distance is each row's largest, so the result does not depend on who computed what.
    std::vector<double> row_largest(std::size_t(std::max(0, s.yres)), 0.0);
    OrderedRows rows;
    rows.start(0, s.yres, s.xres, render_threads(), [&](int r, Pixel* out) {
        const double y = v.ymin + (s.yres - 1 - r) * yside / (s.yres - 1);
        double largest = 0;
        for (int col = 0; col < s.xres; ++col) {
            const double x = v.xmin + col * xside / (s.xres - 1);
            Cx c;
            const Cx z = start(im, x, y, c);
            const Estimate e = estimate(z, c, im.maxsize, im.maxiter, 1e9, [](Cx, double) { return false; });
            bool white = false;
            if (e.escaped && e.overflow) {
                white = true;
            } else if (e.escaped) {
                largest = std::max(largest, e.dist);
                white = e.dist < delta0;
            }
            out[col] = white ? kWhite : kBlack;
        }
        row_largest[std::size_t(r)] = largest;
    });
    Surface& screen = host.screen();
    std::vector<Pixel> row(std::size_t(std::max(0, s.xres)));
    for (int r = 0; r < s.yres; ++r) {
        rows.take_row(r, row.data());
        if (r >= screen.height()) continue;
        for (int col = 0; col < std::min(s.xres, screen.width()); ++col) screen.set_pixel(col, r, row[std::size_t(col)]);
        host.present(Rect{0, r, std::min(s.xres, screen.width()), r + 1});
    }
    rows.stop();
    double largest = 0;
    for (double d : row_largest) largest = std::max(largest, d);
    // Only a key or click given after the sketch is complete goes on.
    while (host.poll_input()) {
    }
    host.wait_input();
    return largest;
}

void dem_setup(LiveState& state) {
    image = image_from(state);
    image.distmax = maxdistance(state);
}

int dem(double px, double py, double* zx, double* zy, double* size) {
    const Image& im = image;
    const bool siegel = im.inside == kInsideSiegelDisks;
    const bool capture = im.inside == kInsideJuliaLevelSets && im.method == 1;
    if (siegel) pixel::infsize = im.maxsize;
    Cx c;
    const Cx z0 = start(im, px, py, c);
    bool captured = false;
    const Estimate e = estimate(z0, c, im.maxsize, im.maxiter, im.overflow, [&](Cx z, double r) {
        if (siegel && r < pixel::infsize) pixel::infsize = r;
        if (capture) {
            for (int i = 0; i < im.jperiod; ++i) {
                const Cx a{im.cycle->x[std::size_t(i)], im.cycle->y[std::size_t(i)]};
                if (abs(z - a) < im.minsize) return captured = true;
            }
        }
        return false;
    });
    *zx = e.z.re;
    *zy = e.z.im;
    *size = e.size;
    int r = 0;
    if (e.escaped) {
        r = e.n % 255;
        // An image with no distance at all has nothing to scale by.
        if (!e.overflow && e.dist >= im.delta && im.distmax > 0) {
            const double term = std::trunc(e.dist / im.distmax * 256);
            if (term >= 0 && std::isfinite(term)) r += int(std::fmod(term, 255.0));
        }
    } else if (im.inside == kInsideJuliaLevelSets) {
        r = e.n / im.jperiod + 48;
    }
    return r % 255 + 1;
}

TypeImplementation dem_implementation() {
    return {.generator = dem, .setup = dem_setup, .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
