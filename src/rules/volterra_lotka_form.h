#pragma once
#include "model/settings.h"

namespace zoquel {

// The values of the "Volterra-Lotka Parameters" dialog as read from its edits.
struct VolterraLotkaForm {
    double h = 0, p = 0;
    long maxiter = 0;
    double maxsize = 0, vlradius = 0;
    int vlcoloring = 0;  // index of the checked scheme, -1 when none is
};

VolterraLotkaForm volterra_lotka_form_from(const Settings& s);

// Every value is clamped into its range, none refused: h and p to [-20, 20] (half = h / 2),
// maxiter to [16, 1024], maxsize to [16, 256], the target radius to [0.01, 0.5].
void commit_volterra_lotka_form(Settings& s, const VolterraLotkaForm& form);

}  // namespace zoquel
