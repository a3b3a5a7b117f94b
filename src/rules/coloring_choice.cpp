#include "rules/coloring_choice.h"

namespace zoquel {

namespace {
int* colour_slot(Settings& s, int i) {
    int* slots[6] = {&s.rin, &s.gin, &s.bin, &s.rout, &s.gout, &s.bout};
    return slots[i];
}
}  // namespace

namespace {
constexpr const char* kOutsideCaptions[kColoringMethods] = {"Solid Color", "Level Sets", "Smoothing",
                                                            "Binary Decomposition", "Binary Decomposition: B / W"};
constexpr const char* kInsideCaptions[kColoringMethods] = {"Solid Color", "ZMag", "Angular Decomposition",
                                                           "Siegel Disks / BOF 33", "Julia Level Sets"};
}  // namespace

const char* outside_caption(int outside) {
    return outside >= 0 && outside < kColoringMethods ? kOutsideCaptions[outside] : "";
}
const char* inside_caption(int inside) { return inside >= 0 && inside < kColoringMethods ? kInsideCaptions[inside] : ""; }

bool binary_decomposition_offered(int ftype) { return ftype == 0 || ftype == 1; }

bool inside_method_offered(int ftype, int method, int inside) {
    switch (inside) {
        case 3: return ftype == 0 || ftype == 37 || ftype == 38;
        // Julia level sets need a dynamic-plane image.
        case 4: return (ftype == 0 || ftype == 38) && method == 1;
        default: return inside >= 0 && inside <= 2;
    }
}

bool inside_colours_editable(int ftype, int method) { return !((ftype == 31 && method == 1) || ftype == 33); }

ColourForm colour_form_from(const Settings& s) { return {s.rin, s.gin, s.bin, s.rout, s.gout, s.bout}; }

ColourOutcome commit_colour_form(Settings& s, const ColourForm& form) {
    ColourOutcome out;
    Settings edited = s;
    for (int i = 0; i < 6; ++i) {
        long v = form[std::size_t(i)];
        if (v < 0 || v > 255) {
            out.error = 7;
            out.refused = i;
            out.firstloop = false;
            return out;
        }
        int* slot = colour_slot(edited, i);
        if (v != *slot && is_first_loop_type(s.ftype)) out.firstloop = true;
        *slot = int(v);
    }
    s = edited;
    return out;
}

}  // namespace zoquel
