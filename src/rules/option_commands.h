#pragma once
#include <vector>

#include "rules/parameter_rules.h"
#include "model/settings.h"

namespace zoquel {

// What the Options commands do around their dialogs, apart from showing them. Choosing a type
// (command 120) is choose_type() in type_selection.h.

// Command 125: the gingerbread men have their own parameter dialog (command 170).
inline bool parameter_command_uses_pgm_dialog(int ftype) { return ftype == 6; }

// The work left for the window after the parameter dialog's OK; the image restarts in any case.
struct ParameterFollowUp {
    bool recreate_image = false;           // a new xres x yres image bitmap
    bool recompute_collatz_roots = false;  // type 23's roots for a new critical point
    bool firstloop = false;                // whole-image generators start afresh
};
// Applies the restores the user asked for (start-up view, default parameters) to `s`.
ParameterFollowUp after_parameter_dialog(Settings& s, const ParameterOutcome& outcome);

// Commands 155 and 158, by type: the method dialog, straight to the colours dialog, or nothing.
struct ColoringCommand {
    bool open_dialog = false;
    bool restart = false;       // the image restarts without a dialog
    std::vector<int> post;      // commands to post, in order
};
// May set `outside` to "Level Sets" for the types whose outside has no choice.
ColoringCommand outside_coloring_command(Settings& s);
ColoringCommand inside_coloring_command(const Settings& s);

// After the method dialog's OK (the image restarts): the colours dialog for "Solid Color";
// the Julia level-set explanation (192) the first time that method is chosen.
std::vector<int> after_outside_dialog(const Settings& s);
std::vector<int> after_inside_dialog(const Settings& s, bool& firstjlevel);

}  // namespace zoquel
