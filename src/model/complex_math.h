#pragma once
#include <cmath>

namespace zoquel {

// A complex value with the textbook formulas written out, so that every formula computes the
// same bits on every compiler and never goes through the library's special-case recovery of
// infinities (which would also make the inner loops calls instead of a few instructions).
struct Cx {
    double re = 0, im = 0;

    friend constexpr Cx operator+(Cx a, Cx b) { return {a.re + b.re, a.im + b.im}; }
    friend constexpr Cx operator-(Cx a, Cx b) { return {a.re - b.re, a.im - b.im}; }
    friend constexpr Cx operator-(Cx a) { return {-a.re, -a.im}; }
    friend constexpr Cx operator*(Cx a, Cx b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
    friend constexpr Cx operator*(double k, Cx a) { return {k * a.re, k * a.im}; }
    friend constexpr Cx operator*(Cx a, double k) { return {k * a.re, k * a.im}; }
    // Unguarded: a zero divisor gives infinities or NaN, which the callers' loops must survive.
    friend constexpr Cx operator/(Cx a, Cx b) {
        const double d = b.re * b.re + b.im * b.im;
        return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
    }
    friend constexpr Cx operator/(double k, Cx b) { return Cx{k, 0} / b; }
    friend constexpr bool operator==(Cx, Cx) = default;
};

inline double abs(Cx z) { return std::sqrt(z.re * z.re + z.im * z.im); }
constexpr double norm(Cx z) { return z.re * z.re + z.im * z.im; }
constexpr Cx conj(Cx z) { return {z.re, -z.im}; }
constexpr Cx sqr(Cx z) { return {(z.re + z.im) * (z.re - z.im), 2 * z.re * z.im}; }
inline double arg(Cx z) { return std::atan2(z.im, z.re); }

inline Cx sin(Cx z) { return {std::sin(z.re) * std::cosh(z.im), std::cos(z.re) * std::sinh(z.im)}; }
inline Cx cos(Cx z) { return {std::cos(z.re) * std::cosh(z.im), -std::sin(z.re) * std::sinh(z.im)}; }
inline Cx exp(Cx z) {
    const double r = std::exp(z.re);
    return {r * std::cos(z.im), r * std::sin(z.im)};
}

// z^x for a real x in polar form on the principal branch; 0^x is 0 for every x > 0.
inline Cx pow(Cx z, double x) {
    if (z.re == 0 && z.im == 0) return x > 0 ? Cx{} : Cx{std::pow(0.0, x), 0};
    const double r = std::pow(abs(z), x), a = x * arg(z);
    return {r * std::cos(a), r * std::sin(a)};
}

}  // namespace zoquel
