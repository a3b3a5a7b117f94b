#pragma once
#include <string>

#include "model/settings.h"

namespace zoquel {

// The values of the "Lyapunov Options" dialog as read from its controls.
struct LyapunovForm {
    std::string sequence;
    double x01 = 0, k = 0;
    int algorithm = 0;  // index of the checked radio, -1 when none is
    double x02 = 0, y02 = 0, c = 0, d = 0;
};

LyapunovForm lyapunov_form_from(const Settings& s);

struct LyapunovOutcome {
    int error = -1;  // index into paramerror, or -1
    bool ok() const { return error < 0; }
};

// The sequence must be letters a, b, A or B (an empty one is refused too: the generator has
// nothing to average over); it keeps its first 16 letters. The start values are kept strictly
// inside (0, 1), k in [0.1, 5], c and d in [0.5, 1.5]. Stores everything or, on a refusal,
// nothing.
LyapunovOutcome commit_lyapunov_form(Settings& s, const LyapunovForm& form);

}  // namespace zoquel
