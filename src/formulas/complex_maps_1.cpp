#include "formulas/complex_maps.h"

#include <cmath>

#include "formulas/escape_time.h"
#include "model/palettes.h"

namespace zoquel {

namespace {

constexpr double kInverseE = 0.36787944117144233;
constexpr double kInverseTwoPi = 0.15915494309189535;
constexpr double kTwoPi = 6.283185307179586;

struct Sine : EscapeMember {
    Cx lambda;
    explicit Sine(const EscapeImage& im) : lambda{im.p.p1, im.p.p2} {}
    double step(Cx& z, Cx& c) const {
        z = lambda * sin(z) + c;
        return abs(z);
    }
};

struct Cosine : EscapeMember {
    Cx lambda;
    explicit Cosine(const EscapeImage& im) : lambda{im.p.p1, im.p.p2} {}
    double step(Cx& z, Cx& c) const {
        z = lambda * cos(z) + c;
        return abs(z);
    }
};

// Escape is to the right only: the size is Re z, and far to the left e^z vanishes, so the
// orbit is put back at 0 there instead of creeping towards it.
struct Exponential : EscapeMember {
    Cx lambda;
    explicit Exponential(const EscapeImage& im) : lambda{kInverseE + im.p.p1, im.p.p2} {}
    double step(Cx& z, Cx& c) const {
        z = lambda * exp(z) + c;
        const double size = z.re;
        if (z.re < -50) z = Cx{};
        return size;
    }
    static double thumbnail_size(Cx, double size) { return size; }
};

struct Quartet : EscapeMember {
    static constexpr bool kDynamicOnly = true;
    explicit Quartet(const EscapeImage&) {}
    static double step(Cx& z, Cx& c) {
        const Cx pole = abs(z) == 0 ? Cx{} : c / z;
        z = sin(z) - pole;
        return abs(z);
    }
};

// The magnetism models converge to 0 (inside) or to 1 (shown as outside, in a band of its
// own 85 entries along the palette).
struct Magnetism : EscapeMember {
    static constexpr double kStartSize = 1e-6;
    double zmag = 1e-6;
    double bailout;
    explicit Magnetism(const EscapeImage& im) : bailout(im.bailout) {}
    bool settled(double size) const { return size < 1e-6 || zmag < 1e-6; }
    int result(int n, Cx, double& size) const {
        if (zmag < 1e-6) {
            size = bailout + 1.0;
            return (n + 85) % 255 + 1;
        }
        return n % 255 + 1;
    }
    double converge(Cx& z, Cx w) {
        z = w * w;
        zmag = abs(z - Cx{1, 0});
        return abs(z);
    }
};

struct Magnetism1 : Magnetism {
    using Magnetism::Magnetism;
    double step(Cx& z, Cx& q) {
        const Cx one{1, 0}, two{2, 0};
        return converge(z, (z * z + q - one) / (2.0 * z + q - two));
    }
};

struct Magnetism2 : Magnetism {
    using Magnetism::Magnetism;
    double step(Cx& z, Cx& q) {
        const Cx one{1, 0}, two{2, 0}, three{3, 0};
        const Cx top = z * z * z + 3.0 * (q - one) * z + (q - one) * (q - two);
        const Cx bottom = 3.0 * z * z + 3.0 * (q - two) * z + q * q - 3.0 * q + three;
        return converge(z, top / bottom);
    }
};

// The count steps four entries at a time, and mod 256 lets it reach entry 0.
struct Devaney : EscapeMember {
    double N, D;
    explicit Devaney(const EscapeImage& im) : N(im.p.p1), D(im.p.p2) {}
    // The critical point of z^N + lambda / z^D.
    Cx critical(Cx lambda) const { return pow(Cx{lambda.re * D / N, lambda.im * D / N}, 1 / (N + D)); }
    double step(Cx& z, Cx& lambda) const {
        const Cx zd = pow(z, D);
        const Cx t = lambda / zd;
        z = pow(z, N) + t;
        return abs(z);
    }
    static int result(int n, Cx, double&) { return 4 * n % 256; }
};

// Escaped points are coloured by the direction of the escaping iterate.
struct Pokorny : EscapeMember {
    double bailout;
    explicit Pokorny(const EscapeImage& im) : bailout(im.bailout) {}
    static double step(Cx& z, Cx& c) {
        z = 1.0 / (z * z + c);
        return abs(z);
    }
    int result(int n, Cx z, double& size) const {
        // The raw count would run past the palette when maxiter does.
        if (!(size > bailout)) return palette_index(n);
        double angle = arg(z);
        if (angle < 0) angle += kTwoPi;
        return wrapped_index(angle * 256.0 * kInverseTwoPi);
    }
    static int thumbnail_index(int, Cx z) {
        double angle = arg(z);
        if (angle < 0) angle += kTwoPi;
        return int(std::fmod(std::trunc(angle * 256 / kTwoPi), 255.0)) + 1;
    }
};

// The squaring map of the plane, coloured by when its orbit first lands in the target set:
// the filled Julia set of the constant, shrunk fifteen times.
struct Escher : EscapeMember {
    static constexpr bool kDynamicOnly = true;
    const EscapeImage& im;
    bool entered = false;
    explicit Escher(const EscapeImage& image) : im(image) {}

