#pragma once
#include <array>

#include "model/type_implementation.h"
#include "model/type_table.h"

namespace zoquel {

// What the program has built for every type, by type number: the one place that names every
// formula and generator. A renderer reads the registry it is given, so tests can stand in
// types of their own.
class TypeRegistry {
public:
    const TypeImplementation& operator[](int ftype) const { return types_[std::size_t(ftype)]; }
    TypeImplementation& operator[](int ftype) { return types_[std::size_t(ftype)]; }
    bool available(int ftype) const { return valid_type(ftype) && (*this)[ftype].available(); }

private:
    friend const TypeRegistry& standard_types();
    std::array<TypeImplementation, kTypeCount> types_{};
};

// Every type the program has built.
const TypeRegistry& standard_types();

inline const TypeImplementation& implementation(int ftype) { return standard_types()[ftype]; }

}  // namespace zoquel
