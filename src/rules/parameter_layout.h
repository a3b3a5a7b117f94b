#pragma once
#include <array>
#include <limits>
#include <string>

#include "model/settings.h"

namespace zoquel {

// What the parameter dialog does with one column of the type's parameter record (0 maxsize,
// 1 and 2 the constant, 3 to 5 the type's own): its label, whether its edit is filled and
// read back, how it is shown, and the check OK makes.
struct ColumnRule {
    enum class Check {
        none,    // stored as typed
        refuse,  // outside [lo, hi] (hi itself excluded when hi_open) the dialog refuses `error`
        clamp,   // moved into [lo, hi] without a word
        petal,   // the petal coefficient: into [-1.5, -0.99] or [0.95, 1.25]
    };
    // What a stored value does besides being stored.
    enum class Effect {
        none,
        restart,        // a change starts the whole-image generators afresh (firstloop)
        newa0,          // a change asks for type 23's roots again
        maxhits,        // the inverse-iteration limits follow the column
        maxdepth,
        palint,         // the edit holds the palette interval of Julia level sets
        julia_period,   // a changed constant has its attractor's period measured again
    };

    std::string label;     // as shown, trailing blanks included; empty: a blank label
    bool shown = false;    // the edit is filled when the dialog opens
    bool read = false;     // OK reads it back
    int decimals = 15;     // "%.15f", "%.4f", "%.1f"; 0 shows a whole number ("%d")
    Check check = Check::none;
    double lo = 0, hi = 0;
    bool hi_open = false;
    int error = -1;        // the paramerror message of a refusal
    double cap = std::numeric_limits<double>::infinity();  // clamped below it after the check
    bool whole = false;    // rounded down after the check
    bool unchanged_ok = false;  // the stored value passes the check even where the range refuses it
    Effect effect = Effect::none;
};

// The parameter dialog's view of the settings' type in their method: one rule a column, and
// what OK does after the columns.
struct ParameterLayout {
    std::array<ColumnRule, 6> columns;
    // Volterra-Lotka: the escape radius and the iteration limit are fixed, and h/2 follows h.
    bool fixed_volterra_lotka = false;
};

// For the settings' type and method (and inside method and Julia period, which the palette
// interval's edit depends on).
ParameterLayout parameter_layout(const Settings& s);

}  // namespace zoquel
