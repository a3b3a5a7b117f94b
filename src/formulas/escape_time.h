#pragma once
#include "formulas/complex_math.h"
#include "render/live_state.h"
#include "render/side_channels.h"
#include "model/settings.h"
#include "render/type_registry.h"

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
//   int result(int n, Cx z, double& size) const   colour count, may change the size
struct EscapeMember {
    static constexpr bool kDynamicOnly = false;
    static constexpr double kStartSize = 0;
    static Cx critical(Cx) { return {}; }
    static bool settled(double) { return false; }
    static int result(int n, Cx, double&) { return n % 255 + 1; }
};

template <class M>
int escape_time(const EscapeImage& im, double px, double py, double* zx, double* zy, double* size) {
    M m(im);
    Cx z, c;
    if (im.method == 0 && !M::kDynamicOnly) {
        c = Cx{px, py};
        z = m.critical(c);
    } else {
        c = im.constant;
        z = Cx{px, py};
    }
    double r = M::kStartSize;
    double smallest = im.bailout;
    int n = 0;
    // A NaN size (an orbit through a pole) ends the orbit like an escape does, but it is
    // coloured as inside: NaN never exceeds the bailout.
    while (r <= im.bailout && n < im.maxiter && !m.settled(r)) {
        r = m.step(z, c);
        ++n;
        if (im.siegel && r < smallest) smallest = r;
    }
    // Every member leaves the Siegel-disk measure, as type 0 does, so no pixel reads one left
    // by another.
    if (im.siegel) pixel::infsize = smallest;
    *zx = z.re;
    *zy = z.im;
    *size = r;
    return m.result(n, z, *size);
}

// A count that may run past the palette (a raw iteration count) as a palette index: counts
// that fit are kept, longer ones wrap as the escape-time convention does.
constexpr int count_in_palette(int n) { return n >= 0 && n <= 255 ? n : (n < 0 ? 1 : n % 255 + 1); }

// The generator, its per-image set-up and the registry entry of one member, each member with
// its own snapshot.
template <class M>
struct EscapeTimeType {
    static inline EscapeImage image;
    static int generator(double px, double py, double* zx, double* zy, double* size) {
        return escape_time<M>(image, px, py, zx, zy, size);
    }
    static void setup(LiveState& state) { image = escape_image(state.settings); }
    static TypeImplementation implementation(const char* parameter_plane, const char* dynamic_plane) {
        TypeImplementation t;
        t.generator = generator;
        t.setup = setup;
        t.formula_text[0] = parameter_plane;
        t.formula_text[1] = dynamic_plane;
        return t;
    }
};

}  // namespace zoquel
