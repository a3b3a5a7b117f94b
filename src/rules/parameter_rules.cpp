#include "rules/parameter_rules.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/julia_cycle.h"

namespace zoquel {

namespace {

const char* const kParamError[kParamErrorCount] = {
    "xmax must be greater than xmin\nby at least 0.000000000000001",
    "ymax must be greater than ymin\nby at least 0.000000000000001",
    "xres range: 32 - 9600",
    "yres range: 32 - 9600",
    "iteration range: 1 - 16384",
    "maxsize range: 2.0 - 1.0E30",
    "exponent range: 1.0 - 17.0",
    "color range: 0 - 255",
    "binary decomposition for\n   Mandelbrot, Julia and Newton only",
    "exponent range: 1.0 - 16.0",
    "sequence must contain only A, B, a or b",
    "scale range: 1 - 100",
    "parameter range: -10.0 - 10.0",
    "axis rotation: 0 - 360 degrees",
    "threshold range: 0.0001 - 0.9999",
    "overflow range: 100.0 - 1.0E32",
    "numerator range: 1 - 99",
    "denominator range: ( numerator + 1 ) - 100",
    "exponent range: 4.0 - 50.0",
    "mx range: 0.02 - 1.99",
    "my range: -0.99 - 0.99",
    "minsize range: 0.000001 - 0.001",
    "exponent range: 2.0 - 8.0",
};

double clamp(double v, double lo, double hi) { return v < lo ? lo : v > hi ? hi : v; }
bool within(double v, double lo, double hi) { return v >= lo && v <= hi; }

// Both bounds are open at the top: the largest double below 1e30 (1e32) is the limit.
bool maxsize_ok(double v) { return v >= 2.0 && v < 1.0e30; }
bool overflow_ok(double v) { return v >= 100.0 && v < 1.0e32; }

bool reads_constant(int ftype, int method) {
    if (method != 1) return false;
    switch (ftype) {
        case 24: case 27: case 28: case 29: case 30: case 31: case 33: case 34: return false;
        default: return true;
    }
}

}  // namespace

bool parameter_column_editable(const Settings& s, int column) {
    const int t = s.ftype, m = s.method;
    auto any = [t](std::initializer_list<int> types) {
        return std::find(types.begin(), types.end(), t) != types.end();
    };
    switch (column) {
        case 0: return true;
        case 1:
        case 2: return reads_constant(t, m);
        case 3: return any({0, 1, 16, 18, 20, 21, 33, 35, 37}) || (t == 38 && m == 1);
        case 4:
            return (t == 0 && m == 1) || any({1, 3, 7, 8, 9, 13, 16, 27, 32, 33, 37, 38}) || (t == 23 && m == 0) ||
                   (t == 31 && m == 1);
        case 5:
            return (t == 0 && m == 1 && s.inside == 4) || (t == 31 && m == 1) ||
                   any({1, 3, 7, 8, 9, 13, 27, 32, 33, 38}) || (t == 23 && m == 0);
        default: return false;
    }
}

const char* paramerror(int index) {
    return index >= 0 && index < kParamErrorCount ? kParamError[index] : "";
}

ParameterForm parameter_form_from(const Settings& s) {
    ParameterForm f;
    f.view = s.view();
    f.xres = s.xres;
    f.yres = s.yres;
    f.maxiter = s.maxiter;
    f.param = s.params();
    f.palint = s.palint;
    return f;
}

ParameterOutcome apply_parameter_form(Settings& s, const ParameterForm& typed) {
    // A value that is not a number reads as 0, as unreadable text does; a NaN would slip
    // through every clamp below.
    ParameterForm form = typed;
    for (int i = 0; i < 4; ++i)
        if (std::isnan(form.view[i])) form.view[i] = 0;
    for (int c = 0; c < 6; ++c)
        if (std::isnan(form.param[c])) form.param[c] = 0;

    ParameterOutcome out;
    const int t = s.ftype, m = s.method;
    // entry: 0-3 the view, 4 xres, 5 yres, 6 maxiter, 7-12 parameter columns 0-5.
    auto fail = [&](int index, int entry) {
        out.error = index;
        out.entry = entry;
        return out;
    };
    out.drestore = form.restore_dimensions;
    out.prestore = form.restore_parameters;

    // View ranges
    for (int axis = 0; axis < 2; ++axis) {
        double lo = form.view[2 * axis], hi = form.view[2 * axis + 1];
        if (lo > hi) std::swap(lo, hi);
        lo = std::max(lo, -32.0);
        hi = std::min(hi, 32.0);
        if (!(hi - lo >= 1e-15)) return fail(axis, 2 * axis);
        s.view()[2 * axis] = lo;
        s.view()[2 * axis + 1] = hi;
    }

    // Image size and iteration limit
    if (form.xres < 32 || form.xres > 9600) return fail(2, 4);
    if (form.xres != s.xres) out.newdimensions = true;
    s.xres = int(form.xres);
    if (form.yres < 32 || form.yres > 9600) return fail(3, 5);
    if (form.yres != s.yres) out.newdimensions = true;
    s.yres = int(form.yres);
    if (form.maxiter < 1 || form.maxiter > 16384) return fail(4, 6);
    s.maxiter = int(form.maxiter);

    Param& p = s.pc[std::size_t(t)];
    const Param& in = form.param;

    // Escape radius (or Newton's capture radius)
    if (t == 1) {
        if (!within(in.maxsize, 0.000001, 0.001)) return fail(21, 7);
    } else if (!maxsize_ok(in.maxsize) && !(t == 30 && in.maxsize == p.maxsize)) {
        // Newton Error's own default radius is 0; keeping it unchanged is no error.
        return fail(5, 7);
    }
    p.maxsize = in.maxsize;
    if (t == 9 && p.maxsize > 500) p.maxsize = 500;
    if (t == 22 && p.maxsize > 72) p.maxsize = 72;

    // Dynamic-plane constant
    const double oldcx = p.jcx, oldcy = p.jcy;
    if (reads_constant(t, m)) {
        double limit = t == 37 ? 0.5 : 20.0;
        p.jcx = clamp(in.jcx, -limit, limit);
        p.jcy = clamp(in.jcy, -limit, limit);
    }
    if (t == 0 && m == 1 && s.inside == 4 && (p.jcx != oldcx || p.jcy != oldcy)) {
        Attractor scratch;
        s.jperiod = juliaperiod(p.jcx, p.jcy, scratch);
    }

    // Column 3
    switch (t) {
        case 0: case 1: case 18: case 20: case 21: case 35: case 37: {
            double v = in.p0;
            if (t == 1 && !within(v, 2, 8)) return fail(22, 10);
            if (t == 37 && !within(v, 4, 50)) return fail(18, 10);
            if (t != 1 && t != 37 && !within(v, 1, 17)) return fail(6, 10);
            p.p0 = v;
            break;
        }
        case 16:
            p.p0 = clamp(in.p0, -1, 1);
            break;
        case 33:
            if (!within(in.p0, 0, 360)) return fail(13, 10);
            if (in.p0 != p.p0) out.firstloop = true;
            p.p0 = in.p0;
            break;
        case 38:
            if (m == 1) p.p0 = clamp(in.p0, 1e-12, 1);
            break;
        default:
            break;
    }

    // Columns 4 and 5
    switch (t) {
        case 0:
            if (m == 1) {
                p.p1 = clamp(in.p1, 1e-12, 1);
                if (s.inside == 4)
                    s.palint = int(std::clamp<long>(form.palint, 1, std::max(1, s.jperiod)));
                else
                    s.palint = 1;
            }
            break;
        case 7: case 8: case 9:
            p.p1 = clamp(in.p1, -4, 4);
            p.p2 = clamp(in.p2, -4, 4);
            break;
        case 1: case 27:
            p.p1 = clamp(in.p1, 0.02, 1.99);
            p.p2 = clamp(in.p2, -0.99, 0.99);
            break;
        case 3:
            p.p1 = clamp(in.p1, 0, 1);
            p.p2 = clamp(in.p2, 0, 1);
            p.maxsize = 256.0;
            s.maxiter = 256;
            s.half = p.p1 / 2;
            break;
        case 23:
            if (m == 0) {
                double a = clamp(in.p1, -30, 30), b = clamp(in.p2, -30, 30);
                if (a != p.p1 || b != p.p2) out.newa0 = true;
                p.p1 = a;
                p.p2 = b;
            }
            break;
        case 13:
            if (!within(in.p1, 1, 16)) return fail(9, 11);
            p.p1 = in.p1;
            if (!within(in.p2, 1, 16)) return fail(9, 12);
            p.p2 = in.p2;
            break;
        case 16: {
            double d = clamp(in.p1, 2, 8);
            if (d != p.p1) out.firstloop = true;
            p.p1 = d;
            break;
        }
        case 31:
            if (m == 1) {
                double r = clamp(in.p1, 1.1, 2.75), sc = clamp(in.p2, 1, 10);
                if (r != p.p1 || sc != p.p2) out.firstloop = true;
                p.p1 = r;
                p.p2 = sc;
            }
            break;
        case 32: {
            double hits = clamp(in.p1, 1, 256);
            if (hits != p.p1) out.firstloop = true;
            p.p1 = std::floor(hits);
            s.maxhits = int(p.p1);
            double depth = clamp(in.p2, 8, 8192);
            if (depth != p.p2) out.firstloop = true;
            p.p2 = std::floor(depth);
            s.maxdepth = int(p.p2);
            break;
        }
        case 33:
            if (!within(in.p1, 0, 360)) return fail(13, 11);
            if (in.p1 != p.p1) out.firstloop = true;
            p.p1 = in.p1;
            if (!within(in.p2, 0, 360)) return fail(13, 12);
            if (in.p2 != p.p2) out.firstloop = true;
            p.p2 = in.p2;
            break;
        case 38:
            if (!within(in.p1, 0.0001, 0.9999)) return fail(14, 11);
            p.p1 = in.p1;
            if (!overflow_ok(in.p2)) return fail(15, 12);
            p.p2 = in.p2;
            break;
        case 37: {
            double c = in.p1;
            if (c < -1.5) c = -1.5;
            else if (c > -0.99 && c < 0) c = -0.99;
            else if (c >= 0 && c < 0.95) c = 0.95;
            else if (c > 1.25) c = 1.25;
            p.p1 = c;
            break;
        }
        default:
            break;
    }
    return out;
}

ParameterOutcome commit_parameter_form(Settings& s, const ParameterForm& form) {
    Settings edited = s;
    ParameterOutcome out = apply_parameter_form(edited, form);
    if (out.ok()) s = std::move(edited);
    return out;
}

}  // namespace zoquel
