#include "rules/chaos_mode_form.h"

#include <algorithm>

namespace zoquel {

ChaosModeForm chaos_mode_form_from(const Settings& s) { return ChaosModeForm{s.smode, {s.rin, s.gin, s.bin}, s.scmode}; }

void commit_chaos_mode_form(Settings& s, const ChaosModeForm& form) {
    if (form.smode >= 0 && form.smode <= 5) s.smode = form.smode;
    s.rin = int(std::clamp(form.colour[0], 0L, 255L));
    s.gin = int(std::clamp(form.colour[1], 0L, 255L));
    s.bin = int(std::clamp(form.colour[2], 0L, 255L));
    if (form.scmode == 0 || form.scmode == 1) s.scmode = form.scmode;
}

}  // namespace zoquel
