#pragma once
#include <array>

#include "model/settings.h"

namespace zoquel {

// The colouring methods by number, as their dialogs name them.
constexpr int kColoringMethods = 5;
const char* outside_caption(int outside);
const char* inside_caption(int inside);

// Which colouring methods the colouring dialogs offer for a type (and method).
// Binary decomposition (outside 3 and 4) exists for Mandelbrot/Julia and Newton only.
bool binary_decomposition_offered(int ftype);
// Inside methods 3 ("Siegel Disks / BOF 33") and 4 ("Julia Level Sets"); 0 to 2 always.
bool inside_method_offered(int ftype, int method, int inside);
// The inside solid colour has no use for Lace and the 3D attractors.
bool inside_colours_editable(int ftype, int method);

// The six colour values as typed: rin, gin, bin, rout, gout, bout.
using ColourForm = std::array<long, 6>;
ColourForm colour_form_from(const Settings& s);

struct ColourOutcome {
    int error = -1;    // index into paramerror, or -1
    int refused = -1;  // which of the six values was refused
    bool firstloop = false;
    bool ok() const { return error < 0; }
};

// Checks the six values in order; stores them all only when every one lies in 0..255.
// A changed colour restarts the whole-image generators 31 to 34.
ColourOutcome commit_colour_form(Settings& s, const ColourForm& form);

}  // namespace zoquel
