#include "deep/deep_view_math.h"

#include <mpfr.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace zoquel::deep {

namespace {

std::string trimmed(const std::string& t) {
    const std::size_t a = t.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return t.substr(a, t.find_last_not_of(" \t") - a + 1);
}

// An MPFR number that frees itself.
class Big {
public:
    explicit Big(long bits) { mpfr_init2(x_, bits); }
    ~Big() { mpfr_clear(x_); }
    Big(const Big&) = delete;
    Big& operator=(const Big&) = delete;
    mpfr_ptr get() { return x_; }
    operator mpfr_ptr() { return x_; }

private:
    mpfr_t x_;
};

void set_text(Big& x, const std::string& text) { mpfr_set_str(x, trimmed(text).c_str(), 10, MPFR_RNDN); }

FloatExp to_floatexp(Big& x) {
    long e = 0;
    const double m = mpfr_get_d_2exp(&e, x, MPFR_RNDN);
    return FloatExp::normalised(m, e);
}

// Decimal digits enough to give back `bits` bits, as "[-]d.ddde[+-]N" without trailing zeros.
std::string decimal_text(Big& x, long bits) {
    if (mpfr_zero_p(x.get())) return "0";
    const std::size_t digits = std::size_t(double(bits) * 0.30103) + 3;
    mpfr_exp_t e = 0;
    char* s = mpfr_get_str(nullptr, &e, 10, digits, x, MPFR_RNDN);
    std::string m(s);
    mpfr_free_str(s);
    std::string sign;
    if (!m.empty() && m[0] == '-') sign = "-", m.erase(0, 1);
    while (m.size() > 1 && m.back() == '0') m.pop_back();
    // The value is 0.m 10^e: positional where that stays short, else d.ddd e N.
    const long n = long(m.size());
    if (e > 0 && e <= 21) {
        if (e >= n) return sign + m + std::string(std::size_t(e - n), '0');
        return sign + m.substr(0, std::size_t(e)) + "." + m.substr(std::size_t(e));
    }
    if (e <= 0 && e > -6) return sign + "0." + std::string(std::size_t(-e), '0') + m;
    std::string out = sign + m.substr(0, 1);
    if (m.size() > 1) out += "." + m.substr(1);
    return out + "e" + std::to_string(long(e) - 1);
}

}  // namespace

bool is_decimal(const std::string& raw) {
    const std::string t = trimmed(raw);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponent_digits = 0;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++exponent_digits;
        // Exponents beyond MPFR's range are not views anyone can render.
        if (exponent_digits == 0 || exponent_digits > 9) return false;
    }
    return i == t.size();
}

long precision_bits(const std::string& width, int xres) {
    Big w(64);
    set_text(w, width);
    const long e = mpfr_zero_p(w.get()) ? 0 : long(mpfr_get_exp(w.get()));
    // Bits down to the pixel step, and as many again as a double's mantissa for what
    // the orbit loses on its way.
    const long bits = -e + long(std::ceil(std::log2(std::max(2, xres)))) + 2 * 64;
    return std::clamp(bits, 128L, long(MPFR_PREC_MAX / 2));
}

FloatExp pixel_step(const DeepView& v, int xres) {
    Big w(128);
    set_text(w, v.width);
    mpfr_div_si(w, w, std::max(1, xres - 1), MPFR_RNDN);
    return to_floatexp(w);
}

