#include "rules/newton_options.h"

#include "rules/parameter_rules.h"

namespace zoquel {

namespace {

constexpr int kExponentRange = 22;  // "exponent range: 2.0 - 8.0"
constexpr int kMxRange = 19;
constexpr int kMyRange = 20;

bool within(double v, double lo, double hi) { return v >= lo && v <= hi; }

}  // namespace

NewtonOptionsForm newton_options_from(const Settings& s) {
    const Param& p = s.pc[1];
    return NewtonOptionsForm{s.basin, s.cellsize, p.p0, p.p1, p.p2};
}

int commit_newton_options(Settings& s, const NewtonOptionsForm& form) {
    if (!within(form.exponent, 2, 8)) return kExponentRange;
    if (!within(form.mx, 0.02, 1.99)) return kMxRange;
    if (!within(form.my, -0.99, 0.99)) return kMyRange;
    s.basin = form.basin != 0 ? 1 : 0;
    // NaN goes to the small end, as every value below the range does.
    s.cellsize = form.cellsize > 0.1 ? 0.1 : form.cellsize >= 1e-12 ? form.cellsize : 1e-12;
    Param& p = s.pc[1];
    p.p0 = form.exponent;
    p.p1 = form.mx;
    p.p2 = form.my;
    return -1;
}

bool commit_nv_formula(Settings& s, int nvindex, bool basin) {
    const bool changed = nvindex >= 0 && nvindex <= 23 && nvindex != s.nvindex;
    if (changed) s.nvindex = nvindex;
    s.basin = basin ? 1 : 0;
    return changed;
}

}  // namespace zoquel
