#include "render/type_registry.h"

#include <array>

#include "formulas/biomorph.h"
#include "formulas/boundary_tracer.h"
#include "formulas/collatz.h"
#include "formulas/complex_maps.h"
#include "formulas/curiosities.h"
#include "formulas/distance_estimator.h"
#include "formulas/lyapunov.h"
#include "formulas/mandelbrot.h"
#include "formulas/newton.h"
#include "formulas/newton_variations.h"
#include "formulas/sierpinski_web.h"
#include "formulas/volterra_lotka.h"

namespace zoquel {

namespace {

std::array<TypeImplementation, kTypeCount> build() {
    std::array<TypeImplementation, kTypeCount> t{};
    t[0] = mandelbrot_implementation();
    t[1] = newton_implementation();
    for (int type : {2, 7, 8, 9, 10, 11, 12, 13, 14}) t[std::size_t(type)] = complex_maps_1_implementation(type);
    for (int type : {15, 16, 17, 18, 19, 20, 21, 25, 26}) t[std::size_t(type)] = complex_maps_2_implementation(type);
    t[3] = vl_implementation();
    t[4] = sierpinski_implementation();
    t[5] = biomorph_implementation();
    t[22] = collatz_implementation();
    t[23] = collatznewton_implementation();
    t[24] = lyapunov_implementation();
    t[27] = nvariations_implementation();
    t[28] = legendre_implementation();
    t[29] = mondrian_implementation();
    t[30] = newtonerror_implementation();
    t[35] = bt_implementation();
    t[37] = petal_implementation();
    t[38] = dem_implementation();
    return t;
}

}  // namespace

const TypeImplementation& implementation(int ftype) {
    static const std::array<TypeImplementation, kTypeCount> table = build();
    return table[std::size_t(ftype)];
}

}  // namespace zoquel
