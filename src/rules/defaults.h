#pragma once
#include "model/settings.h"

namespace zoquel {

// Puts the current type's defaults back (iteration limit, parameters and the type's own
// option values). The caller restarts the image.
void defaultparams(Settings& s);

// Copies the start-up view of the current type and method back.
void restore_default_view(Settings& s);

}  // namespace zoquel
