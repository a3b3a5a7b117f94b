#pragma once
#include <span>
#include <string_view>

#include "model/named_settings.h"
#include "model/settings.h"

namespace zoquel {

// The field of the first check the settings fail, or nullptr when every stored field is
// sound: table indices in range, values inside what their dialogs allow, reals finite. The
// ranged fields are checked against the named-settings table; the others (the type and its
// method, the view, the parameters, the Julia angle's fraction, the PGM start point, the
// Lyapunov sequence) by rules of their own. Only what a parameter file stores is looked at:
// the view and parameters of the current type and method, the start point of the current
// PGM formula.
// Settings with a deep view that applies are checked without its view, which is checked
// when made, and with its longer iteration limit.
const char* first_failed_parameter_check(const Settings& s, std::span<const NamedSetting> table = named_settings());

// Why the field that first_failed_parameter_check named is refused, for messages: the
// table's refusal for a named setting, else the rule's own ("" for a name neither knows).
const char* parameter_check_refusal(std::string_view field, std::span<const NamedSetting> table = named_settings());

}  // namespace zoquel
