#include "cli/named_settings.h"

#include <functional>
#include <vector>

#include "cli/options.h"
#include "rules/parameter_rules.h"

namespace zoquel::cli {

namespace {

using Apply = std::function<std::string(Settings&, const std::string&)>;

struct NamedSetting {
    const char* name;
    Apply apply;
};

Apply whole(int Settings::*field, int lo, int hi, std::string range_message) {
    return [=](Settings& s, const std::string& text) -> std::string {
        int v;
        if (!parse_int(text, v)) return "'" + text + "' is not a whole number";
        if (v < lo || v > hi) return range_message;
        s.*field = v;
        return {};
    };
}

Apply real(double Settings::*field, double lo, double hi, std::string range_message) {
    return [=](Settings& s, const std::string& text) -> std::string {
        double v;
        if (!parse_real(text, v)) return "'" + text + "' is not a finite number";
        if (v < lo || v > hi) return range_message;
        s.*field = v;
        return {};
    };
}

// The Lyapunov sequence as its dialog takes it: letters a and b only, the first 16 kept.
std::string apply_sequence(Settings& s, const std::string& text) {
    if (!valid_lyapunov_letters(text)) return paramerror(10);
    s.ustring = text.substr(0, kLyapunovMaxLetters);
    s.length = int(s.ustring.size());
    return {};
}

std::string range(int lo, int hi) { return "range: " + std::to_string(lo) + " - " + std::to_string(hi); }

const std::vector<NamedSetting>& table() {
    static const std::vector<NamedSetting> t = {
        {"rin", whole(&Settings::rin, 0, 255, paramerror(7))},
        {"gin", whole(&Settings::gin, 0, 255, paramerror(7))},
        {"bin", whole(&Settings::bin, 0, 255, paramerror(7))},
        {"rout", whole(&Settings::rout, 0, 255, paramerror(7))},
        {"gout", whole(&Settings::gout, 0, 255, paramerror(7))},
        {"bout", whole(&Settings::bout, 0, 255, paramerror(7))},
        {"palint", whole(&Settings::palint, 1, 1024, range(1, 1024))},
        {"basin", whole(&Settings::basin, 0, 1, range(0, 1))},
        {"cellsize", real(&Settings::cellsize, 1e-12, 0.1, "cellsize range: 1.0E-12 - 0.1")},
        {"collatzcrit", whole(&Settings::collatzcrit, 0, 1, range(0, 1))},
        {"cindex", whole(&Settings::cindex, 1, 2, range(1, 2))},
        {"nvindex", whole(&Settings::nvindex, 0, 23, range(0, 23))},
        {"bindex", whole(&Settings::bindex, 0, 10, range(0, 10))},
        {"algorithm", whole(&Settings::algorithm, 0, 1, range(0, 1))},
        {"ustring", apply_sequence},
        {"k", real(&Settings::k, 0.1, 5.0, "range: 0.1 - 5.0")},
        {"x01user", real(&Settings::x01user, 0.000001, 0.999999, "range: 0.000001 - 0.999999")},
        {"x02user", real(&Settings::x02user, 0.000001, 0.999999, "range: 0.000001 - 0.999999")},
        {"y02user", real(&Settings::y02user, 0.000001, 0.999999, "range: 0.000001 - 0.999999")},
        {"CC", real(&Settings::CC, 0.5, 1.5, "range: 0.5 - 1.5")},
        {"DD", real(&Settings::DD, 0.5, 1.5, "range: 0.5 - 1.5")},
        {"half", real(&Settings::half, -10.0, 10.0, "range: -10.0 - 10.0 (h / 2)")},
        {"vlcoloring", whole(&Settings::vlcoloring, 0, 2, range(0, 2))},
        {"vlradius", real(&Settings::vlradius, 0.01, 0.5, "range: 0.01 - 0.5")},
    };
    return t;
}

}  // namespace

std::string apply_named_setting(Settings& s, const std::string& name, const std::string& value) {
    for (const NamedSetting& entry : table()) {
        if (name != entry.name) continue;
        std::string message = entry.apply(s, value);
        return message.empty() ? message : name + ": " + message;
    }
    return "unknown setting '" + name + "' (known: " + named_setting_list() + ")";
}

std::string named_setting_list() {
    std::string list;
    for (const NamedSetting& entry : table()) list += (list.empty() ? "" : " ") + std::string(entry.name);
    return list;
}

}  // namespace zoquel::cli
