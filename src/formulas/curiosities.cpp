#include "formulas/curiosities.h"

#include <cmath>
#include <limits>

#include "formulas/escape_time.h"

namespace zoquel {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

Cx cube(Cx z) { return z * z * z; }

struct LegendreError : EscapeMember {
    explicit LegendreError(const EscapeImage&) {}
    static double step(Cx& z, Cx& c) {
        // The linear term taken off the real part only.
        const Cx w = 2.5 * cube(z);
        z = Cx{w.re - 1.5 * z.re + c.re, w.im + c.im};
        return abs(z);
    }
};

struct LegendreCorrect : EscapeMember {
    explicit LegendreCorrect(const EscapeImage&) {}
    static double step(Cx& z, Cx& c) {
        z = 2.5 * cube(z) - 1.5 * z + c;
        return abs(z);
    }
};

struct Mondrian : EscapeMember {
    explicit Mondrian(const EscapeImage& im) : julia(im.method == 1) {}
    static Cx critical(Cx c) { return c; }
    double step(Cx& z, Cx& c) const {
        if (!julia) {
            // The new real part goes into the imaginary part.
            z.re = z.re * z.re - z.im * z.im + c.re;
            z.im = 2 * z.re * z.im + c.im;
            return abs(z);
        }
        const Cx w = Cx{1, 0} - z * z;
        // The pole: an orbit that falls into it has escaped.
        if (norm(w) == 0) return kInfinity;
        z = 1.0 / w + c;
        return abs(z);
    }
    bool julia;
};

struct Petal : EscapeMember {
    static constexpr bool kDynamicOnly = true;
    explicit Petal(const EscapeImage& im) : e(std::floor(im.p.p0)), k(im.p.p1) {}
    double step(Cx& z, Cx& c) const {
        z = pow(z, e) - k * z + c;
        return abs(z);
    }
    double e, k;
};

// Both variants of type 28 are parameter-plane images; the method chooses the formula.
PixelImagePtr prepare_legendre(const ImageInput& in) {
    EscapeImage im = escape_image(in.settings);
    im.method = 0;
    if (in.settings.method == 0) return std::make_unique<EscapeTimeImage<LegendreError>>(im);
    return std::make_unique<EscapeTimeImage<LegendreCorrect>>(im);
}

class NewtonError final : public PixelImage {
public:
    explicit NewtonError(const Settings& s)
        : wrong_function_(s.method == 0), maxiter_(s.maxiter), smoothing_(s.outside == kOutsideSmoothing) {}
    PixelResult pixel(double px, double py) const override;

private:
    bool wrong_function_;
    int maxiter_;
    bool smoothing_;
};

PixelResult NewtonError::pixel(double px, double py) const {
    Cx z{px, py};
    double before = 1.0, last = 1.0;
    int n = 0;
    while (n < maxiter_ && last > 0.0001) {
        // Each power one product from the one before, as repeated products give them.
        const Cx z2 = z * z, z3 = z2 * z, z4 = z3 * z, z5 = z4 * z, z6 = z5 * z, z7 = z6 * z;
        const Cx f = z7 + (wrong_function_ ? 14.0 : -14.0) * z5 + 49.0 * z3 - 36.0 * z;
        Cx d = 7.0 * z6 + (wrong_function_ ? -70.0 : 70.0) * z4 + 147.0 * z2 - Cx{36, 0};
        if (std::abs(d.re) < 1e-32 && std::abs(d.im) < 1e-32) d = Cx{1e-32, 1e-32};
        const Cx next = z - f / d;
        before = last;
        last = abs(next - z);
        z = next;
        ++n;
    }
    PixelResult out;
    if (smoothing_) {
        const double t = std::log(before) - std::log(last);
        double fraction = 0;
        if (!(last < 1e-32) && !(t < 1e-32)) fraction = (std::log(before) + 9.210340371976184) / t;
        if (!(fraction >= 0)) fraction = 0;  // also NaN
        if (fraction > 1) fraction = 1;
        out.nfx = fraction;
    }
    out.zx = z.re;
    out.zy = z.im;
    out.size = 17.0;
    out.infsize = 17.0;
    out.n = n % 255 + 1;
    return out;
}

const char* const kLegendreText[2] = {
    "Legendre Error: Erroneous Formula (Parameter Plane)\n\n   z = 2.5 z^3 - 1.5 Re(z) + c\n\n"
    "   c = pixel value\n   z(0) = (0 + 0i)\n\n   The linear term of the third Legendre polynomial\n"
    "   subtracted from the real part only: a slip that\n   turns the correct set into a quite different one.",
    "Legendre Error: Correct Formula (Parameter Plane)\n\n   z = 2.5 z^3 - 1.5 z + c\n\n"
    "   c = pixel value\n   z(0) = (0 + 0i)\n\n   P3(z) = (5z^3 - 3z) / 2, the third Legendre\n   polynomial, plus c.",
};

const char* const kMondrianText[2] = {
    "Curiosities: Erroneous M-set (Parameter Plane)\n\n   x = x^2 - y^2 + cx\n   y = 2xy + cy\n\n"
    "   c = pixel value\n   z(0) = pixel value\n\n   The new x is used in the second line instead of\n"
    "   the old one: the familiar set breaks up.",
    "Curiosities: Mondrian Julia (Dynamic Plane)\n\n   z = 1 / (1 - z^2) + c\n\n"
    "   c = constant, default (-1.0 + 0.032i)\n   z(0) = pixel value\n\n"
    "   An orbit that reaches the poles z = 1 or z = -1\n   counts as escaped.",
};

const char* const kNewtonErrorText[2] = {
    "Newton Error: Function Error\n\n   z = z - f(z) / f'(z)\n\n   f(z) = z^7 + 14z^5 + 49z^3 - 36z  (sign error)\n"
    "   f'(z) = 7z^6 - 70z^4 + 147z^2 - 36\n\n   z(0) = pixel value\n\n"
    "   The derivative belongs to z^7 - 14z^5 + 49z^3 - 36z,\n   whose roots are 0, +-1, +-2 and +-3.",
    "Newton Error: Derivative Error\n\n   z = z - f(z) / f'(z)\n\n   f(z) = z^7 - 14z^5 + 49z^3 - 36z\n"
    "   f'(z) = 7z^6 + 70z^4 + 147z^2 - 36  (sign error)\n\n   z(0) = pixel value\n\n"
    "   The roots of f are 0, +-1, +-2 and +-3; with the wrong\n   derivative the iteration finds them only nearby.",
};

const char* const kPetalText[2] = {
    "Petal Julia (Dynamic Plane)\n\n   z = z^e - k * z + c\n\n   c = constant, default (0 + 0i)\n"
    "   e = exponent (4 - 50, rounded down), default 5\n   k = coefficient, default 1.0\n   z(0) = pixel value\n\n"
    "   The fixed point 0 is neutral for k = 1: petals\n   grow around it.",
    "Petal Julia (Dynamic Plane)\n\n   z = z^e - k * z + c\n\n   c = constant, default (0 + 0i)\n"
    "   e = exponent (4 - 50, rounded down), default 5\n   k = coefficient, default 1.0\n   z(0) = pixel value\n\n"
    "   Keep c within 0.5 of 0 and k in -1.5 .. -0.99 or\n   0.95 .. 1.25 to see the petals.",
};

}  // namespace

TypeImplementation legendre_implementation() {
    return {.prepare = prepare_legendre, .formula_text = {kLegendreText[0], kLegendreText[1]}};
}

TypeImplementation mondrian_implementation() {
    return escape_time_implementation<Mondrian>(kMondrianText[0], kMondrianText[1]);
}

TypeImplementation newtonerror_implementation() {
    return {.prepare = [](const ImageInput& in) -> PixelImagePtr { return std::make_unique<NewtonError>(in.settings); },
            .formula_text = {kNewtonErrorText[0], kNewtonErrorText[1]}};
}

TypeImplementation petal_implementation() {
    return escape_time_implementation<Petal>(kPetalText[0], kPetalText[1]);
}

}  // namespace zoquel
