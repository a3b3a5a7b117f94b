#include "render/type_registry.h"

#include <array>

#include "formulas/collatz.h"
#include "formulas/lyapunov.h"
#include "formulas/mandelbrot.h"

namespace zoquel {

namespace {

std::array<TypeImplementation, kTypeCount> build() {
    std::array<TypeImplementation, kTypeCount> t{};
    t[0] = mandelbrot_implementation();
    t[22] = collatz_implementation();
    t[23] = collatznewton_implementation();
    t[24] = lyapunov_implementation();
    return t;
}

}  // namespace

const TypeImplementation& implementation(int ftype) {
    static const std::array<TypeImplementation, kTypeCount> table = build();
    return table[std::size_t(ftype)];
}

}  // namespace zoquel
