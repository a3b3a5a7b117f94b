#include "rules/lyapunov_form.h"


namespace zoquel {

namespace {

constexpr int kSequenceError = 10;  // "sequence must contain only A, B, a or b"
constexpr std::size_t kSequenceRead = 259;

double clamp(double v, double lo, double hi) { return !(v >= lo) ? lo : v > hi ? hi : v; }

// Values at or beyond either end are moved just inside; NaN goes to the lower end.
double inside_unit(double v) {
    if (!(v > 0)) return 0.000001;
    if (v >= 1) return 0.999999;
    return v;
}

}  // namespace

LyapunovForm lyapunov_form_from(const Settings& s) {
    return LyapunovForm{s.ustring, s.x01user, s.k, s.algorithm, s.x02user, s.y02user, s.CC, s.DD};
}

LyapunovOutcome commit_lyapunov_form(Settings& s, const LyapunovForm& form) {
    const std::string sequence = form.sequence.substr(0, kSequenceRead);
    if (!valid_lyapunov_letters(sequence)) return LyapunovOutcome{kSequenceError};
    s.ustring = sequence.substr(0, kLyapunovMaxLetters);
    s.length = int(s.ustring.size());
    s.x01user = inside_unit(form.x01);
    s.k = clamp(form.k, 0.1, 5.0);
    if (form.algorithm == 0 || form.algorithm == 1) s.algorithm = form.algorithm;
    s.x02user = inside_unit(form.x02);
    s.y02user = inside_unit(form.y02);
    s.CC = clamp(form.c, 0.5, 1.5);
    s.DD = clamp(form.d, 0.5, 1.5);
    return {};
}

}  // namespace zoquel
