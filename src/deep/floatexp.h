#pragma once
#include <bit>
#include <cmath>
#include <cstdint>

namespace zoquel::deep {

// Numbers of the deep path's deltas, in two widths behind one interface: plain doubles while
// every delta of the image stays inside double's exponent range, and a double mantissa with
// an exponent of its own past it (pixel steps below about 1e-290).

// 2^e as a double, for e within double's normal range.
inline double power_of_two(int e) { return std::bit_cast<double>(std::uint64_t(e + 1023) << 52); }

// The binary exponent of a normal nonzero double: x = m 2^e with 1 <= |m| < 2.
inline int exponent_of(double x) { return int((std::bit_cast<std::uint64_t>(x) >> 52) & 0x7ff) - 1023; }

// A real m 2^e; m is 0 or 1 <= |m| < 2.
struct FloatExp {
    double m = 0;
    std::int64_t e = kZeroExponent;

    static constexpr std::int64_t kZeroExponent = INT64_MIN / 4;

    FloatExp() = default;
    FloatExp(double x) { *this = normalised(x, 0); }  // NOLINT: a double is one
    static FloatExp normalised(double m, std::int64_t e) {
        FloatExp r;
        if (m == 0 || !std::isfinite(m)) {
            r.m = m;
            r.e = m == 0 ? kZeroExponent : 0;
            return r;
        }
        int k = exponent_of(m);
        if (k == -1023) {  // subnormal: scale into the normal range first
            m *= 0x1p100;
            e -= 100;
            k = exponent_of(m);
        }
        r.m = m * power_of_two(-k);
        r.e = e + k;
        return r;
    }
    double to_double() const {
        if (m == 0) return 0;
        if (e > 1023) return std::copysign(INFINITY, m);
        if (e < -1074) return 0;
        return e < -1022 ? m * power_of_two(int(e) + 100) * 0x1p-100 : m * power_of_two(int(e));
    }
    friend FloatExp operator*(FloatExp a, FloatExp b) { return normalised(a.m * b.m, a.e + b.e); }
    friend FloatExp operator+(FloatExp a, FloatExp b) {
        if (a.m == 0) return b;
        if (b.m == 0) return a;
        if (a.e < b.e) std::swap(a, b);
        const std::int64_t d = b.e - a.e;
        if (d < -60) return a;
        return normalised(a.m + b.m * power_of_two(int(d)), a.e);
    }
    friend FloatExp operator/(FloatExp a, FloatExp b) { return normalised(a.m / b.m, a.e - b.e); }
    friend FloatExp operator-(FloatExp a) { return FloatExp{-a.m, a.e}; }
    friend FloatExp operator-(FloatExp a, FloatExp b) { return a + -b; }
    friend bool operator<(FloatExp a, FloatExp b) { return (a - b).m < 0; }
    friend FloatExp abs(FloatExp a) { return FloatExp{std::fabs(a.m), a.e}; }
    friend FloatExp max(FloatExp a, FloatExp b) { return a < b ? b : a; }
    friend FloatExp min(FloatExp a, FloatExp b) { return a < b ? a : b; }
    friend FloatExp sqrt(FloatExp a) {
        // Halve an even exponent; an odd one moves a factor 2 into the mantissa.
        const std::int64_t odd = a.e & 1;
        return normalised(std::sqrt(a.m * (odd ? 2.0 : 1.0)), (a.e - odd) / 2);
    }

private:
    FloatExp(double m_, std::int64_t e_) : m(m_), e(e_) {}
};

// A complex number (re + i im) 2^e with one exponent for both parts: one normalisation per
// operation instead of two.
struct ComplexExp {
    double re = 0, im = 0;
    std::int64_t e = FloatExp::kZeroExponent;