View nearest_corners(const DeepView& v, int xres, int yres) {
    const long bits = precision_bits(v.width, xres);
    Big re(bits), im(bits), step(bits), half(bits), t(bits);
    set_text(re, v.re), set_text(im, v.im), set_text(step, v.width);
    mpfr_div_si(step, step, std::max(1, xres - 1), MPFR_RNDN);
    View out;
    mpfr_mul_d(half, step, (xres - 1) * 0.5, MPFR_RNDN);
    mpfr_sub(t, re, half, MPFR_RNDN), out.xmin = mpfr_get_d(t, MPFR_RNDN);
    mpfr_add(t, re, half, MPFR_RNDN), out.xmax = mpfr_get_d(t, MPFR_RNDN);
    mpfr_mul_d(half, step, (yres - 1) * 0.5, MPFR_RNDN);
    mpfr_sub(t, im, half, MPFR_RNDN), out.ymin = mpfr_get_d(t, MPFR_RNDN);
    mpfr_add(t, im, half, MPFR_RNDN), out.ymax = mpfr_get_d(t, MPFR_RNDN);
    return out;
}

std::variant<DeepView, std::string> deep_view_from_texts(int ftype, int method, const std::string& re,
                                                         const std::string& im, const std::string& width, int xres,
                                                         int yres) {
    if (!is_decimal(re) || !is_decimal(im)) return "the centre must be two decimal numbers, such as -0.75 and 0.1e-3";
    if (!is_decimal(width)) return "the width must be a decimal number, such as 1e-300";
    Big w(64), narrowest(64);
    set_text(w, width);
    set_text(narrowest, kNarrowestWidth);
    if (!mpfr_number_p(w.get()) || mpfr_sgn(w.get()) <= 0) return "the width must be positive";
    if (mpfr_cmp(w, narrowest) < 0) return std::string("deep views reach widths of ") + kNarrowestWidth + ", and no further";
    DeepView v{ftype, method, {}, trimmed(re), trimmed(im), trimmed(width)};
    v.corners = nearest_corners(v, xres, yres);
    for (double edge : {v.corners.xmin, v.corners.xmax, v.corners.ymin, v.corners.ymax})
        if (!(std::fabs(edge) <= kViewReach)) return "the view must lie within -32 and 32";
    return v;
}

std::optional<DeepView> make_deep_view(int ftype, int method, const std::string& re, const std::string& im,
                                       const std::string& width, int xres, int yres) {
    std::variant<DeepView, std::string> made = deep_view_from_texts(ftype, method, re, im, width, xres, yres);
    if (auto* v = std::get_if<DeepView>(&made)) return std::move(*v);
    return std::nullopt;
}

namespace {

// Whether the pixel step is below `relative` times the centre's size (at least 1).
bool step_below(const DeepView& v, int xres, double relative) {
    const FloatExp step = pixel_step(v, xres);
    Big re(64), im(64);
    set_text(re, v.re), set_text(im, v.im);
    const double centre = std::max({std::fabs(mpfr_get_d(re, MPFR_RNDN)), std::fabs(mpfr_get_d(im, MPFR_RNDN)), 1.0});
    return step < FloatExp(centre * relative);
}

}  // namespace

// 2^-44: a pixel step of 256 units in the last place of a centre in [1, 2) or less, where the
// double orbit's rounding starts to show.
bool beyond_double(const DeepView& v, int xres) { return step_below(v, xres, 0x1p-44); }

bool unresolvable_in_doubles(const DeepView& v, int xres) { return step_below(v, xres, 0x1p-50); }

bool uses_deep_path(const Settings& s) {
    const DeepView* v = active_deep_view(s);
    return v && has_deep_path(s) && beyond_double(*v, s.xres);
}

DeepView zoomed_view(const DeepView& v, int xres, int yres, double x0, double y0, double x1, double y1) {
    const long bits = precision_bits(v.width, xres) + 64;
    Big re(bits), im(bits), step(bits), t(bits);
    set_text(re, v.re), set_text(im, v.im), set_text(step, v.width);
    mpfr_div_si(step, step, std::max(1, xres - 1), MPFR_RNDN);
    // Offsets of the box's centre from the image's centre, in pixels (rows grow downwards).
    const double dx = (x0 + x1) * 0.5 - (xres - 1) * 0.5, dy = (yres - 1) * 0.5 - (y0 + y1) * 0.5;
    mpfr_mul_d(t, step, dx, MPFR_RNDN), mpfr_add(re, re, t, MPFR_RNDN);
    mpfr_mul_d(t, step, dy, MPFR_RNDN), mpfr_add(im, im, t, MPFR_RNDN);
    mpfr_mul_d(t, step, std::fabs(x1 - x0), MPFR_RNDN);
    const long new_bits = bits + 64;
    DeepView out = v;
    out.re = decimal_text(re, new_bits);
    out.im = decimal_text(im, new_bits);
    out.width = decimal_text(t, 64);
    out.corners = nearest_corners(out, xres, yres);
    return out;
}

