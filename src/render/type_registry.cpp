#include "render/type_registry.h"

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
#include "generators/attractor.h"
#include "generators/chaos.h"
#include "generators/dla.h"
#include "generators/jmiim.h"
#include "generators/orbits.h"
#include "generators/oscillator.h"
#include "generators/pgm.h"

namespace zoquel {

const TypeRegistry& standard_types() {
    static const TypeRegistry registry = [] {
        TypeRegistry r;
        r[0] = mandelbrot_implementation();
        r[1] = newton_implementation();
        for (int type : {2, 7, 8, 9, 10, 11, 12, 13, 14}) r[type] = complex_maps_1_implementation(type);
        for (int type : {15, 16, 17, 18, 19, 20, 21, 25, 26}) r[type] = complex_maps_2_implementation(type);
        r[3] = vl_implementation();
        r[4] = sierpinski_implementation();
        r[5] = biomorph_implementation();
        r[22] = collatz_implementation();
        r[23] = collatznewton_implementation();
        r[24] = lyapunov_implementation();
        r[27] = nvariations_implementation();
        r[28] = legendre_implementation();
        r[29] = mondrian_implementation();
        r[30] = newtonerror_implementation();
        r[35] = bt_implementation();
        r[37] = petal_implementation();
        r[38] = dem_implementation();
        r[31] = chaos_implementation();
        r[32] = jmiim_implementation();
        r[33] = attractor_implementation();
        r[36] = oscillator_implementation();
        r[6] = pgm_implementation();
        r[34] = dla_implementation();
        r[39] = orbits_implementation();
        return r;
    }();
    return registry;
}

}  // namespace zoquel
