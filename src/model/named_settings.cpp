#include "model/named_settings.h"

#include <cfloat>

#include "model/number_text.h"

namespace zoquel {

namespace {

using B = NamedSetting::Bounds;
constexpr double kFinite = DBL_MAX;

// clang-format off
const NamedSetting kNamed[] = {
    {"maxiter", &Settings::maxiter, 1, 16384, B::closed, "iteration range: 1 - 16384", true},
    {"inside", &Settings::inside, 0, 4, B::closed, "range: 0 - 4", true},
    {"outside", &Settings::outside, 0, 4, B::closed, "range: 0 - 4", true},
    {"rin", &Settings::rin, 0, 255, B::closed, "color range: 0 - 255", true},
    {"gin", &Settings::gin, 0, 255, B::closed, "color range: 0 - 255", true},
    {"bin", &Settings::bin, 0, 255, B::closed, "color range: 0 - 255", true},
    {"rout", &Settings::rout, 0, 255, B::closed, "color range: 0 - 255", true},
    {"gout", &Settings::gout, 0, 255, B::closed, "color range: 0 - 255", true},
    {"bout", &Settings::bout, 0, 255, B::closed, "color range: 0 - 255", true},
    {"palint", &Settings::palint, 1, 1024, B::closed, "range: 1 - 1024", true},
    {"basin", &Settings::basin, 0, 1, B::closed, "range: 0 - 1", true},
    {"collatzcrit", &Settings::collatzcrit, 0, 1, B::closed, "range: 0 - 1", true},
    {"cellsize", &Settings::cellsize, 1e-12, 0.1, B::closed, "cellsize range: 1.0E-12 - 0.1", true},
    {"cindex", &Settings::cindex, 1, 2, B::closed, "range: 1 - 2", true},
    {"cnrootcount", &Settings::cnrootcount, 0, 100, B::closed, "range: 0 - 100", false},
    {"nvindex", &Settings::nvindex, 0, 23, B::closed, "range: 0 - 23", true},
    {"nvrootcount", &Settings::nvrootcount, 0, 100, B::closed, "range: 0 - 100", false},
    {"anum", &Settings::anum, 1, 99, B::closed, "numerator range: 1 - 99", false},
    {"jindex", &Settings::jindex, 0, 18, B::closed, "range: 0 - 18", false},
    {"jperiod", &Settings::jperiod, 1, 1024, B::closed, "range: 1 - 1024", false},
    {"maxhits", &Settings::maxhits, 1, 256, B::closed, "range: 1 - 256", false},
    {"maxdepth", &Settings::maxdepth, 8, 8192, B::closed, "range: 8 - 8192", false},
    {"cxsave", &Settings::cxsave, -kFinite, kFinite, B::closed, "must be a finite number", false},
    {"cysave", &Settings::cysave, -kFinite, kFinite, B::closed, "must be a finite number", false},
    {"half", &Settings::half, -10, 10, B::closed, "range: -10.0 - 10.0 (h / 2)", true},
    {"pgmindex", &Settings::pgmindex, 0, 7, B::closed, "range: 0 - 7", true},
    {"scale", &Settings::scale, 1, 100, B::closed, "scale range: 1 - 100", true},
    {"rback", &Settings::rback, 0, 255, B::closed, "color range: 0 - 255", true},
    {"gback", &Settings::gback, 0, 255, B::closed, "color range: 0 - 255", true},
    {"bback", &Settings::bback, 0, 255, B::closed, "color range: 0 - 255", true},
    {"algorithm", &Settings::algorithm, 0, 1, B::closed, "range: 0 - 1", true},
    {"A", &Settings::A, -kFinite, kFinite, B::closed, "must be a finite number", false},
    {"B", &Settings::B, -kFinite, kFinite, B::closed, "must be a finite number", false},
    {"CC", &Settings::CC, 0.5, 1.5, B::closed, "range: 0.5 - 1.5", true},
    {"DD", &Settings::DD, 0.5, 1.5, B::closed, "range: 0.5 - 1.5", true},
    {"k", &Settings::k, 0.1, 5.0, B::closed, "range: 0.1 - 5.0", true},
    {"x01user", &Settings::x01user, 0, 1, B::open, "range: 0.0 < x(0) < 1.0", true},
    {"x02user", &Settings::x02user, 0, 1, B::open, "range: 0.0 < x(0) < 1.0", true},
    {"y02user", &Settings::y02user, 0, 1, B::open, "range: 0.0 < y(0) < 1.0", true},
    {"bindex", &Settings::bindex, 0, 10, B::closed, "range: 0 - 10", true},
    // Not in the parameter file: the Volterra-Lotka colouring schemes, the chaos game's mode.
    {"smode", &Settings::smode, 0, 5, B::closed, "range: 0 - 5", true},
    {"scmode", &Settings::scmode, 0, 1, B::closed, "range: 0 - 1", true},
    {"vlcoloring", &Settings::vlcoloring, 0, 2, B::closed, "range: 0 - 2", true},
    {"vlradius", &Settings::vlradius, 0.01, 0.5, B::closed, "range: 0.01 - 0.5", true},
};
// clang-format on

// The Lyapunov sequence as its dialog takes it: letters a and b only, the first 16 kept.
std::string apply_sequence(Settings& s, const std::string& text) {
    if (!valid_lyapunov_letters(text)) return "sequence must contain only A, B, a or b";
    s.ustring = text.substr(0, kLyapunovMaxLetters);
    s.length = int(s.ustring.size());
    return {};
}

}  // namespace

double NamedSetting::value(const Settings& s) const {
    if (const auto* m = std::get_if<int Settings::*>(&member)) return s.**m;
    return s.*std::get<double Settings::*>(member);
}

bool NamedSetting::accepts(double v) const {
    if (bounds == Bounds::open) return v > lo && v < hi;
    return v >= lo && v <= hi;  // false for NaN
}

void NamedSetting::store(Settings& s, double v) const {
    if (const auto* m = std::get_if<int Settings::*>(&member))
        s.**m = int(v);
    else
        s.*std::get<double Settings::*>(member) = v;
}

std::span<const NamedSetting> named_settings() { return kNamed; }

const NamedSetting* find_named_setting(std::span<const NamedSetting> table, std::string_view name) {
    for (const NamedSetting& n : table)
        if (name == n.name) return &n;
    return nullptr;
}

std::string apply_named_setting(Settings& s, std::string_view name, const std::string& text,
                                std::span<const NamedSetting> table) {
    if (name == "ustring") {
        const std::string refusal = apply_sequence(s, text);
        return refusal.empty() ? refusal : "ustring: " + refusal;
    }
    const NamedSetting* n = find_named_setting(table, name);
    if (!n || !n->settable) return "unknown setting '" + std::string(name) + "' (known: " + settable_setting_names(table) + ")";
    return store_named_text(s, *n, text);
}

std::string store_named_text(Settings& s, const NamedSetting& n, const std::string& text) {
    const std::string prefix = std::string(n.name) + ": ";
    double v = 0;
    int whole = 0;
    if (n.whole() ? !parse_int(text, whole) : !parse_real(text, v)) return prefix + not_a_number_refusal(text, n.whole());
    if (n.whole()) v = whole;
    if (!n.accepts(v)) return prefix + n.refusal;
    n.store(s, v);
    return {};
}

std::string settable_setting_names(std::span<const NamedSetting> table) {
    std::string list = "ustring";
    for (const NamedSetting& n : table)
        if (n.settable) list += std::string(" ") + n.name;
    return list;
}

}  // namespace zoquel
