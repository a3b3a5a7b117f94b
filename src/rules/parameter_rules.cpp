#include "rules/parameter_rules.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "deep/deep_view_math.h"
#include "model/julia_cycle.h"
#include "rules/parameter_layout.h"

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

// The petal coefficient lies in [-1.5, -0.99] or [0.95, 1.25].
double petal_coefficient(double c) {
    if (c < -1.5) return -1.5;
    if (c > -0.99 && c < 0) return -0.99;
    if (c >= 0 && c < 0.95) return 0.95;
    if (c > 1.25) return 1.25;
    return c;
}

}  // namespace

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
    // entry: 0-3 the view, 4 xres, 5 yres, 6 maxiter, 7-12 parameter columns 0-5.
    auto fail = [&](int index, int entry) {
        out.error = index;
        out.entry = entry;
        return out;
    };
    out.drestore = form.restore_dimensions;
    out.prestore = form.restore_parameters;

    // A deep view stays while its doubles come back unedited (they may lie closer together
    // than the check allows); typed doubles replace it.
    const bool keep_deep = active_deep_view(s) && form.view == s.view();
    if (!keep_deep) {
        s.deep.reset();
        // View ranges; an axis settled before a refused one stays stored.
        View view = form.view;
        int failed = 2;
        const bool view_ok = settle_view(view, &failed);
        for (int axis = 0; axis < failed; ++axis) {
            s.view()[2 * axis] = view[2 * axis];
            s.view()[2 * axis + 1] = view[2 * axis + 1];
        }
        if (!view_ok) return fail(failed, 2 * failed);
    }

    // Image size and iteration limit
    if (form.xres < kMinImageSide || form.xres > kMaxImageSide) return fail(2, 4);
    if (form.xres != s.xres) out.newdimensions = true;
    s.xres = int(form.xres);
    if (form.yres < kMinImageSide || form.yres > kMaxImageSide) return fail(3, 5);
    if (form.yres != s.yres) out.newdimensions = true;
    s.yres = int(form.yres);
    // A deep view's longer limit passes unchanged; it is set where deep views are edited.
    const bool deep_limit = keep_deep && form.maxiter == s.maxiter;
    if (!deep_limit && (form.maxiter < 1 || form.maxiter > kDialogMaxIterations)) return fail(4, 6);
    s.maxiter = int(form.maxiter);
    if (keep_deep && out.newdimensions) {
        // Same centre and width over the new size: its doubles follow.
        const DeepView& d = *s.deep;
        // A view that would reach past where views go keeps the typed doubles instead.
        s.deep = deep::make_deep_view(d.ftype, d.method, d.re, d.im, d.width, s.xres, s.yres);
        if (s.deep) s.view() = s.deep->corners;
    }

    Param& p = s.params();
    const Param stored = p;
    const ParameterLayout layout = parameter_layout(s);
    for (int c = 0; c < 6; ++c) {
        const ColumnRule& rule = layout.columns[std::size_t(c)];
        if (rule.effect == ColumnRule::Effect::palint) {
            s.palint = rule.read ? int(std::clamp<long>(form.palint, 1, std::max(1, s.jperiod))) : 1;
            continue;
        }
        if (!rule.read) continue;
        double v = form.param[c];
        switch (rule.check) {
            case ColumnRule::Check::refuse: {
                const bool in_range = v >= rule.lo && (rule.hi_open ? v < rule.hi : v <= rule.hi);
                if (!in_range && !(rule.unchanged_ok && v == p[c])) return fail(rule.error, 7 + c);
                break;
            }
            case ColumnRule::Check::clamp: v = clamp(v, rule.lo, rule.hi); break;
            case ColumnRule::Check::petal: v = petal_coefficient(v); break;
            case ColumnRule::Check::none: break;
        }
        if (v > rule.cap) v = rule.cap;
        const bool changed = v != p[c];
        if (rule.whole) v = std::floor(v);
        p[c] = v;
        switch (rule.effect) {
            case ColumnRule::Effect::restart: out.firstloop |= changed; break;
            case ColumnRule::Effect::newa0: out.newa0 |= changed; break;
            case ColumnRule::Effect::maxhits: s.maxhits = int(v); out.firstloop |= changed; break;
            case ColumnRule::Effect::maxdepth: s.maxdepth = int(v); out.firstloop |= changed; break;
            case ColumnRule::Effect::julia_period:
                if (p.jcx != stored.jcx || p.jcy != stored.jcy) {
                    Attractor scratch;
                    s.jperiod = juliaperiod(p.jcx, p.jcy, scratch);
                }
                break;
            default: break;
        }
    }
    if (layout.fixed_volterra_lotka) {
        p.maxsize = 256.0;
        s.maxiter = 256;
        s.half = p.p1 / 2;
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
