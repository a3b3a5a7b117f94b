#include "rules/option_commands.h"

#include <algorithm>
#include <initializer_list>

#include "rules/defaults.h"

namespace zoquel {

namespace {
bool one_of(int t, std::initializer_list<int> types) {
    return std::find(types.begin(), types.end(), t) != types.end();
}
}  // namespace

ParameterFollowUp after_parameter_dialog(Settings& s, const ParameterOutcome& outcome) {
    ParameterFollowUp f;
    f.firstloop = outcome.firstloop;
    const bool whole = is_first_loop_type(s.ftype);
    if (outcome.newdimensions) {
        f.recreate_image = true;
        f.firstloop |= whole;
    }
    f.recompute_collatz_roots = outcome.newa0;
    if (outcome.drestore) {
        restore_default_view(s);
        f.firstloop |= whole;
    }
    if (outcome.prestore) {
        defaultparams(s);
        f.firstloop |= whole;
        // The default critical point needs its own roots, not those of the one typed.
        if (s.ftype == 23 && s.method == 0) f.recompute_collatz_roots = true;
    }
    return f;
}

ColoringCommand outside_coloring_command(Settings& s) {
    ColoringCommand c;
    const int t = s.ftype, m = s.method;
    if (one_of(t, {2, 3, 4, 5, 6, 10, 24})) {
        s.outside = 1;
        c.restart = true;
    } else if (one_of(t, {31, 32, 33, 34, 35}) || (t == 39 && m == 0)) {
        c.post.push_back(160);
    } else if (t == 36 || (t == 39 && m == 1)) {
        c.restart = true;
    } else {
        c.open_dialog = true;
    }
    return c;
}

ColoringCommand inside_coloring_command(const Settings& s) {
    ColoringCommand c;
    const int t = s.ftype, m = s.method;
    if (one_of(t, {1, 2, 3, 4, 5, 6, 24, 27, 30, 33, 36}) || (t == 23 && m == 0) || (t == 39 && m == 1)) {
        c.restart = true;
    } else if (one_of(t, {31, 32, 35}) || (t == 39 && m == 0)) {
        c.post.push_back(160);
    } else {
        c.open_dialog = true;
    }
    return c;
}

std::vector<int> after_outside_dialog(const Settings& s) {
    if (s.outside == 0) return {160};
    return {};
}

std::vector<int> after_inside_dialog(const Settings& s, bool& firstjlevel) {
    if (s.inside == 0) return {160};
    if (s.inside == 4 && firstjlevel) {
        firstjlevel = false;
        return {192};
    }
    return {};
}

}  // namespace zoquel