    ComplexExp() = default;
    ComplexExp(double r, double i) { *this = normalised(r, i, 0); }
    static ComplexExp normalised(double r, double i, std::int64_t e) {
        ComplexExp z;
        const double ar = std::fabs(r), ai = std::fabs(i), big = ar > ai ? ar : ai;
        if (big == 0 || !std::isfinite(big)) {
            z.re = r, z.im = i, z.e = big == 0 ? FloatExp::kZeroExponent : 0;
            return z;
        }
        int k = exponent_of(big);
        if (k == -1023) {
            r *= 0x1p100, i *= 0x1p100, e -= 100;
            k = exponent_of(std::fabs(r) > std::fabs(i) ? std::fabs(r) : std::fabs(i));
        }
        const double s = power_of_two(-k);
        z.re = r * s, z.im = i * s, z.e = e + k;
        return z;
    }
    static ComplexExp from(FloatExp r, FloatExp i) {
        if (r.m == 0) return normalised(0, i.m, i.e);
        if (i.m == 0) return normalised(r.m, 0, r.e);
        const std::int64_t e = std::max(r.e, i.e);
        auto scaled = [e](FloatExp x) { return x.e - e < -1000 ? 0.0 : x.m * power_of_two(int(x.e - e)); };
        return normalised(scaled(r), scaled(i), e);
    }
    // (re + i im) s
    static ComplexExp scaled(double r, double i, FloatExp s) { return normalised(r * s.m, i * s.m, s.e); }
    FloatExp real() const { return FloatExp::normalised(re, e); }
    FloatExp imag() const { return FloatExp::normalised(im, e); }
    // |z|^2
    FloatExp norm() const { return FloatExp::normalised(re * re + im * im, 2 * e); }
    double re_double() const { return FloatExp::normalised(re, e).to_double(); }
    double im_double() const { return FloatExp::normalised(im, e).to_double(); }

    friend ComplexExp operator*(const ComplexExp& a, const ComplexExp& b) {
        return normalised(a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re, a.e + b.e);
    }
    friend ComplexExp operator*(const ComplexExp& a, FloatExp s) { return normalised(a.re * s.m, a.im * s.m, a.e + s.e); }
    friend ComplexExp operator+(ComplexExp a, ComplexExp b) {
        if (a.e < b.e) std::swap(a, b);
        const std::int64_t d = b.e - a.e;
        if (d < -60) return a;
        const double s = power_of_two(int(d));
        return normalised(a.re + b.re * s, a.im + b.im * s, a.e);
    }
    friend ComplexExp operator-(const ComplexExp& a) { ComplexExp r = a; r.re = -r.re, r.im = -r.im; return r; }
};

// The double-width counterparts, so one pixel loop serves both.
struct ComplexD {
    double re = 0, im = 0;
    ComplexD() = default;
    ComplexD(double r, double i) : re(r), im(i) {}
    static ComplexD scaled(double r, double i, double s) { return ComplexD(r * s, i * s); }
    double norm() const { return re * re + im * im; }
    double re_double() const { return re; }
    double im_double() const { return im; }
    friend ComplexD operator*(const ComplexD& a, const ComplexD& b) {
        return ComplexD(a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re);
    }
    friend ComplexD operator*(const ComplexD& a, double s) { return ComplexD(a.re * s, a.im * s); }
    friend ComplexD operator+(const ComplexD& a, const ComplexD& b) { return ComplexD(a.re + b.re, a.im + b.im); }
    friend ComplexD operator-(const ComplexD& a) { return ComplexD(-a.re, -a.im); }
};

// The real type that goes with each complex one.
template <class C> struct RealOf;
template <> struct RealOf<ComplexD> { using type = double; };
template <> struct RealOf<ComplexExp> { using type = FloatExp; };

inline double to_double(double x) { return x; }
inline double to_real(FloatExp x, double) { return x.to_double(); }
inline FloatExp to_real(FloatExp x, FloatExp) { return x; }
inline double to_double(FloatExp x) { return x.to_double(); }

}  // namespace zoquel::deep
