#pragma once
#include <array>

#include "model/settings.h"

namespace zoquel {

// What the chaos game's "Select the Mode" dialog reads back on OK.
struct ChaosModeForm {
    int smode = 0;                     // the checked polygon, -1 when none is
    std::array<long, 3> colour{};      // red, green, blue as typed
    int scmode = 0;                    // the checked colouring, -1 when none is
};

ChaosModeForm chaos_mode_form_from(const Settings& s);

// Stores the polygon and the colouring, and the monochrome colour clamped to 0..255 into
// rin, gin, bin. Nothing is refused.
void commit_chaos_mode_form(Settings& s, const ChaosModeForm& form);

}  // namespace zoquel
