#pragma once
#include <array>
#include <vector>

#include "model/type_table.h"
#include "model/settings.h"

namespace zoquel {

// Which types have been chosen at least once since start-up; the first choice loads defaults.
using FirstTimeFlags = std::array<bool, kTypeCount>;
FirstTimeFlags all_first_time();

// What choosing a type asks of the caller after the settings have changed.
struct TypeChoiceOutcome {
    std::vector<int> follow_up_commands;  // commands to post, in order
    bool open_sierpinski_dialog = false;  // the chaos game's "Select the Mode" (1750)
    bool firstloop = false;
    bool clear_orbit = true;
};

// The type dialog's OK with `ftype` and `method` chosen: forces the type's fixed method, resets
// the colouring, loads defaults on a type's first choice and applies the per-type clamps.
TypeChoiceOutcome choose_type(Settings& s, FirstTimeFlags& firsttime, int ftype, int method);

}  // namespace zoquel
