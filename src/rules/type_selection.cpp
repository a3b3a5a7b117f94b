#include "rules/type_selection.h"

#include "rules/defaults.h"

namespace zoquel {

FirstTimeFlags all_first_time() {
    FirstTimeFlags f;
    f.fill(true);
    return f;
}

TypeChoiceOutcome choose_type(Settings& s, FirstTimeFlags& firsttime, int ftype, int method) {
    TypeChoiceOutcome out;
    s.ftype = ftype;
    int forced = forced_method(ftype);
    s.method = forced >= 0 ? forced : method;
    s.outside = 1;
    s.inside = 0;
    if (firsttime[std::size_t(ftype)]) {
        firsttime[std::size_t(ftype)] = false;
        defaultparams(s);
    }
    out.clear_orbit = ftype != 39;
    switch (ftype) {
        case 1: out.follow_up_commands.push_back(162); break;
        case 3: out.follow_up_commands.push_back(164); break;
        case 5: out.follow_up_commands.push_back(166); break;
        case 6: out.follow_up_commands.push_back(168); break;
        case 24: out.follow_up_commands.push_back(174); break;
        case 27: out.follow_up_commands.push_back(172); break;
        case 9:
            if (s.pc[9].maxsize > 500) s.pc[9].maxsize = 500;
            break;
        case 22:
            if (s.pc[22].maxsize > 72) s.pc[22].maxsize = 72;
            break;
        case 31:
            // Choosing the chaos game always starts a fresh image; the polygons also ask
            // for their mode.
            out.open_sierpinski_dialog = s.method == 0;
            out.firstloop = true;
            break;
        case 32: case 33: case 34: out.firstloop = true; break;
        case 35:
            s.outside = 0;
            s.inside = 0;
            break;
        default: break;
    }
    return out;
}

}  // namespace zoquel
