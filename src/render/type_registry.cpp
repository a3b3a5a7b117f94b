#include "render/type_registry.h"

#include <array>

#include "formulas/mandelbrot.h"
#include "formulas/newton_variations.h"

namespace zoquel {

namespace {

std::array<TypeImplementation, kTypeCount> build() {
    std::array<TypeImplementation, kTypeCount> t{};
    t[0] = mandelbrot_implementation();
    t[27] = nvariations_implementation();
    return t;
}

}  // namespace

const TypeImplementation& implementation(int ftype) {
    static const std::array<TypeImplementation, kTypeCount> table = build();
    return table[std::size_t(ftype)];
}

}  // namespace zoquel