DeepView resized_view(const DeepView& v, int xres, int new_xres, int new_yres) {
    const long bits = precision_bits(v.width, xres) + 64;
    Big w(bits);
    set_text(w, v.width);
    mpfr_mul_si(w, w, std::max(1, new_xres - 1), MPFR_RNDN);
    mpfr_div_si(w, w, std::max(1, xres - 1), MPFR_RNDN);
    DeepView out = v;
    out.width = decimal_text(w, 64);
    out.corners = nearest_corners(out, new_xres, new_yres);
    return out;
}

DeepView deep_view_of(int ftype, int method, const View& view, int xres, int yres) {
    Big re(256), im(256), w(256);
    mpfr_set_d(re, view.xmin, MPFR_RNDN), mpfr_add_d(re, re, view.xmax, MPFR_RNDN), mpfr_div_2ui(re, re, 1, MPFR_RNDN);
    mpfr_set_d(im, view.ymin, MPFR_RNDN), mpfr_add_d(im, im, view.ymax, MPFR_RNDN), mpfr_div_2ui(im, im, 1, MPFR_RNDN);
    mpfr_set_d(w, view.xmax, MPFR_RNDN), mpfr_sub_d(w, w, view.xmin, MPFR_RNDN);
    DeepView out{ftype, method, {}, decimal_text(re, 200), decimal_text(im, 200), decimal_text(w, 200)};
    out.corners = nearest_corners(out, xres, yres);
    return out;
}

namespace {

// m 2^e in scientific notation with two decimals, whatever the size of e: "1.50e+305".
std::string scientific_text(double m, long e, bool sign) {
    if (m == 0) return sign ? "+0" : "0";
    const double lg = std::log10(std::fabs(m)) + double(e) * std::log10(2.0);
    const long de = long(std::floor(lg));
    char text[64];
    std::snprintf(text, sizeof text, sign ? "%+.2fe%+ld" : "%.2fe%+ld", std::copysign(std::pow(10.0, lg - double(de)), m), de);
    return text;
}

// A decimal text cut to its first `digits` characters after any sign, marked as cut.
std::string leading_digits(const std::string& text, std::size_t digits) {
    const std::size_t keep = digits + (!text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0);
    return text.size() <= keep ? text : text.substr(0, keep) + "\u2026";
}

}  // namespace

std::pair<std::string, std::string> pointer_texts(const DeepView& v, int xres, int yres, int column, int row) {
    const FloatExp step = pixel_step(v, xres);
    const FloatExp dx = step * FloatExp(column - (xres - 1) * 0.5);
    const FloatExp dy = step * FloatExp((yres - 1) * 0.5 - row);
    constexpr std::size_t kShownDigits = 20;
    return {leading_digits(v.re, kShownDigits) + " " + scientific_text(dx.m, long(dx.e), true),
            leading_digits(v.im, kShownDigits) + " " + scientific_text(dy.m, long(dy.e), true)};
}

std::string magnification_text(const DeepView& v, double default_width) {
    Big w(64);
    set_text(w, v.width);
    mpfr_d_div(w, default_width, w, MPFR_RNDN);
    long e = 0;
    const double m = mpfr_get_d_2exp(&e, w, MPFR_RNDN);
    return scientific_text(m, e, false);
}

}  // namespace zoquel::deep
