#pragma once
#include <string>

#include "model/settings.h"

namespace zoquel::cli {

// Sets one setting by its parameter-file name, within the range its dialog keeps it in.
// Returns an empty string, or the message that refuses the name or the value.
std::string apply_named_setting(Settings& s, const std::string& name, const std::string& value);

// The names --set knows, separated by blanks, for messages.
std::string named_setting_list();

}  // namespace zoquel::cli
