#pragma once
#include <span>

#include "model/settings.h"

namespace zoquel {

// One condition a parameter file's values must meet before they may replace the settings:
// table indices in range, values inside what their dialogs allow, reals finite.
struct ParameterCheck {
    const char* field;  // the parameter-file name of the field it guards
    bool (*holds)(const Settings&);
};

// Every check, in the order of the record. Checks after `ftype` and `method` may rely on them.
std::span<const ParameterCheck> parameter_checks();

// The field of the first check `s` fails, or nullptr when the stored fields are all sound.
// Only what a parameter file stores is looked at: the view and parameters of the current type
// and method, and the PGM start point of the current formula.
const char* first_failed_parameter_check(const Settings& s);

}  // namespace zoquel
