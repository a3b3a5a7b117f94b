#include "files/parameter_checks.h"

#include <cmath>

namespace zoquel {

namespace {

bool within(double v, double lo, double hi) { return v >= lo && v <= hi; }  // false for NaN

bool method_ok(const Settings& s) {
    if (s.method != 0 && s.method != 1) return false;
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

bool pgm_start_ok(const Settings& s) {
    if (s.pgmindex < 0 || s.pgmindex > 7) return true;  // refused as pgmindex
    const auto i = std::size_t(s.pgmindex);
    return within(s.pgmx0[i], -10.0, 10.0) && within(s.pgmy0[i], -10.0, 10.0);
}

bool sequence_ok(const Settings& s) {
    return s.length >= 1 && std::size_t(s.length) <= kLyapunovMaxLetters && std::size_t(s.length) == s.ustring.size() &&
           valid_lyapunov_letters(s.ustring);
}

struct Rule {
    const char* field;
    bool (*holds)(const Settings&);
    const char* refusal;
};

// What the table's ranges cannot say. The type comes first: later checks may rely on it.
const Rule kBefore[] = {
    {"ftype", [](const Settings& s) { return valid_type(s.ftype); }, "no such fractal type"},
    {"method", method_ok, "not a method of this fractal type"},
    {"xyminmax", view_ok, "the view must be finite"},
    {"maxsize", maxsize_ok, "maxsize range: 2.0 - 1.0E30 (Newton's minsize: 0.000001 - 0.001)"},
    {"jcx..p2", other_params_finite, "parameters must be finite"},
};
const Rule kAfter[] = {
    {"aden", [](const Settings& s) { return s.aden > s.anum && s.aden <= 100; },
     "denominator range: ( numerator + 1 ) - 100"},
    {"pgmx0/pgmy0", pgm_start_ok, "start point range: -10.0 - 10.0"},
    {"length", [](const Settings& s) { return s.length >= 1 && s.length <= int(kLyapunovMaxLetters); },
     "sequence length range: 1 - 16"},
    {"ustring", sequence_ok, "sequence must contain only A, B, a or b"},
};

}  // namespace

const char* first_failed_parameter_check(const Settings& s, std::span<const NamedSetting> table) {
    if (active_deep_view(s)) {
        // A deep view stands for the view's doubles, which may lie closer together than any
        // typed view, and takes longer limits; all else is checked as for any view.
        if (s.maxiter < 1 || s.maxiter > kDeepMaxIterations) return "maxiter";
        Settings rest = s;
        rest.deep.reset();
        rest.view() = startup_view(s.ftype, s.method);
        rest.maxiter = std::min(s.maxiter, kDialogMaxIterations);
        return first_failed_parameter_check(rest, table);
    }
    for (const Rule& r : kBefore)
        if (!r.holds(s)) return r.field;
    for (const NamedSetting& n : table)
        if (!n.holds(s)) return n.name;
    for (const Rule& r : kAfter)
        if (!r.holds(s)) return r.field;
    return nullptr;
}

const char* parameter_check_refusal(std::string_view field, std::span<const NamedSetting> table) {
    for (const auto& rules : {std::span<const Rule>(kBefore), std::span<const Rule>(kAfter)})
        for (const Rule& r : rules)
            if (field == r.field) return r.refusal;
    if (const NamedSetting* n = find_named_setting(table, field)) return n->refusal;
    return "";
}

}  // namespace zoquel
