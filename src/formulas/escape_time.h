#pragma once
#include <memory>

#include "model/complex_math.h"
#include "model/type_implementation.h"
#include "model/settings.h"

namespace zoquel {

// What an escape-time map reads of the settings, taken once per image before any row.
struct EscapeImage {
    Param p;
    double bailout = 16;
    int maxiter = 256;
    int method = 0;
    Cx constant;  // columns 1 and 2: the dynamic plane's c
    bool siegel = false;  // the inside colouring wants the orbit's smallest size
};

inline EscapeImage escape_image(const Settings& s) {
    const Param& p = s.params();
    return EscapeImage{p, p.maxsize, s.maxiter, s.method, Cx{p.jcx, p.jcy}, s.inside == kInsideSiegelDisks};
}

// The part every member of the escape-time families shares. A member is a small struct made
// afresh for each pixel (so it may carry per-orbit state such as a previous iterate) with
//   explicit M(const EscapeImage&);
//   Cx critical(Cx c) const;            start value of z in the parameter plane
//   double step(Cx& z, Cx& c);          one step of the map; returns the size measure
// and, where it differs from the plain escape-time convention, any of
//   static constexpr bool kDynamicOnly  the pixel is always z(0), c always the constant
//   static constexpr double kStartSize  size before the first step (0)
//   bool settled(double size) const     an extra exit, tested before each step
//   int result(int n, Cx& z, double& size) const   colour count, may change the size and
//                                                  the last iterate reported
//   static double thumbnail_size(Cx z, double size)   what the Julia thumbnail tests (|z|)
//   static int thumbnail_index(int n, Cx z)           its colour of an escaped orbit
struct EscapeMember {
    static constexpr bool kDynamicOnly = false;
    static constexpr double kStartSize = 0;
    static Cx critical(Cx) { return {}; }
    static bool settled(double) { return false; }
    static int result(int n, Cx, double&) { return n % 255 + 1; }
    static double thumbnail_size(Cx z, double) { return abs(z); }
    static int thumbnail_index(int n, Cx) { return (2 * n) % 255 + 1; }
};

// The Julia thumbnail's fixed loop, whatever the image's limits and colouring: at most 128
// steps while the size stays within 16. An escaped orbit takes the palette entry `index`
// gives it, one that stays entry 0 (black).
constexpr int kThumbnailSteps = 128;
constexpr double kThumbnailRadius = 16;
template <class Step, class Index>
int thumbnail_orbit(Cx z, Step&& step, Index&& index) {
    double size = 0;
    int n = 0;
    while (size <= kThumbnailRadius && n < kThumbnailSteps) {
        size = step(z);
        ++n;
    }
    return size > kThumbnailRadius ? index(n, z) : 0;
}

// The thumbnail of z^e + c, the Mandelbrot family's map (a plain square where e is 2).
inline ThumbnailOrbit power_thumbnail(double e, Cx c) {
    return [e, c](Cx z) {
        return thumbnail_orbit(
            z,
            [&](Cx& w) {
                w = (e == 2 ? w * w : pow(w, e)) + c;
                return abs(w);
            },
            EscapeMember::thumbnail_index);
    };
}

// A member's thumbnail: its own dynamic-plane step, from a fresh member for each point.
template <class M>
ThumbnailOrbit member_thumbnail(const Settings& s, Cx c) {
    return [im = escape_image(s), c](Cx z) {
        M m(im);
        Cx k = c;
        return thumbnail_orbit(
            z, [&](Cx& w) { return M::thumbnail_size(w, m.step(w, k)); }, M::thumbnail_index);
    };
}

template <class M>
PixelResult escape_time(const EscapeImage& im, double px, double py) {
    M m(im);
    Cx z, c;
    if (im.method == 0 && !M::kDynamicOnly) {
        c = Cx{px, py};
        z = m.critical(c);
    } else {
        c = im.constant;
        z = Cx{px, py};
    }
    // Locals the loop's stores cannot be taken to change.
    const double bailout = im.bailout;
    const int maxiter = im.maxiter;
    const bool siegel = im.siegel;
    double r = M::kStartSize;
    double smallest = bailout;
    int n = 0;
    // A NaN size (an orbit through a pole) ends the orbit like an escape does, but it is
    // coloured as inside: NaN never exceeds the bailout.
    while (r <= bailout && n < maxiter && !m.settled(r)) {
        r = m.step(z, c);
        ++n;
        if (siegel && r < smallest) smallest = r;
    }
    PixelResult out;
    out.n = m.result(n, z, r);
    out.zx = z.re;
    out.zy = z.im;
    out.size = r;
    // Every member leaves the Siegel-disk measure of its own orbit.
    if (siegel) out.infsize = smallest;
    return out;
}

// One image of an escape-time member.
template <class M>
class EscapeTimeImage final : public PixelImage {
public:
    explicit EscapeTimeImage(const EscapeImage& image) : image_(image) {}
    PixelResult pixel(double px, double py) const override { return escape_time<M>(image_, px, py); }

private:
    EscapeImage image_;
};

// A member's image, as most members need nothing beyond the shared snapshot.
template <class M>
PixelImagePtr prepare_escape_time(const ImageInput& in) {
    return std::make_unique<EscapeTimeImage<M>>(escape_image(in.settings));
}

}  // namespace zoquel

namespace zoquel {

// The registry entry of a member that needs nothing beyond the shared snapshot.
template <class M>
TypeImplementation escape_time_implementation(const char* parameter_plane, const char* dynamic_plane) {
    return {.prepare = prepare_escape_time<M>,
            .thumbnail = M::kDynamicOnly ? nullptr : member_thumbnail<M>,
            .formula_text = {parameter_plane, dynamic_plane}};
}

}  // namespace zoquel
