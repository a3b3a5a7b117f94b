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
const std::array<TypeInfo, kTypeCount> kTypes = {{
    {"Mandelbrot/Julia Classic", P, 1, {{{-2.25, 0.75, -1.5, 1.5}, {-2.25, 2.25, -2.25, 2.25}}}, {16, 0.32, 0.043, 2, 0.001, 1}},
    {"Newton Classic: z^n - 1 = 0", P, 0, {{{-2.25, 2.25, -2.25, 2.25}, {-2.25, 2.25, -2.25, 2.25}}}, {0.001, 0, 0, 3, 1, 0}},
    {"Escher-Julia", P, 0, {{{-1.2, 1.2, -1.2, 1.2}, {-1.2, 1.2, -1.2, 1.2}}}, {16, 0.32, 0.043, 0, 0, 0}},
    {"Volterra-Lotka", P, 0, {{{0, 6, 0, 6}, {0, 6, 0, 6}}}, {256, 0, 0, 0, 0.739, 0.739}},
    {"Sierpinski Web", P, 0, {{{-2.25, 2.25, -2.25, 2.25}, {-2.25, 2.25, -2.25, 2.25}}}, {16, 0, 0, 0, 0, 0}},
    {"Biomorphs", P, 0, {{{-6, 6, -6, 6}, {-6, 6, -6, 6}}}, {16, 0.5, 0, 0, 0, 0}},
    {"Perturbated Gingerbread Men", W, 0, {{{-1, 1, -1, 1}, {-1, 1, -1, 1}}}, {16, 0, 0, 0, 0, 0}},
    {"Lambda * Sine(z)", P, 1, {{{-3.2, 3.2, -3.2, 3.2}, {-6.25, 6.25, -6.25, 6.25}}}, {256, 0, 0, 0, 1, 0.1}},
    {"Lambda * Cosine(z)", P, 1, {{{-5, 7.5, -6.25, 6.25}, {-1.3, 1.3, -1.3, 1.3}}}, {256, 0.5509, 1.0747, 0, 1, 0}},
    {"Lambda * e^z", P, 1, {{{-0.25, 6.25, -3.25, 3.25}, {-3, 5, -4, 4}}}, {500, 0, 0, 0, 0, 0}},
    {"Quartet Sine", P, 0, {{{-4.2, 4.2, -4.2, 4.2}, {-4.2, 4.2, -4.2, 4.2}}}, {64, 0.05, 0, 0, 0, 0}},
    {"Magnetism 1", P, 1, {{{-1.25, 3.75, -2.5, 2.5}, {-6, 6, -6, 6}}}, {16, 2, 0, 0, 0, 0}},
    {"Magnetism 2", P, 1, {{{-0.75, 2.75, -1.75, 1.75}, {-12, 12, -12, 12}}}, {16, 2, 0, 0, 0, 0}},
    {"Devaney", P, 1, {{{-0.5, 0.5, -0.5, 0.5}, {-2, 2, -2, 2}}}, {16, 0.08, 0, 0, 2, 2}},
    {"Pokorny", P, 1, {{{-2.25, 1.25, -1.75, 1.75}, {-5, 5, -5, 5}}}, {4, -0.4386, -0.4353, 0, 0, 0}},
    {"Lambda", P, 1, {{{-2.5, 4.5, -3.5, 3.5}, {-0.25, 1.25, -0.75, 0.75}}}, {16, 1.6465, 0.964, 0, 0, 0}},
    {"Phoenix", P, 1, {{{-2.2, 1, -1.6, 1.6}, {-1.5, 1.5, -1.5, 1.5}}}, {16, 0.566667, 0, -0.5, 2, 0}},
    {"Celtic", P, 1, {{{-1.25, 2.75, -2, 2}, {-2, 2, -2, 2}}}, {16, 1.4211, 0, 0, 0, 0}},
    {"Burning Ship", P, 1, {{{-2.2, 1.3, -1.25, 2.25}, {-2, 2, -2, 2}}}, {16, 0, 1.6, 2, 0, 0}},
    {"P3 Polynomial", P, 1, {{{-1.25, 1.25, -1.35, 1.15}, {-2, 2, -2, 2}}}, {16, 0.2302, 0.1813, 0, 0, 0}},
    {"Tricorn", P, 1, {{{-2.25, 1.75, -2, 2}, {-2, 2, -2, 2}}}, {16, 0.2094, 0.494, 2, 0, 0}},
    {"Tricorn Variation", P, 1, {{{-1.5, 1.5, -1.5, 1.5}, {-2, 2, -2, 2}}}, {16, 0.2078, 0.7086, 2, 0, 0}},
    {"Collatz", P, 1, {{{-2.5, 2.5, -2.5, 2.5}, {-2.5, 2.5, -2.5, 2.5}}}, {72, 0, 0, 0, 0, 0}},
    {"Collatz Variations", P, 0, {{{-4.5, 4.5, -4.5, 4.5}, {-4.5, 4.5, -4.5, 4.5}}}, {72, 0, 0, 0, 0, 0}},
    {"Lyapunov Maps", P, 0, {{{-1, 5, -1, 5}, {-3, 3, -3, 3}}}, {16, 0, 0, 0, 0, 0}},
    {"Airfoil 1", P, 1, {{{-9, 5, -7, 7}, {-6, 6, -6, 6}}}, {16, -4.443, 0.1756, 0, 0, 0}},
    {"Airfoil 3", P, 1, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {16, 0.938, 0.312, 0, 0, 0}},
    {"Newton / Secant Variations", P, 0, {{{-6, 6, -6, 6}, {-6, 6, -6, 6}}}, {2, 0, 0, 0, 1, 0}},
    {"Legendre Error", P, 0, {{{-1, 1, -1, 1}, {-1, 1, -1, 1}}}, {16, 0, 0, 0, 0, 0}},
    {"Curiosities", P, 0, {{{-2.5, 1.5, -2, 2}, {-4.75, 4.75, -4.75, 4.75}}}, {16, -1, 0.032, 0, 0, 0}},
    {"Newton Error", P, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {0, 0, 0, 0, 0, 0}},
    {"Chaos Game", W, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {2, 0, 0, 0, 2, 4}},
    {"Julia - Inverse Iteration", W, 0, {{{-2, 2, -2, 2}, {-2, 2, -2, 2}}}, {16, 0.32, 0.043, 0, 64, 256}},
    {"3D Attractors", W, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {16, 0, 0, 0, 0, 0}},
    {"DLA", TypeKind::whole_image_repeated, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {16, 0, 0, 0, 0, 0}},
    {"M/J-Sets: Boundary Tracer", P, 1, {{{-2.25, 0.75, -1.5, 1.5}, {-2.25, 2.25, -2.25, 2.25}}}, {16, 0.32, 0.043, 2, 0, 0}},
    {"Oscillators", W, 0, {{{-4, 4, -4, 4}, {-4, 4, -4, 4}}}, {16, 0, 0, 0, 0, 0}},
    {"Petal Julia", P, 0, {{{-1.5, 1.5, -1.5, 1.5}, {-1.5, 1.5, -1.5, 1.5}}}, {16, 0, 0, 5, 1, 0}},
    {"M/J-Sets: Distance Estimator", P, 1, {{{-2.25, 0.75, -1.5, 1.5}, {-2, 2, -2, 2}}}, {16, -0.74543, 0.11301, 0.001, 0.2, 500000}},
    {"Orbits", W, 0, {{{-2, 1, -1.5, 1.5}, {-2.5, 2.5, -2.5, 2.5}}}, {16, -0.8, 0.1, 0, 0, 0}},
}};
// clang-format on