    int targetset(double tzx, double tzy) const {
        Cx w{tzx, tzy};
        double tsize = 0;
        int tn = 0;
        while (tsize <= im.bailout && tn < im.maxiter) {
            w = sqr(w) + im.constant;
            tsize = norm(w);
            ++tn;
        }
        return tsize > im.bailout ? tn : 0;
    }
    bool settled(double) const { return entered; }
    double step(Cx& z, Cx&) {
        z = sqr(z);
        entered = targetset(15 * z.re, 15 * z.im) == 0;
        return norm(z);
    }
    int result(int n, Cx, double& size) const {
        // The step that lands in the target set is not counted.
        const int k = entered ? 4 * (n - 1) % 255 + 1 : 1;
        size = im.bailout + 1.0;
        return k % 255 + 1;
    }
};

const char* const kEscher =
    "Escher-Julia (Dynamic Plane)\n\n   z = z^2\n\n   z(0) = pixel value\n\n"
    "after every step 15 * z is tested against the target set,\n"
    "the filled Julia set of w = w^2 + c with c = (0.32 + 0.043i):\n"
    "the pixel gets 4 palette steps per iteration it took\n"
    "to land in it; pixels that never land there get one colour\n\n"
    "change c (cx, cy) for other tilings";

const char* const kSine[2] = {
    "Lambda * Sine (Parameter Plane)\n\n   z = lambda * sin(z) + c\n\n   c = pixel value\n   z(0) = (0 + 0i)\n"
    "   lambda = (1 + 0.1i)\n\nsin(z) has a critical point at z = pi / 2;\n"
    "the start value 0 gives the classic picture",
    "Lambda * Sine (Dynamic Plane)\n\n   z = lambda * sin(z) + c\n\n   c = constant, default (0 + 0i)\n"
    "   z(0) = pixel value\n   lambda = (1 + 0.1i)\n\nescape radius 256",
};

const char* const kCosine[2] = {
    "Lambda * Cosine (Parameter Plane)\n\n   z = lambda * cos(z) + c\n\n   c = pixel value\n   z(0) = (0 + 0i)\n"
    "   lambda = (1 + 0i)\n\nz = 0 is a critical point of cos(z)",
    "Lambda * Cosine (Dynamic Plane)\n\n   z = lambda * cos(z) + c\n\n   c = constant, default (0.5509 + 1.0747i)\n"
    "   z(0) = pixel value\n   lambda = (1 + 0i)\n\nescape radius 256",
};

const char* const kExp[2] = {
    "Lambda * e^z (Parameter Plane)\n\n   z = lambda * e^z + c\n\n   c = pixel value\n   z(0) = (0 + 0i)\n"
    "   lambda = 1/e + epsilon, epsilon = (0 + 0i)\n\n"
    "escape is to the right: Re z > 500;\nan orbit with Re z < -50 restarts at 0",
    "Lambda * e^z (Dynamic Plane)\n\n   z = lambda * e^z + c\n\n   c = constant, default (0 + 0i)\n"
    "   z(0) = pixel value\n   lambda = 1/e + epsilon, epsilon = (0 + 0i)\n\n"
    "lambda = 1/e is the parabolic case;\nsmall epsilons show the explosion of the Julia set",
};

const char* const kQuartet =
    "Quartet Sine (Dynamic Plane)\n\n   z = sin(z) - c / z\n\n   c = constant, default (0.05 + 0i)\n"
    "   z(0) = pixel value\n\nc / z is taken as 0 at z = 0; escape radius 64";

const char* const kMag1[2] = {
    "Magnetism Model 1 (Parameter Plane)\n\n   z = ((z^2 + q - 1) / (2z + q - 2))^2\n\n   q = pixel value\n"
    "   z(0) = (0 + 0i)\n\norbits end at the fixed points 0 (inside) and 1\n"
    "(outside, 85 palette steps on) or by escape",
    "Magnetism Model 1 (Dynamic Plane)\n\n   z = ((z^2 + q - 1) / (2z + q - 2))^2\n\n"
    "   q = constant, default (2 + 0i)\n   z(0) = pixel value\n\n"
    "orbits end at the fixed points 0 (inside) and 1\n(outside, 85 palette steps on) or by escape",
};

const char* const kMag2[2] = {
    "Magnetism Model 2 (Parameter Plane)\n\n"
    "   z = ((z^3 + 3(q - 1)z + (q - 1)(q - 2)) /\n        (3z^2 + 3(q - 2)z + q^2 - 3q + 3))^2\n\n"
    "   q = pixel value\n   z(0) = (0 + 0i)\n\norbits end at the fixed points 0 (inside) and 1\n"
    "(outside, 85 palette steps on) or by escape",
    "Magnetism Model 2 (Dynamic Plane)\n\n"
    "   z = ((z^3 + 3(q - 1)z + (q - 1)(q - 2)) /\n        (3z^2 + 3(q - 2)z + q^2 - 3q + 3))^2\n\n"
    "   q = constant, default (2 + 0i)\n   z(0) = pixel value\n\n"
    "orbits end at the fixed points 0 (inside) and 1\n(outside, 85 palette steps on) or by escape",
};

const char* const kDevaney[2] = {
    "Devaney (Parameter Plane)\n\n   z = z^N + lambda / z^D\n\n   lambda = pixel value\n"
    "   z(0) = (lambda * D / N)^(1 / (N + D))\n   N = 2, D = 2 (real exponents)\n\n"
    "z(0) is the critical point of the map;\nthe palette is stepped 4 entries per iteration",
    "Devaney (Dynamic Plane)\n\n   z = z^N + lambda / z^D\n\n   lambda = constant, default (0.08 + 0i)\n"
    "   z(0) = pixel value\n   N = 2, D = 2 (real exponents)\n\n"
    "small lambdas give Sierpinski-curve Julia sets",
};

const char* const kPokorny[2] = {
    "Pokorny (Parameter Plane)\n\n   z = 1 / (z^2 + c)\n\n   c = pixel value\n   z(0) = (0 + 0i)\n\n"
    "escaped points are coloured by the angle of the last z;\nescape radius 4",
    "Pokorny (Dynamic Plane)\n\n   z = 1 / (z^2 + c)\n\n   c = constant, default (-0.4386 - 0.4353i)\n"
    "   z(0) = pixel value\n\nescaped points are coloured by the angle of the last z;\nescape radius 4",
};

}  // namespace

TypeImplementation complex_maps_1_implementation(int ftype) {
    switch (ftype) {
        case 2: return escape_time_implementation<Escher>(kEscher, kEscher);
        case 7: return escape_time_implementation<Sine>(kSine[0], kSine[1]);
        case 8: return escape_time_implementation<Cosine>(kCosine[0], kCosine[1]);
        case 9: return escape_time_implementation<Exponential>(kExp[0], kExp[1]);
        case 10: return escape_time_implementation<Quartet>(kQuartet, kQuartet);
        case 11: return escape_time_implementation<Magnetism1>(kMag1[0], kMag1[1]);
        case 12: return escape_time_implementation<Magnetism2>(kMag2[0], kMag2[1]);
        case 13: return escape_time_implementation<Devaney>(kDevaney[0], kDevaney[1]);
        case 14: return escape_time_implementation<Pokorny>(kPokorny[0], kPokorny[1]);
        default: return {};
    }
}

}  // namespace zoquel
