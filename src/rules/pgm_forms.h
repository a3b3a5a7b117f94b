#pragma once
#include <array>

#include "model/settings.h"

namespace zoquel {

// "Select the PGM Formula": stores the checked formula; true when it changed, which starts a
// new image.
bool commit_pgm_formula(Settings& s, int pgmindex);

// The values of "PGM Parameters" as typed.
struct PgmParametersForm {
    long xres = 0, yres = 0, scale = 0;
    double x0 = 0, y0 = 0;               // the start point of the current formula
    std::array<long, 3> background{};    // rback, gback, bback
    bool start_new_image = true;
    bool restore_defaults = false;
};

PgmParametersForm pgm_parameters_form_from(const Settings& s);

struct PgmParametersOutcome {
    int error = -1;  // index into paramerror, or -1
    int entry = -1;  // the refused value: 0 xres, 1 yres, 2 scale, 3 x0, 4 y0, 5-7 the background
    bool firstloop = false, prestore = false, newdimensions = false;
    bool ok() const { return error < 0; }
};

// Checks the values in the dialog's order and stores them only when every one passes. A
// value that differs from the stored one starts a new image; so does "start new image".
PgmParametersOutcome commit_pgm_parameters(Settings& s, const PgmParametersForm& form);

}  // namespace zoquel
