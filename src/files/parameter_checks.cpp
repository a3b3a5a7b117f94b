#include "files/parameter_checks.h"

#include <cmath>

namespace zoquel {

namespace {

bool in(int v, int lo, int hi) { return v >= lo && v <= hi; }
bool within(double v, double lo, double hi) { return v >= lo && v <= hi; }  // false for NaN
bool colour(int v) { return in(v, 0, 255); }

bool method_ok(const Settings& s) {
    if (!in(s.method, 0, 1)) return false;
    const int forced = forced_method(s.ftype);
    return forced < 0 || forced == s.method;
}

bool view_ok(const Settings& s) {
    const View& v = s.view();
    return std::isfinite(v.xmin) && std::isfinite(v.xmax) && std::isfinite(v.ymin) && std::isfinite(v.ymax);
}

// The escape radius feeds ln(ln(radius)) in smoothing: keep it where the parameter dialog does.
bool maxsize_ok(const Settings& s) {
    const double r = s.params().maxsize;
    if (s.ftype == 1) return within(r, 0.000001, 0.001);  // Newton's capture radius
    if (r >= 2.0 && r < 1.0e30) return true;
    // Newton Error starts at a radius of its own that the dialog keeps when unchanged.
    return s.ftype == 30 && r == startup_params(30).maxsize;
}

bool other_params_finite(const Settings& s) {
    const Param& p = s.params();
    for (int column = 1; column < 6; ++column)
        if (!std::isfinite(p[column])) return false;
    return true;
}

bool pgm_index_ok(const Settings& s) { return in(s.pgmindex, 0, 7); }
bool pgm_start_ok(const Settings& s) {
    const auto i = std::size_t(s.pgmindex);
    return within(s.pgmx0[i], -10.0, 10.0) && within(s.pgmy0[i], -10.0, 10.0);
}

bool sequence_ok(const Settings& s) {
    if (std::size_t(s.length) != s.ustring.size()) return false;
    for (char c : s.ustring)
        if (c != 'a' && c != 'b' && c != 'A' && c != 'B') return false;
    return true;
}

// Start values of the logistic iterations: strictly inside (0, 1), as their dialog keeps them.
bool unit_open(double v) { return v > 0.0 && v < 1.0; }

const ParameterCheck kChecks[] = {
    {"ftype", [](const Settings& s) { return valid_type(s.ftype); }},
    {"method", method_ok},
    {"maxiter", [](const Settings& s) { return in(s.maxiter, 1, 16384); }},
    {"xyminmax", view_ok},
    {"maxsize", maxsize_ok},
    {"jcx..p2", other_params_finite},
    {"inside", [](const Settings& s) { return in(s.inside, 0, 4); }},
    {"outside", [](const Settings& s) { return in(s.outside, 0, 4); }},
    {"rin", [](const Settings& s) { return colour(s.rin); }},
    {"gin", [](const Settings& s) { return colour(s.gin); }},
    {"bin", [](const Settings& s) { return colour(s.bin); }},
    {"rout", [](const Settings& s) { return colour(s.rout); }},
    {"gout", [](const Settings& s) { return colour(s.gout); }},
    {"bout", [](const Settings& s) { return colour(s.bout); }},
    {"palint", [](const Settings& s) { return in(s.palint, 1, 1024); }},
    {"basin", [](const Settings& s) { return in(s.basin, 0, 1); }},
    {"collatzcrit", [](const Settings& s) { return in(s.collatzcrit, 0, 1); }},
    {"cellsize", [](const Settings& s) { return within(s.cellsize, 1e-12, 0.1); }},
    {"cindex", [](const Settings& s) { return in(s.cindex, 1, 2); }},
    {"cnrootcount", [](const Settings& s) { return in(s.cnrootcount, 0, 100); }},
    {"nvindex", [](const Settings& s) { return in(s.nvindex, 0, 23); }},
    {"nvrootcount", [](const Settings& s) { return in(s.nvrootcount, 0, 100); }},
    {"anum", [](const Settings& s) { return in(s.anum, 1, 99); }},
    {"aden", [](const Settings& s) { return s.aden > s.anum && s.aden <= 100; }},
    {"jindex", [](const Settings& s) { return in(s.jindex, 0, 18); }},
    {"jperiod", [](const Settings& s) { return in(s.jperiod, 1, 1024); }},
    {"maxhits", [](const Settings& s) { return in(s.maxhits, 1, 256); }},
    {"maxdepth", [](const Settings& s) { return in(s.maxdepth, 8, 8192); }},
    {"cxsave", [](const Settings& s) { return std::isfinite(s.cxsave); }},
    {"cysave", [](const Settings& s) { return std::isfinite(s.cysave); }},
    {"half", [](const Settings& s) { return within(s.half, -10.0, 10.0); }},
    {"pgmindex", pgm_index_ok},
    {"scale", [](const Settings& s) { return in(s.scale, 1, 100); }},
    {"pgmx0/pgmy0", pgm_start_ok},
    {"rback", [](const Settings& s) { return colour(s.rback); }},
    {"gback", [](const Settings& s) { return colour(s.gback); }},
    {"bback", [](const Settings& s) { return colour(s.bback); }},
    {"algorithm", [](const Settings& s) { return in(s.algorithm, 0, 1); }},
    {"length", [](const Settings& s) { return in(s.length, 1, 16); }},
    {"ustring", sequence_ok},
    {"A", [](const Settings& s) { return std::isfinite(s.A); }},
    {"B", [](const Settings& s) { return std::isfinite(s.B); }},
    {"CC", [](const Settings& s) { return within(s.CC, 0.5, 1.5); }},
    {"DD", [](const Settings& s) { return within(s.DD, 0.5, 1.5); }},
    {"k", [](const Settings& s) { return within(s.k, 0.1, 5.0); }},
    {"x01user", [](const Settings& s) { return unit_open(s.x01user); }},
    {"x02user", [](const Settings& s) { return unit_open(s.x02user); }},
    {"y02user", [](const Settings& s) { return unit_open(s.y02user); }},
    {"bindex", [](const Settings& s) { return in(s.bindex, 0, 10); }},
};

}  // namespace

std::span<const ParameterCheck> parameter_checks() { return kChecks; }

const char* first_failed_parameter_check(const Settings& s) {
    for (const ParameterCheck& check : kChecks)
        if (!check.holds(s)) return check.field;
    return nullptr;
}

}  // namespace zoquel
