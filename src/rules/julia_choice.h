#pragma once
#include <string>

#include "model/complex_math.h"
#include "model/settings.h"

namespace zoquel {

// The Julia samples: entry 0 is the constant of the most recent dynamic-plane image, 1 to 18
// classic constants, 19 a placeholder that is never chosen.
constexpr int kJuliaSampleEntries = 20;
constexpr int kJuliaSampleChoices = 19;

// The caption of an entry; entry 0's is built from the most recent constant.
std::string julia_sample_caption(const Settings& s, int index);
// The constant of an entry 1 to 18.
Cx julia_sample(int index);
// The entry the samples dialog opens on: the stored choice, or entry 0 for one outside 0..18.
int julia_sample_shown(const Settings& s);
// "Julia Samples" OK: remembers the choice and puts its constant into the current type's
// parameter record. False for an index outside 0..18, which changes nothing.
bool commit_julia_sample(Settings& s, int index);

// The point of the main cardioid's border at the angle phi: the attachment point of the bud
// of period d for phi = n 2pi / d.
Cx cardioid_point(double phi);

// "Cardioid Border" OK with the numerator and denominator as typed: both are checked, then
// stored with the point of n/d in the current type's record; nothing is stored on a refusal.
struct CardioidOutcome {
    int error = -1;  // index into paramerror, or -1
    int entry = -1;  // the refused value: 0 the numerator, 1 the denominator
    bool ok() const { return error < 0; }
};
CardioidOutcome commit_cardioid(Settings& s, long numerator, long denominator);

}  // namespace zoquel
