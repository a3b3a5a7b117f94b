#pragma once
#include "model/settings.h"

namespace zoquel {

// The values the parameter dialog reads back on OK, already converted from text.
struct ParameterForm {
    View view;
    long xres = 0, yres = 0, maxiter = 0;
    Param param;
    long palint = 1;  // the last edit read as an integer, for the palette interval
    bool restore_dimensions = false, restore_parameters = false;
};

// A form that holds exactly what the settings hold.
ParameterForm parameter_form_from(const Settings& s);

// The flags the caller acts on after a successful OK.
struct ParameterOutcome {
    int error = -1;  // index into paramerror, or -1 for success
    int entry = -1;  // the refused entry in the dialog's order: view 0-3, xres, yres, maxiter, columns 0-5
    bool newdimensions = false, newa0 = false, firstloop = false, drestore = false, prestore = false;
    bool ok() const { return error < 0; }
};

// Every check, clamp and side effect of the parameter dialog's OK, in order, applied to `s`:
// the view, the size, the iteration limit, then the columns as parameter_layout describes them.
// On failure `s` has been partly written: use commit_parameter_form to keep it all-or-nothing.
ParameterOutcome apply_parameter_form(Settings& s, const ParameterForm& form);

// Applies the form to a copy and keeps the copy only when every step passed.
ParameterOutcome commit_parameter_form(Settings& s, const ParameterForm& form);

// The shared message table of the parameter and option dialogs.
const char* paramerror(int index);
constexpr int kParamErrorCount = 23;

}  // namespace zoquel
