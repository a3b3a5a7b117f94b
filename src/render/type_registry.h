#pragma once
#include "platform/rgb.h"
#include "model/settings.h"

namespace zoquel {

struct LiveState;

// The generator contract: the pixel's point in, the colour index out, with the last iterate
// and the size that decides inside or outside.
using Generator = int (*)(double px, double py, double* zx, double* zy, double* size);
// Per-image set-up, run once before the first row is computed.
using ImageSetup = void (*)(LiveState& state);
// A whole row through the generator at once, with the same results pixel for pixel: points
// (xs[i], y) in, the generator's four results out. Returns false where it does not apply to
// the current image, and the driver then calls the generator pixel by pixel.
using RowKernel = bool (*)(const double* xs, double y, int count, int* n, double* zx, double* zy, double* size);
// A type's own colouring of the binary-decomposition methods.
using BinaryDecomposition = Rgb (*)(const Settings& s, int n, double zx, double zy);

// What the program has built for one type.
struct TypeImplementation {
    Generator generator = nullptr;
    ImageSetup setup = nullptr;
    BinaryDecomposition binary_decomposition = nullptr;
    RowKernel row_kernel = nullptr;
    const char* formula_text[2] = {nullptr, nullptr};  // by method
};

const TypeImplementation& implementation(int ftype);
inline bool type_available(int ftype) { return valid_type(ftype) && implementation(ftype).generator != nullptr; }

}  // namespace zoquel
