#include "model/type_table.h"

#include <cassert>

namespace zoquel {

double& Param::operator[](int column) {
    switch (column) {
        case 0: return maxsize;
        case 1: return jcx;
        case 2: return jcy;
        case 3: return p0;
        case 4: return p1;
        default: return p2;
    }
}

double Param::operator[](int column) const { return const_cast<Param&>(*this)[column]; }

namespace {

constexpr TypeKind P = TypeKind::per_pixel;
constexpr TypeKind W = TypeKind::whole_image;

// clang-format off
// The captions of the two methods where they are the two planes, or plain numbers.
constexpr std::array<const char*, 2> kPlanes{"Parameter Plane (Mandelbrot)", "Dynamic Plane (Julia)"};
constexpr std::array<const char*, 2> kMethodNumbers{"Method: 0", "Method: 1"};

// Name, kind, thumbnail, views by method, parameters, flags, forced method, methods with their
// own smoothing fraction, method captions.
const std::array<TypeInfo, kTypeCount> kTypes = {{
    {"Mandelbrot/Julia Classic", P, 1, {{{-2.25, 0.75, -1.5, 1.5}, {-2.25, 2.25, -2.25, 2.25}}}, {16, 0.32, 0.043, 2, 0.001, 1}, kJuliaForm | kRemembersConstant | kJuliaLevelSets, -1, 0, kPlanes},
    {"Newton Classic: z^n - 1 = 0", P, 0, {{{-2.25, 2.25, -2.25, 2.25}, {-2.25, 2.25, -2.25, 2.25}}}, {0.001, 0, 0, 3, 1, 0}, 0, 0, 0b11, kMethodNumbers},
    {"Escher-Julia", P, 0, {{{-1.2, 1.2, -1.2, 1.2}, {-1.2, 1.2, -1.2, 1.2}}}, {16, 0.32, 0.043, 0, 0, 0}, kJuliaForm | kRemembersConstant, 1, 0, kMethodNumbers},
    {"Volterra-Lotka", P, 0, {{{0, 6, 0, 6}, {0, 6, 0, 6}}}, {256, 0, 0, 0, 0.739, 0.739}, 0, 0, 0, kMethodNumbers},
    {"Sierpinski Web", P, 0, {{{-2.25, 2.25, -2.25, 2.25}, {-2.25, 2.25, -2.25, 2.25}}}, {16, 0, 0, 0, 0, 0}, 0, 0, 0, kMethodNumbers},
    {"Biomorphs", P, 0, {{{-6, 6, -6, 6}, {-6, 6, -6, 6}}}, {16, 0.5, 0, 0, 0, 0}, 0, 1, 0, kMethodNumbers},
    {"Perturbated Gingerbread Men", W, 0, {{{-1, 1, -1, 1}, {-1, 1, -1, 1}}}, {16, 0, 0, 0, 0, 0}, kContinues, 0, 0, kMethodNumbers},
    {"Lambda * Sine(z)", P, 1, {{{-3.2, 3.2, -3.2, 3.2}, {-6.25, 6.25, -6.25, 6.25}}}, {256, 0, 0, 0, 1, 0.1}, 0, -1, 0, kPlanes},
    {"Lambda * Cosine(z)", P, 1, {{{-5, 7.5, -6.25, 6.25}, {-1.3, 1.3, -1.3, 1.3}}}, {256, 0.5509, 1.0747, 0, 1, 0}, 0, -1, 0, kPlanes},
    {"Lambda * e^z", P, 1, {{{-0.25, 6.25, -3.25, 3.25}, {-3, 5, -4, 4}}}, {500, 0, 0, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Quartet Sine", P, 0, {{{-4.2, 4.2, -4.2, 4.2}, {-4.2, 4.2, -4.2, 4.2}}}, {64, 0.05, 0, 0, 0, 0}, 0, 1, 0, kPlanes},
    {"Magnetism 1", P, 1, {{{-1.25, 3.75, -2.5, 2.5}, {-6, 6, -6, 6}}}, {16, 2, 0, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Magnetism 2", P, 1, {{{-0.75, 2.75, -1.75, 1.75}, {-12, 12, -12, 12}}}, {16, 2, 0, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Devaney", P, 1, {{{-0.5, 0.5, -0.5, 0.5}, {-2, 2, -2, 2}}}, {16, 0.08, 0, 0, 2, 2}, 0, -1, 0, kPlanes},
    {"Pokorny", P, 1, {{{-2.25, 1.25, -1.75, 1.75}, {-5, 5, -5, 5}}}, {4, -0.4386, -0.4353, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Lambda", P, 1, {{{-2.5, 4.5, -3.5, 3.5}, {-0.25, 1.25, -0.75, 0.75}}}, {16, 1.6465, 0.964, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Phoenix", P, 1, {{{-2.2, 1, -1.6, 1.6}, {-1.5, 1.5, -1.5, 1.5}}}, {16, 0.566667, 0, -0.5, 2, 0}, 0, -1, 0, kPlanes},
    {"Celtic", P, 1, {{{-1.25, 2.75, -2, 2}, {-2, 2, -2, 2}}}, {16, 1.4211, 0, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Burning Ship", P, 1, {{{-2.2, 1.3, -1.25, 2.25}, {-2, 2, -2, 2}}}, {16, 0, 1.6, 2, 0, 0}, 0, -1, 0, kPlanes},
    {"P3 Polynomial", P, 1, {{{-1.25, 1.25, -1.35, 1.15}, {-2, 2, -2, 2}}}, {16, 0.2302, 0.1813, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Tricorn", P, 1, {{{-2.25, 1.75, -2, 2}, {-2, 2, -2, 2}}}, {16, 0.2094, 0.494, 2, 0, 0}, 0, -1, 0, kPlanes},
    {"Tricorn Variation", P, 1, {{{-1.5, 1.5, -1.5, 1.5}, {-2, 2, -2, 2}}}, {16, 0.2078, 0.7086, 2, 0, 0}, 0, -1, 0, kPlanes},
    {"Collatz", P, 1, {{{-2.5, 2.5, -2.5, 2.5}, {-2.5, 2.5, -2.5, 2.5}}}, {72, 0, 0, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Collatz Variations", P, 0, {{{-4.5, 4.5, -4.5, 4.5}, {-4.5, 4.5, -4.5, 4.5}}}, {72, 0, 0, 0, 0, 0}, kOwnSmoothingStep, -1, 0b01, {"Collatz Newton", "Johnston Modification"}},
    {"Lyapunov Maps", P, 0, {{{-1, 5, -1, 5}, {-3, 3, -3, 3}}}, {16, 0, 0, 0, 0, 0}, 0, -1, 0, {"Lyapunov 1 - Markus", "Lyapunov 2 - Pickover"}},
    {"Airfoil 1", P, 1, {{{-9, 5, -7, 7}, {-6, 6, -6, 6}}}, {16, -4.443, 0.1756, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Airfoil 3", P, 1, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {16, 0.938, 0.312, 0, 0, 0}, 0, -1, 0, kPlanes},
    {"Newton / Secant Variations", P, 0, {{{-6, 6, -6, 6}, {-6, 6, -6, 6}}}, {2, 0, 0, 0, 1, 0}, 0, -1, 0b11, {"Newton's Method", "Secant Method"}},
    {"Legendre Error", P, 0, {{{-1, 1, -1, 1}, {-1, 1, -1, 1}}}, {16, 0, 0, 0, 0, 0}, 0, -1, 0, {"Erroneous Formula", "Correct Formula"}},
    {"Curiosities", P, 0, {{{-2.5, 1.5, -2, 2}, {-4.75, 4.75, -4.75, 4.75}}}, {16, -1, 0.032, 0, 0, 0}, 0, -1, 0, {"Erroneous M-set", "Mondrian Julia"}},
    {"Newton Error", P, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {0, 0, 0, 0, 0, 0}, 0, -1, 0b11, {"Function Error", "Derivative Error"}},
    {"Chaos Game", W, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {2, 0, 0, 0, 2, 4}, kFirstLoop | kContinues, -1, 0, {"Sierpinski Polygons", "Lace"}},
    {"Julia - Inverse Iteration", W, 0, {{{-2, 2, -2, 2}, {-2, 2, -2, 2}}}, {16, 0.32, 0.043, 0, 64, 256}, kJuliaForm | kRemembersConstant | kFirstLoop, 1, 0, kMethodNumbers},
    {"3D Attractors", W, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {16, 0, 0, 0, 0, 0}, kFirstLoop | kContinues, -1, 0, {"Lorenz", "KAMTorus"}},
    {"DLA", TypeKind::whole_image_repeated, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {16, 0, 0, 0, 0, 0}, kFirstLoop | kContinues | kStoppedByInput, -1, 0, {"Centrifugal", "Centripetal"}},
    {"M/J-Sets: Boundary Tracer", P, 1, {{{-2.25, 0.75, -1.5, 1.5}, {-2.25, 2.25, -2.25, 2.25}}}, {16, 0.32, 0.043, 2, 0, 0}, kJuliaForm | kRemembersConstant, -1, 0, kPlanes},
    {"Oscillators", W, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {16, 0, 0, 0, 0, 0}, kStoppedByInput, -1, 0, {"Samardzija", "Lissajous 3D"}},
    {"Petal Julia", P, 0, {{{-1.5, 1.5, -1.5, 1.5}, {-1.5, 1.5, -1.5, 1.5}}}, {16, 0, 0, 5, 1, 0}, kJuliaLevelSets, 1, 0, kMethodNumbers},
    {"M/J-Sets: Distance Estimator", P, 1, {{{-2.25, 0.75, -1.5, 1.5}, {-2, 2, -2, 2}}}, {16, -0.74543, 0.11301, 0.001, 0.2, 500000}, kJuliaForm | kRemembersConstant | kJuliaLevelSets, -1, 0, kPlanes},
    {"Orbits", W, 0, {{{-2, 1, -1.5, 1.5}, {-2.5, 2.5, -2.5, 2.5}}}, {16, -0.8, 0.1, 0, 0, 0}, kJuliaForm | kTracesOrbits, -1, 0, {"M-Set Orbits", "J-Set Orbits"}},
}};
// clang-format on

}  // namespace

const TypeInfo& type_info(int ftype) {
    assert(valid_type(ftype));
    return kTypes[std::size_t(ftype)];
}

}  // namespace zoquel
