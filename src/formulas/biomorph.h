#pragma once
#include "model/type_implementation.h"

namespace zoquel {

constexpr int kBiomorphVariations = 11;

// Pickover's biomorphs: z = F(z) + c by the variation `bindex`, from z(0) = the pixel, until a
// part of z or |z| reaches maxsize. Orbits that end with a small real or imaginary part are
// coloured by the angle of z, the others by their step count. Every pixel is reported outside.
// The captions of the variations, by bindex.
const char* biomorph_caption(int bindex);

TypeImplementation biomorph_implementation();

}  // namespace zoquel
