#include "files/text_parameter_fields.h"

#include <climits>
#include <cstring>
#include <variant>
#include <vector>

#include "model/number_text.h"

namespace zoquel {

struct SpecialField {
    struct Whole {
        int Settings::*member;
        int lo, hi;
    };
    struct Sequence {};
    using Location = std::variant<Whole, double View::*, double Param::*, std::array<double, 8> Settings::*, Sequence>;

    const char* name;
    const char* after;  // the table entry it follows in a file; nullptr: before the table
    const char* heading;
    TextFieldStage stage;
    Location location;
};

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

using Stage = TextFieldStage;
using Whole = SpecialField::Whole;

constexpr std::string_view kPgmFormula = "pgmindex";

// clang-format off
const SpecialField kSpecial[] = {
    {"ftype", nullptr, "Fractal type, method, image size and view", Stage::selection, Whole{&Settings::ftype, 0, kTypeCount - 1}},
    {"method", nullptr, nullptr, Stage::selection, Whole{&Settings::method, 0, 1}},
    {"xres", nullptr, nullptr, Stage::rest, Whole{&Settings::xres, kMinImageSide, kMaxImageSide}},
    {"yres", nullptr, nullptr, Stage::rest, Whole{&Settings::yres, kMinImageSide, kMaxImageSide}},
    {"xmin", nullptr, nullptr, Stage::rest, &View::xmin},
    {"xmax", nullptr, nullptr, Stage::rest, &View::xmax},
    {"ymin", nullptr, nullptr, Stage::rest, &View::ymin},
    {"ymax", nullptr, nullptr, Stage::rest, &View::ymax},
    {"maxsize", nullptr, "Parameters of this type", Stage::rest, &Param::maxsize},
    {"jcx", nullptr, nullptr, Stage::rest, &Param::jcx},
    {"jcy", nullptr, nullptr, Stage::rest, &Param::jcy},
    {"p0", nullptr, nullptr, Stage::rest, &Param::p0},
    {"p1", nullptr, nullptr, Stage::rest, &Param::p1},
    {"p2", nullptr, nullptr, Stage::rest, &Param::p2},
    // Its range depends on anum: the checks after the whole file has been read see to it.
    {"aden", "anum", nullptr, Stage::rest, Whole{&Settings::aden, INT_MIN, INT_MAX}},
    {"pgmx0", kPgmFormula.data(), nullptr, Stage::rest, &Settings::pgmx0},
    {"pgmy0", kPgmFormula.data(), nullptr, Stage::rest, &Settings::pgmy0},
    {"ustring", "algorithm", nullptr, Stage::rest, SpecialField::Sequence{}},
};
// clang-format on

bool selection_ok(const Settings& s) { return valid_type(s.ftype) && (s.method == 0 || s.method == 1); }
bool pgm_formula_ok(const Settings& s) { return s.pgmindex >= 0 && std::size_t(s.pgmindex) < s.pgmx0.size(); }

bool follows(const SpecialField& f, const char* after) {
    return f.after == after || (f.after && after && std::strcmp(f.after, after) == 0);
}

std::vector<TextField> make_fields() {
    std::vector<TextField> fields;
    auto add_followers = [&](const char* after) {
        for (const SpecialField& f : kSpecial)
            if (follows(f, after)) fields.push_back({f.name, f.stage, f.heading, nullptr, &f});
    };
    add_followers(nullptr);
    const char* heading = "Iteration limit, colouring and the options of the types";
    for (const NamedSetting& n : named_settings()) {
        fields.push_back({n.name, n.name == kPgmFormula ? Stage::pgm_formula : Stage::rest, heading, &n, nullptr});
        heading = nullptr;
        add_followers(n.name);
    }
    return fields;
}

}  // namespace

bool TextField::available(const Settings& s) const {
    if (!special) return true;
    return std::visit(Overloaded{[&](double View::*) { return selection_ok(s); },
                                 [&](double Param::*) { return selection_ok(s); },
                                 [&](std::array<double, 8> Settings::*) { return pgm_formula_ok(s); },
                                 [](const auto&) { return true; }},
                      special->location);
}

std::string TextField::text(const Settings& s) const {
    if (named) return named->whole() ? std::to_string(int(named->value(s))) : real_text(named->value(s));
    return std::visit(Overloaded{[&](const Whole& w) {
                                     std::string t = std::to_string(s.*w.member);
                                     if (w.member == &Settings::ftype && valid_type(s.ftype))
                                         t += std::string("  # ") + type_info(s.ftype).name;
                                     return t;
                                 },
                                 [&](double View::*m) { return real_text(s.view().*m); },
                                 [&](double Param::*m) { return real_text(s.params().*m); },
                                 [&](std::array<double, 8> Settings::*m) {
                                     return real_text((s.*m)[std::size_t(s.pgmindex)]);
                                 },
                                 [&](SpecialField::Sequence) { return s.ustring; }},
                      special->location);
}

std::string TextField::store(Settings& s, const std::string& value) const {
    if (named) return store_named_text(s, *named, value);
    const std::string prefix = std::string(name) + ": ";
    if (!available(s)) return prefix + "no record to hold it: the type, method or PGM formula is out of range";
    auto store_real = [&](double& target) -> std::string {
        double v = 0;
        if (!parse_real(value, v)) return prefix + not_a_number_refusal(value, false);
        target = v;
        return {};
    };
    return std::visit(
        Overloaded{[&](const Whole& w) -> std::string {
                       int v = 0;
                       if (!parse_int(value, v)) return prefix + not_a_number_refusal(value, true);
                       if (v < w.lo || v > w.hi)
                           return prefix + "range: " + std::to_string(w.lo) + " - " + std::to_string(w.hi);
                       s.*w.member = v;
                       return {};
                   },
                   [&](double View::*m) { return store_real(s.view().*m); },
                   [&](double Param::*m) { return store_real(s.params().*m); },
                   [&](std::array<double, 8> Settings::*m) { return store_real((s.*m)[std::size_t(s.pgmindex)]); },
                   [&](SpecialField::Sequence) -> std::string {
                       // The options dialog cuts a longer sequence; a file that holds one was not
                       // written by us and is refused rather than changed.
                       if (value.size() > kLyapunovMaxLetters)
                           return prefix + "at most " + std::to_string(kLyapunovMaxLetters) + " letters";
                       return apply_named_setting(s, "ustring", value);
                   }},
        special->location);
}

std::span<const TextField> text_fields() {
    static const std::vector<TextField> fields = make_fields();
    return fields;
}

const TextField* find_text_field(std::string_view name) {
    for (const TextField& f : text_fields())
        if (f.name == name) return &f;
    return nullptr;
}

}  // namespace zoquel
