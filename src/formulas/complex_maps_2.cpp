#include <cmath>

#include "formulas/complex_maps.h"
#include "formulas/escape_time.h"

namespace zoquel {

namespace {

// The logistic map in the plane; c plays lambda.
struct Lambda : EscapeMember {
    explicit Lambda(const EscapeImage&) {}
    static Cx critical(Cx) { return {0.5, 0}; }
    static double step(Cx& z, Cx& lambda) {
        z = lambda * z * (Cx{1, 0} - z);
        return abs(z);
    }
};

// The step remembers the iterate before the current one.
struct Phoenix : EscapeMember {
    double pk, d;
    Cx zp;
    explicit Phoenix(const EscapeImage& im) : pk(im.p.p0), d(im.p.p1) {}
    double step(Cx& z, Cx& c) {
        const Cx memory = pk * pow(zp, d - 1);
        const Cx next = pow(z, d) + c + memory;
        zp = z;
        z = next;
        return abs(z);
    }
};

struct Celtic : EscapeMember {
    explicit Celtic(const EscapeImage&) {}
    static double step(Cx& z, Cx& c) {
        const Cx w = z * z;
        z = Cx{std::fabs(w.re) - c.re, w.im - c.im};
        return abs(z);
    }
};

// Only the real part decides escape.
struct Ship : EscapeMember {
    double e;
    explicit Ship(const EscapeImage& im) : e(im.p.p0) {}
    double step(Cx& z, Cx& c) const {
        z = pow(Cx{std::fabs(z.re), -std::fabs(z.im)}, e) + c;
        return z.re * z.re;
    }
};

// z^3 - 3 T^2 z + c with its critical point T fixed at 0.75i.
struct Cubic : EscapeMember {
    static constexpr Cx kT{0, 0.75};
    explicit Cubic(const EscapeImage&) {}
    static Cx critical(Cx) { return kT; }
    static double step(Cx& z, Cx& c) {
        z = z * z * z - 3.0 * z * kT * kT + c;
        return abs(z);
    }
};

struct Tricorn : EscapeMember {
    double e;
    explicit Tricorn(const EscapeImage& im) : e(im.p.p0) {}
    double step(Cx& z, Cx& c) const {
        z = pow(conj(z), e) + c;
        return abs(z);
    }
};

struct TricornVariation : EscapeMember {
    double e;
    explicit TricornVariation(const EscapeImage& im) : e(im.p.p0) {}
    double step(Cx& z, Cx& c) const {
        z = pow(conj(z * z) * c, e) + c;
        return abs(z);
    }
    // The raw count, kept inside the palette when it runs past it.
    static int result(int n, Cx, double&) { return palette_index(n); }
};

struct Airfoil1 : EscapeMember {
    explicit Airfoil1(const EscapeImage&) {}
    static double step(Cx& z, Cx& c) {
        const Cx w = cos(z * z);
        z = w + 1.0 / w + c;
        return abs(z);
    }
};

// Only the imaginary part decides escape.
struct Airfoil3 : EscapeMember {
    explicit Airfoil3(const EscapeImage&) {}
    static double step(Cx& z, Cx& c) {
        // c + 1/c must exist.
        if (c.re == 0) c.re = 1e-6;
        if (c.im == 0) c.im = 1e-6;
        const Cx t = c + 1.0 / c;
        const Cx w = cos(z) * t;
        z = w - 1.0 / w;
        return z.im * z.im;
    }
};

const char* const kLambda[2] = {
    "Lambda (Parameter Plane)\n\n   z = lambda * z * (1 - z)\n\n   lambda = pixel value\n   z(0) = (0.5 + 0i)\n\n"
    "z = 0.5 is the critical point of the logistic map;\nthe set is symmetric about Re lambda = 1",
    "Lambda (Dynamic Plane)\n\n   z = lambda * z * (1 - z)\n\n   lambda = constant, default (1.6465 + 0.964i)\n"
    "   z(0) = pixel value\n\nchoose lambda in the parameter plane (right click)",
};

const char* const kPhoenix[2] = {
    "Phoenix (Parameter Plane)\n\n   z(n+1) = z(n)^d + c + p * z(n-1)^(d-1)\n\n   c = pixel value\n"
    "   z(0) = z(-1) = (0 + 0i)\n   p = -0.5 (real), d = 2.0\n\n"
    "with p = 0 and d = 2 this is the Mandelbrot set",
    "Phoenix (Dynamic Plane)\n\n   z(n+1) = z(n)^d + c + p * z(n-1)^(d-1)\n\n"
    "   c = constant, default (0.566667 + 0i)\n   z(0) = pixel value, z(-1) = (0 + 0i)\n"
    "   p = -0.5 (real), d = 2.0\n\nthe classic Phoenix curve",
};

const char* const kCeltic[2] = {
    "Celtic (Parameter Plane)\n\n   w = z^2\n   z = |Re w| + i * Im w - c\n\n   c = pixel value\n"
    "   z(0) = (0 + 0i)\n\nthe real part of the square is folded\nbefore c is taken away",
    "Celtic (Dynamic Plane)\n\n   w = z^2\n   z = |Re w| + i * Im w - c\n\n   c = constant, default (1.4211 + 0i)\n"
    "   z(0) = pixel value",
};

const char* const kShip[2] = {
    "'Burning Ship' (Parameter Plane)\n\n   z = (|Re z| - i * |Im z|)^e + c\n\n   c = pixel value\n"
    "   z(0) = (0 + 0i)\n   e = 2.0 (real)\n\nescape is tested on (Re z)^2 only;\n"
    "the ship lies near c = (-1.75 + 0.03i)",
    "'Burning Ship' (Dynamic Plane)\n\n   z = (|Re z| - i * |Im z|)^e + c\n\n   c = constant, default (0 + 1.6i)\n"
    "   z(0) = pixel value\n   e = 2.0 (real)\n\nescape is tested on (Re z)^2 only",
};

const char* const kCubic[2] = {
    "P3 Polynomial (Parameter Plane)\n\n   z = z^3 - 3 * T^2 * z + c\n\n   c = pixel value\n"
    "   z(0) = T = (0 + 0.75i), a critical point\n\nthe slice of the cubic connectedness locus\n"
    "through the critical point T",
    "P3 Polynomial (Dynamic Plane)\n\n   z = z^3 - 3 * T^2 * z + c\n\n   c = constant, default (0.2302 + 0.1813i)\n"
    "   z(0) = pixel value\n   T = (0 + 0.75i)",
};

const char* const kTricorn[2] = {
    "Classic Tricorn (Parameter Plane)\n\n   z = conj(z)^e + c\n\n   c = pixel value\n   z(0) = (0 + 0i)\n"
    "   e = 2.0 (real)\n\nalso known as the Mandelbar set",
    "Classic Tricorn (Dynamic Plane)\n\n   z = conj(z)^e + c\n\n   c = constant, default (0.2094 + 0.494i)\n"
    "   z(0) = pixel value\n   e = 2.0 (real)",
};

const char* const kTricornV[2] = {
    "Tricorn Variation (Parameter Plane)\n\n   z = (conj(z^2) * c)^e + c\n\n   c = pixel value\n"
    "   z(0) = (0 + 0i)\n   e = 2.0 (real)\n\nthe colour index is the iteration count itself",
    "Tricorn Variation (Dynamic Plane)\n\n   z = (conj(z^2) * c)^e + c\n\n"
    "   c = constant, default (0.2078 + 0.7086i)\n   z(0) = pixel value\n   e = 2.0 (real)",
};

const char* const kAirfoil1[2] = {
    "Airfoil 1 (Parameter Plane)\n\n   w = cos(z^2)\n   z = w + 1 / w + c\n\n   c = pixel value\n"
    "   z(0) = (0 + 0i)\n\na Joukowski airfoil map of the cosine",
    "Airfoil 1 (Dynamic Plane)\n\n   w = cos(z^2)\n   z = w + 1 / w + c\n\n"
    "   c = constant, default (-4.443 + 0.1756i)\n   z(0) = pixel value",
};

const char* const kAirfoil3[2] = {
    "Airfoil 3 (Parameter Plane)\n\n   t = c + 1 / c\n   w = cos(z) * t\n   z = w - 1 / w\n\n"
    "   c = pixel value (a zero part is taken as 1e-6)\n   z(0) = (0 + 0i)\n\n"
    "escape is tested on (Im z)^2 only",
    "Airfoil 3 (Dynamic Plane)\n\n   t = c + 1 / c\n   w = cos(z) * t\n   z = w - 1 / w\n\n"
    "   c = constant, default (0.938 + 0.312i)\n   z(0) = pixel value\n\nescape is tested on (Im z)^2 only",
};

}  // namespace

TypeImplementation complex_maps_2_implementation(int ftype) {
    switch (ftype) {
        case 15: return escape_time_implementation<Lambda>(kLambda[0], kLambda[1]);
        case 16: return escape_time_implementation<Phoenix>(kPhoenix[0], kPhoenix[1]);
        case 17: return escape_time_implementation<Celtic>(kCeltic[0], kCeltic[1]);
        case 18: return escape_time_implementation<Ship>(kShip[0], kShip[1]);
        case 19: return escape_time_implementation<Cubic>(kCubic[0], kCubic[1]);
        case 20: return escape_time_implementation<Tricorn>(kTricorn[0], kTricorn[1]);
        case 21: return escape_time_implementation<TricornVariation>(kTricornV[0], kTricornV[1]);
        case 25: return escape_time_implementation<Airfoil1>(kAirfoil1[0], kAirfoil1[1]);
        case 26: return escape_time_implementation<Airfoil3>(kAirfoil3[0], kAirfoil3[1]);
        default: return {};
    }
}

}  // namespace zoquel
