#include "rules/volterra_lotka_form.h"

#include <cmath>

namespace zoquel {

namespace {

// Also brings NaN to the lower bound, so nothing unusable reaches the generator.
double clamp(double v, double lo, double hi) { return !(v >= lo) ? lo : v > hi ? hi : v; }
long clamp(long v, long lo, long hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

VolterraLotkaForm volterra_lotka_form_from(const Settings& s) {
    const Param& p = s.pc[3];
    return VolterraLotkaForm{p.p1, p.p2, s.maxiter, p.maxsize, s.vlradius, s.vlcoloring};
}

void commit_volterra_lotka_form(Settings& s, const VolterraLotkaForm& form) {
    Param& p = s.pc[3];
    p.p1 = clamp(form.h, -20.0, 20.0);
    s.half = p.p1 / 2;
    p.p2 = clamp(form.p, -20.0, 20.0);
    s.maxiter = int(clamp(form.maxiter, 16L, 1024L));
    p.maxsize = clamp(form.maxsize, 16.0, 256.0);
    s.vlradius = clamp(form.vlradius, 0.01, 0.5);
    if (form.vlcoloring >= 0 && form.vlcoloring <= 2) s.vlcoloring = form.vlcoloring;
}

}  // namespace zoquel