bool in(int value, std::initializer_list<int> set) {
    for (int v : set)
        if (v == value) return true;
    return false;
}

}  // namespace

const TypeInfo& type_info(int ftype) {
    assert(valid_type(ftype));
    return kTypes[std::size_t(ftype)];
}

bool is_whole_image(int ftype) { return valid_type(ftype) && type_info(ftype).kind != TypeKind::per_pixel; }
bool is_julia_capable(int ftype) { return in(ftype, {0, 2, 32, 35, 38, 39}); }
bool remembers_julia_constant(int ftype) { return in(ftype, {0, 2, 32, 35, 38}); }
bool is_first_loop_type(int ftype) { return in(ftype, {31, 32, 33, 34}); }

bool supplies_smoothing_fraction(int ftype, int method) {
    return in(ftype, {1, 27, 30}) || (ftype == 23 && method == 0);
}

int forced_method(int ftype) {
    if (in(ftype, {1, 3, 4, 6})) return 0;
    if (in(ftype, {2, 5, 10, 32, 37})) return 1;
    return -1;
}

std::array<const char*, 2> method_captions(int ftype) {
    switch (ftype) {
        case 1: case 2: case 3: case 4: case 5: case 6: case 32: case 37: return {"Method: 0", "Method: 1"};
        case 23: return {"Collatz Newton", "Johnston Modification"};
        case 24: return {"Lyapunov 1 - Markus", "Lyapunov 2 - Pickover"};
        case 27: return {"Newton's Method", "Secant Method"};
        case 28: return {"Erroneous Formula", "Correct Formula"};
        case 29: return {"Erroneous M-set", "Mondrian Julia"};
        case 30: return {"Function Error", "Derivative Error"};
        case 31: return {"Sierpinski Polygons", "Lace"};
        case 33: return {"Lorenz", "KAMTorus"};
        case 34: return {"Centrifugal", "Centripetal"};
        case 36: return {"Samardzija", "Lissajous 3D"};
        case 39: return {"M-Set Orbits", "J-Set Orbits"};
        default: return {"Parameter Plane (Mandelbrot)", "Dynamic Plane (Julia)"};
    }
}

}  // namespace zoquel
