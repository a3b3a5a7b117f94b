#pragma once
#include "model/settings.h"

namespace zoquel {

// What the Newton options dialog (type 1) reads back on OK, already converted from text.
struct NewtonOptionsForm {
    int basin = 0;
    double cellsize = 0.01;
    double exponent = 3, mx = 1, my = 0;
};
NewtonOptionsForm newton_options_from(const Settings& s);

// Checks every value first: cellsize is clamped to [1e-12, 0.1]; the exponent must lie in
// [2, 8], mx in [0.02, 1.99] and my in [-0.99, 0.99]. Returns -1 with everything stored, or
// the paramerror index of the first refused value with `s` unchanged.
int commit_newton_options(Settings& s, const NewtonOptionsForm& form);

// The Newton / secant formula dialog (type 27): the formula and basin colouring. Returns
// true when the formula changed, so that its roots must be searched again (nvfirst).
bool commit_nv_formula(Settings& s, int nvindex, bool basin);

}  // namespace zoquel
